#pragma once

#include "album_record.h"
#include "progress.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace vinylix {

class ChangeImages;
class Recordset;

// What a step works on when it is taken back or made again: the main recordset over the open
// catalogue (null while the catalogue is not open; a step on MP3 files needs none), and where
// it reports progress.
struct UndoContext {
    Recordset* albums = nullptr;
    ProgressFn progress;
};

// What taking a step back, or making it again, did.
struct UndoOutcome {
    // False when nothing could be done at all (the catalogue is read-only, held by another
    // program or not open, its disk is full): `reason` says why, and the step stays where it
    // was, on its side of the history.
    bool carried_out = false;
    QString reason;
    // Names the items that another program changed since, which were left as they were, in
    // the program's words; empty when there were none.
    QString notice;
    // The catalogue's rows changed. `read_again`: the main recordset already holds them as
    // the file does; otherwise the catalogue is to be read anew.
    bool catalogue_changed = false;
    bool read_again = false;
    // The albums concerned that are in the catalogue afterwards, in the catalogue's order (none
    // when they are too many to name); when none is, `artist` is the artist of the first one
    // that left it.
    std::vector<AlbumName> albums;
    QString artist;
};

// One change the user can take back and make again: a change of the catalogue, or the tags
// written by one Apply.
class UndoStep {
public:
    virtual ~UndoStep() = default;
    // What the step changed, as the Edit menu names it: "Delete 3 Albums".
    virtual QString name() const = 0;
    // Takes the change back, item by item, where an item still stands as the change left it.
    virtual UndoOutcome undo(const UndoContext& context) = 0;
    // Makes it again, where an item still stands as `undo` left it.
    virtual UndoOutcome redo(const UndoContext& context) = 0;
};

// The changes of this run that can be taken back (the last kept_steps of them, whatever their
// size) and those taken back that can be made again. A new step clears the steps taken back.
// A step that could not be carried out at all stays on its side. The history ends with this
// object: it keeps the rows of the catalogue's changes in a temporary file (ChangeImages),
// removed with it.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kept_steps = 100;

    UndoHistory();
    ~UndoHistory() override;

    void push(std::unique_ptr<UndoStep> step);
    // The name of the step `undo` (or `redo`) would take; empty when there is none.
    QString undo_name() const;
    QString redo_name() const;
    UndoOutcome undo(const UndoContext& context);
    UndoOutcome redo(const UndoContext& context);

    // Where the catalogue's changes keep their rows.
    ChangeImages& images() { return *images_; }

signals:
    // A step was added, taken back or made again.
    void changed();

private:
    std::unique_ptr<ChangeImages> images_; // outlives the steps, which drop their rows from it
    std::vector<std::unique_ptr<UndoStep>> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are in effect
};

// The words telling that `items` (of `total`; the first twenty shown, one a line) were left as
// they were: "`heading`:\n\nAbba - Gold\n... and 3 more".
QString left_alone_notice(const QString& heading, const QStringList& items, qint64 total);

} // namespace vinylix
