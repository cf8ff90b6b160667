#include "undo_commands.h"

#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "store/shared_state.h"

#include <QAction>

namespace vinylix {

namespace {

// "&Undo Delete 3 Albums" on the menu and "Undo Delete 3 Albums" on the button, or the plain
// caption, disabled, when there is nothing to take.
void name_command(QAction* command, QAction* button, const QString& caption, const QString& step) {
    const QString named = step.isEmpty() ? caption : caption + u' ' + step;
    command->setText(named);
    command->setEnabled(!step.isEmpty());
    button->setText(QString(named).remove(u'&'));
    button->setToolTip(button->text());
    button->setEnabled(!step.isEmpty());
}

} // namespace

UndoCommands::UndoCommands(SharedState& state, ProgressBox* progress, QWidget* window,
                           QAction* undo_command, QAction* redo_command, QAction* undo_button,
                           QAction* redo_button)
    : QObject(window), state_(state), progress_(progress), window_(window),
      undo_command_(undo_command), redo_command_(redo_command), undo_button_(undo_button),
      redo_button_(redo_button) {
    connect(&state_.history, &UndoHistory::changed, this, &UndoCommands::show_names);
    show_names();
}

void UndoCommands::show_names() {
    name_command(undo_command_, undo_button_, tr("&Undo"), state_.history.undo_name());
    name_command(redo_command_, redo_button_, tr("&Redo"), state_.history.redo_name());
}

void UndoCommands::run(bool undo) {
    UndoContext context;
    context.albums = state_.artists.get();
    context.progress = [this](qint64 done, qint64 total) {
        progress_->set_progress(done, total);
        return true;
    };
    UndoOutcome outcome;
    {
        const WaitCursor busy;
        outcome = undo ? state_.history.undo(context) : state_.history.redo(context);
        progress_->clear();
    }
    if (!outcome.carried_out) {
        const QString what = undo ? tr("The change could not be undone.")
                                  : tr("The change could not be made again.");
        prompts().notice(window_, program_title(), what + u'\n' + outcome.reason,
                         Prompts::Icon::Exclamation);
        return;
    }
    if (outcome.catalogue_changed)
        emit catalogue_replayed(outcome);
    if (!outcome.notice.isEmpty())
        prompts().notice(window_, program_title(), outcome.notice);
}

} // namespace vinylix
