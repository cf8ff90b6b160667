#include "undo_history.h"

#include "change_images.h"

namespace vinylix {

UndoHistory::UndoHistory() : images_(std::make_unique<ChangeImages>()) {}

UndoHistory::~UndoHistory() {
    steps_.clear(); // before the images they drop their rows from
}

void UndoHistory::push(std::unique_ptr<UndoStep> step) {
    steps_.resize(done_); // the steps taken back cannot be made again after a new one
    steps_.push_back(std::move(step));
    if (steps_.size() > kept_steps)
        steps_.erase(steps_.begin());
    done_ = steps_.size();
    emit changed();
}

QString UndoHistory::undo_name() const {
    return done_ > 0 ? steps_[done_ - 1]->name() : QString();
}

QString UndoHistory::redo_name() const {
    return done_ < steps_.size() ? steps_[done_]->name() : QString();
}

UndoOutcome UndoHistory::undo(const UndoContext& context) {
    if (done_ == 0)
        return {};
    UndoOutcome outcome = steps_[done_ - 1]->undo(context);
    if (outcome.carried_out) {
        --done_;
        emit changed();
    }
    return outcome;
}

UndoOutcome UndoHistory::redo(const UndoContext& context) {
    if (done_ == steps_.size())
        return {};
    UndoOutcome outcome = steps_[done_]->redo(context);
    if (outcome.carried_out) {
        ++done_;
        emit changed();
    }
    return outcome;
}

QString left_alone_notice(const QString& heading, const QStringList& items, qint64 total) {
    constexpr qsizetype most = 20;
    QStringList lines = items.first(std::min(items.size(), most));
    if (total > lines.size())
        lines += QObject::tr("... and %1 more").arg(total - lines.size());
    return heading + QStringLiteral(":\n\n") + lines.join(u'\n');
}

} // namespace vinylix
