#pragma once

#include "store/undo_history.h"

#include <QObject>

class QAction;
class QWidget;

namespace vinylix {

class ProgressBox;
struct SharedState;

// "&Undo ..." and "&Redo ..." of the Edit menu and their toolbar buttons. Their captions and
// tool tips name the step they take back or make again ("&Undo Delete 3 Albums"); with nothing
// to take, they are disabled under the plain caption. Running one takes the step from the
// history of the shared state, with the busy pointer and its progress shown; the user is told
// why it could not be done at all, or which items another program changed since and were left
// alone. When the catalogue changed, `catalogue_replayed` lets the main window show it.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    // `undo_command` and `redo_command` are the menu commands, `undo_button` and `redo_button`
    // the toolbar buttons; `window` is the parent of the messages.
    UndoCommands(SharedState& state, ProgressBox* progress, QWidget* window, QAction* undo_command,
                 QAction* redo_command, QAction* undo_button, QAction* redo_button);

    void undo() { run(true); }
    void redo() { run(false); }

signals:
    // The catalogue's rows changed: the browser shows them (`outcome` says which).
    void catalogue_replayed(const UndoOutcome& outcome);

private:
    void show_names();
    void run(bool undo);

    SharedState& state_;
    ProgressBox* progress_;
    QWidget* window_;
    QAction* undo_command_;
    QAction* redo_command_;
    QAction* undo_button_;
    QAction* redo_button_;
};

} // namespace vinylix
