#pragma once

#include <QDialog>

class QCheckBox;

namespace vinylix {

// "settings_frm": the one switch that says whether the options are saved at exit.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(int savestate, QWidget* parent = nullptr);
    // The switch as the user left it: 1 save at exit, 0 do not.
    qint16 save_state() const;

private:
    QCheckBox* save_ch_;
};

} // namespace vinylix
