#include "scripted_prompts.h"

#include <QDialog>

namespace vinylix::test {

void ScriptedPrompts::notice(QWidget*, const QString& title, const QString& text, Icon icon) {
    shown.append({QStringLiteral("notice"), title, text, icon});
}

bool ScriptedPrompts::next_answer() {
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedPrompts::confirm(QWidget*, const QString& title, const QString& text) {
    shown.append({QStringLiteral("confirm"), title, text, Icon::Question});
    return next_answer();
}

bool ScriptedPrompts::ask_yes_no(QWidget*, const QString& title, const QString& text) {
    shown.append({QStringLiteral("yes_no"), title, text, Icon::Question});
    return next_answer();
}

QStringList ScriptedPrompts::next_files() {
    if (file_answers.empty())
        return {};
    const QStringList answer = file_answers.front();
    file_answers.pop_front();
    return answer;
}

QString ScriptedPrompts::save_file(QWidget*, const QString& caption, const QString&,
                                   const QString& filter) {
    shown.append({QStringLiteral("save_file"), caption, filter, Icon::None});
    return next_files().value(0);
}

QStringList ScriptedPrompts::open_files(QWidget*, const QString& caption, const QString&,
                                        const QString& filter) {
    shown.append({QStringLiteral("open_files"), caption, filter, Icon::None});
    return next_files();
}

bool ScriptedPrompts::open_with_default_program(const QString& path) {
    shown.append({QStringLiteral("open"), {}, path, Icon::None});
    return true;
}

int ScriptedPrompts::run_modal(QDialog& dialog) {
    shown.append({QStringLiteral("modal"), dialog.windowTitle(), dialog.objectName(), Icon::None});
    dialog.show();
    if (on_modal)
        on_modal(dialog);
    const int result = dialog.result();
    dialog.close();
    return result;
}

QStringList ScriptedPrompts::texts(const QString& kind) const {
    QStringList list;
    for (const Shown& s : shown)
        if (s.kind == kind)
            list << s.text;
    return list;
}

ScriptedPromptsScope::ScriptedPromptsScope() {
    auto scripted = std::make_unique<ScriptedPrompts>();
    prompts_ = scripted.get();
    previous_ = install_prompts(std::move(scripted));
}

ScriptedPromptsScope::~ScriptedPromptsScope() {
    install_prompts(std::move(previous_));
}

} // namespace vinylix::test
