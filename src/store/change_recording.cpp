#include "change_recording.h"

#include "change_images.h"
#include "recordset.h"

namespace vinylix {

namespace {

// "Add Album" for one, "Add 3 Albums" for more.
QString counted(const char* one, const char* many, qint64 albums) {
    return albums == 1 ? QObject::tr(one) : QObject::tr(many).arg(albums);
}

QString change_name(ChangeKind kind, const RecordedChange& change) {
    switch (kind) {
    case ChangeKind::Added:
        return counted("Add Album", "Add %1 Albums", change.added);
    case ChangeKind::Edited:
        return QObject::tr("Edit Album");
    case ChangeKind::ArtistRenamed:
        return QObject::tr("Rename Artist");
    case ChangeKind::Updated:
        return counted("Update Album", "Update %1 Albums", change.changed);
    case ChangeKind::Deleted:
        break;
    }
    return counted("Delete Album", "Delete %1 Albums", change.removed);
}

// A recorded change of the catalogue, its rows kept in the history's images.
class CatalogueChange : public UndoStep {
public:
    CatalogueChange(ChangeImages& images, RecordedChange change, QString name)
        : images_(images), change_(change), name_(std::move(name)) {}
    ~CatalogueChange() override { images_.forget(change_.id); }

    QString name() const override { return name_; }
    UndoOutcome undo(const UndoContext& context) override { return replay(context, true); }
    UndoOutcome redo(const UndoContext& context) override { return replay(context, false); }

private:
    UndoOutcome replay(const UndoContext& context, bool undo);

    ChangeImages& images_;
    const RecordedChange change_;
    const QString name_;
};

// The rows go back (or again) through the main recordset, which reads them in the same
// transaction; all go, or on a failure none.
UndoOutcome CatalogueChange::replay(const UndoContext& context, bool undo) {
    UndoOutcome outcome;
    if (!context.albums) {
        outcome.reason = QObject::tr("The catalogue is not open.");
        return outcome;
    }
    Recordset& set = *context.albums;
    Catalogue& catalogue = set.catalogue();
    Replay replay;
    const auto work = [&] {
        replay = images_.replay(catalogue, change_, undo, context.progress);
        return replay.rows;
    };
    if (!images_.prepare(catalogue, &outcome.reason) || !set.write_elsewhere(work, &outcome.reason))
        return outcome;
    outcome.carried_out = true;
    outcome.catalogue_changed = true;
    outcome.read_again = !set.changed_elsewhere();
    outcome.albums = std::move(replay.albums);
    outcome.artist = std::move(replay.artist);
    if (replay.left_alone_count > 0)
        outcome.notice = left_alone_notice(
            QObject::tr("Another program has changed these albums since, so they were left as "
                        "they are"),
            replay.left_alone, replay.left_alone_count);
    return outcome;
}

} // namespace

ChangeRecording::ChangeRecording(UndoHistory& history, std::shared_ptr<Catalogue> catalogue)
    : history_(history), catalogue_(std::move(catalogue)) {
    QString error;
    running_ = catalogue_ && history_.images().start(*catalogue_, &error);
}

ChangeRecording::~ChangeRecording() {
    if (running_)
        history_.images().finish(*catalogue_, false, nullptr);
}

void ChangeRecording::keep(ChangeKind kind) {
    if (!running_)
        return;
    running_ = false;
    QString error;
    const std::optional<RecordedChange> change =
        history_.images().finish(*catalogue_, true, &error);
    if (change)
        history_.push(std::make_unique<CatalogueChange>(history_.images(), *change,
                                                        change_name(kind, *change)));
}

bool delete_all_albums(UndoHistory& history, Catalogue& catalogue, const ProgressFn& progress,
                       QString* error) {
    const std::optional<RecordedChange> change =
        history.images().delete_all(catalogue, progress, error);
    if (!change)
        return false;
    if (change->removed == 0)
        history.images().forget(change->id); // nothing was deleted: nothing to take back
    else
        history.push(std::make_unique<CatalogueChange>(history.images(), *change,
                                                       QObject::tr("Delete All Albums")));
    return true;
}

} // namespace vinylix
