#include "prompts.h"

#include "message_box.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace vinylix {

namespace {

QMessageBox::Icon box_icon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class QtPrompts final : public Prompts {
public:
    void notice(QWidget* parent, const QString& title, const QString& text, Icon icon) override {
        message_box(box_icon(icon), title, text, QMessageBox::Ok, parent)->exec();
    }

    bool confirm(QWidget* parent, const QString& title, const QString& text) override {
        return message_box(QMessageBox::Question, title, text,
                           QMessageBox::Ok | QMessageBox::Cancel, parent)
                   ->exec() == QMessageBox::Ok;
    }

    bool ask_yes_no(QWidget* parent, const QString& title, const QString& text) override {
        return message_box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                           parent)
                   ->exec() == QMessageBox::Yes;
    }

    QString save_file(QWidget* parent, const QString& caption, const QString& start,
                      const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, start, filter);
    }

    QStringList open_files(QWidget* parent, const QString& caption, const QString& start,
                           const QString& filter) override {
        return QFileDialog::getOpenFileNames(parent, caption, start, filter);
    }

    bool open_with_default_program(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    int run_modal(QDialog& dialog) override { return dialog.exec(); }
};

std::unique_ptr<Prompts>& installed() {
    static std::unique_ptr<Prompts> current;
    return current;
}

} // namespace

Prompts& prompts() {
    static QtPrompts real;
    auto& current = installed();
    return current ? *current : static_cast<Prompts&>(real);
}

std::unique_ptr<Prompts> install_prompts(std::unique_ptr<Prompts> replacement) {
    std::swap(installed(), replacement);
    return replacement;
}

} // namespace vinylix
