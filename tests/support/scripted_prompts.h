#pragma once

#include "kit/prompts.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

namespace vinylix::test {

// Prompts for tests: records every message shown and answers from a script.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString kind; // "notice", "confirm", "yes_no", "save_file", "open_files", "open", "modal"
        QString title;
        QString text; // the message; the filter of a file dialog; the path shown by "open"
        Icon icon = Icon::None;
    };

    QList<Shown> shown;
    std::deque<bool> answers;             // for confirm and ask_yes_no; OK/Yes when empty
    std::deque<QStringList> file_answers; // for save_file and open_files; cancel when empty
    // Drives a modal window while it is open; it is then closed with its current result.
    std::function<void(QDialog&)> on_modal;

    void notice(QWidget*, const QString& title, const QString& text, Icon icon) override;
    bool confirm(QWidget*, const QString& title, const QString& text) override;
    bool ask_yes_no(QWidget*, const QString& title, const QString& text) override;
    QString save_file(QWidget*, const QString& caption, const QString&, const QString&) override;
    QStringList open_files(QWidget*, const QString& caption, const QString&,
                           const QString&) override;
    bool open_with_default_program(const QString& path) override;
    int run_modal(QDialog& dialog) override;

    QStringList texts(const QString& kind) const;

private:
    bool next_answer();
    QStringList next_files();
};

// Installs scripted prompts for the lifetime of this object.
class ScriptedPromptsScope {
public:
    ScriptedPromptsScope();
    ~ScriptedPromptsScope();
    ScriptedPrompts& operator*() const { return *prompts_; }
    ScriptedPrompts* operator->() const { return prompts_; }

private:
    ScriptedPrompts* prompts_;
    std::unique_ptr<Prompts> previous_;
};

} // namespace vinylix::test
