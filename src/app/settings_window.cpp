#include "settings_window.h"

#include "kit/ok_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace vinylix {

SettingsWindow::SettingsWindow(bool save, CodePage page, QWidget* parent)
    : QDialog(parent), save_ch_(new QCheckBox(tr("&Save program options"))),
      codepage_combo_(new QComboBox) {
    setObjectName(QStringLiteral("settings_frm"));
    setWindowTitle(tr("Settings"));
    save_ch_->setObjectName(QStringLiteral("save_ch"));
    save_ch_->setChecked(save);
    codepage_combo_->setObjectName(QStringLiteral("codepage_combo"));
    auto* model = qobject_cast<QStandardItemModel*>(codepage_combo_->model());
    for (const CodePage each : code_pages()) {
        codepage_combo_->addItem(code_page_title(each), int(each));
        if (!code_page_available(each)) {
            QStandardItem* item = model->item(codepage_combo_->count() - 1);
            item->setEnabled(false);
            item->setToolTip(tr("Not available on this system"));
        }
    }
    codepage_combo_->setCurrentIndex(codepage_combo_->findData(int(page)));
    auto* codepage_lb = new QLabel(tr("&Tag code page"));
    codepage_lb->setObjectName(QStringLiteral("codepage_lb"));
    codepage_lb->setBuddy(codepage_combo_);
    codepage_combo_->setToolTip(tr("The code page of ID3v1 tags, and of playlists that are not "
                                   "UTF-8, in the tag editor and the import"));

    auto* frame = new QGroupBox(this);
    auto* frame_layout = new QGridLayout(frame);
    frame_layout->addWidget(save_ch_, 0, 0, 1, 2, Qt::AlignLeft);
    frame_layout->addWidget(codepage_lb, 1, 0);
    frame_layout->addWidget(codepage_combo_, 1, 1);
    auto* ok = make_ok_button(this, "ok_bttn");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

bool SettingsWindow::save_options() const {
    return save_ch_->isChecked();
}

CodePage SettingsWindow::code_page() const {
    return CodePage(codepage_combo_->currentData().toInt());
}

} // namespace vinylix
