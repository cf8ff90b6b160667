#include "settings_window.h"

#include "kit/ok_button.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vinylix {

SettingsWindow::SettingsWindow(int savestate, QWidget* parent)
    : QDialog(parent), save_ch_(new QCheckBox(tr("Save program options"))) {
    setObjectName(QStringLiteral("settings_frm"));
    setWindowTitle(tr("Settings"));
    save_ch_->setObjectName(QStringLiteral("save_ch"));
    save_ch_->setChecked(savestate == 1);

    auto* frame = new QGroupBox(this);
    auto* frame_layout = new QVBoxLayout(frame);
    frame_layout->addWidget(save_ch_);
    auto* ok = make_ok_button(this, "ok_bttn");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

qint16 SettingsWindow::save_state() const {
    return save_ch_->isChecked() ? 1 : 0;
}

} // namespace vinylix
