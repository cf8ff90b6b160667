#include "about_window.h"

#include "kit/ok_button.h"
#include "kit/program_title.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vinylix {

AboutWindow::AboutWindow(const QString& data_folder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about_frm"));
    setWindowTitle(tr("About Vinylix [Trackwright]"));

    auto* frame = new QGroupBox(tr("Vinylix Trackwright"), this);
    auto* form = new QFormLayout(frame);
    auto* version = new QLineEdit(program_version_text(), frame);
    version->setObjectName(QStringLiteral("version_txt"));
    version->setReadOnly(true);
    form->addRow(tr("&Version:"), version);
    auto* updated = new QLabel(QStringLiteral("26-06-2001"), frame);
    form->addRow(tr("Last Updated:"), updated);

    auto* contact = new QGroupBox(tr("Contact"), this);
    auto* contact_layout = new QVBoxLayout(contact);
    auto* details = new QLabel(tr("Vinylix is written by the Vinylix developers.\n"
                                  "Questions and reports: vinylix@example.org"),
                               contact);
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    contact_layout->addWidget(details);

    auto* files = new QGroupBox(tr("Catalogue and settings"), this);
    auto* files_layout = new QVBoxLayout(files);
    auto* folder = new QLabel(QDir::toNativeSeparators(data_folder), files);
    folder->setObjectName(QStringLiteral("folder_lb"));
    folder->setTextFormat(Qt::PlainText);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    files_layout->addWidget(folder);

    auto* ok = make_ok_button(this, "Command1");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(contact);
    layout->addWidget(files);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace vinylix
