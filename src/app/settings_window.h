#pragma once

#include "mp3/code_page.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace vinylix {

// "settings_frm": the switch that says whether the options are saved at exit, and the code page
// ID3v1 tags and old playlists are read and written in ("Tag code page"). Code pages this system
// lacks are listed but cannot be chosen.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(bool save, CodePage page, QWidget* parent = nullptr);
    // The switch as the user left it: true saves the options at exit.
    bool save_options() const;
    // The code page as the user left it.
    CodePage code_page() const;

private:
    QCheckBox* save_ch_;
    QComboBox* codepage_combo_;
};

} // namespace vinylix
