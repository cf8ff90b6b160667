#pragma once

#include "kit/prompts.h"

namespace vinylix::bench {

// Prompts for the benches: every question answered with `answer`, no file chosen, no message
// shown, a modal window not run. A bench overrides only what its window needs.
class QuietPrompts : public Prompts {
public:
    explicit QuietPrompts(bool answer = false) : answer_(answer) {}

    void notice(QWidget*, const QString&, const QString&, Icon) override {}
    bool confirm(QWidget*, const QString&, const QString&) override { return answer_; }
    bool ask_yes_no(QWidget*, const QString&, const QString&) override { return answer_; }
    QString save_file(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QStringList open_files(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool open_with_default_program(const QString&) override { return answer_; }
    int run_modal(QDialog&) override { return 0; }

private:
    bool answer_;
};

} // namespace vinylix::bench
