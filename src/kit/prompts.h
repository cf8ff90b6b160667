#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace vinylix {

// Every message box, confirmation, file dialog, folder choice, shell "open" and modal window
// goes through this interface. The real one shows Qt dialogs; tests install a scripted one.
class Prompts {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };

    virtual ~Prompts() = default;
    // A notice or refusal with an OK button.
    virtual void notice(QWidget* parent, const QString& title, const QString& text,
                        Icon icon = Icon::Information) = 0;
    // A question with OK and Cancel: true for OK.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with Yes and No: true for Yes.
    virtual bool ask_yes_no(QWidget* parent, const QString& title, const QString& text) = 0;
    // File dialogs: an empty result (or list) means the user cancelled.
    virtual QString save_file(QWidget* parent, const QString& caption, const QString& start,
                              const QString& filter) = 0;
    virtual QStringList open_files(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter) = 0;
    // Shows a file with the user's default program (the shell's "open").
    virtual bool open_with_default_program(const QString& path) = 0;
    // Shows a modal window and returns when it closes; returns the window's result code.
    virtual int run_modal(QDialog& dialog) = 0;
};

// The prompts in use; the real Qt ones unless another set was installed.
Prompts& prompts();
// Installs `replacement` (null: back to the real ones); returns the previous installation.
std::unique_ptr<Prompts> install_prompts(std::unique_ptr<Prompts> replacement);

} // namespace vinylix
