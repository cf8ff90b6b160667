#pragma once

#include <QDialog>

namespace vinylix {

// "about_frm": the program's version, its author's contact details and the folder that holds
// its catalogue and settings file (`folder_lb`).
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const QString& data_folder, QWidget* parent = nullptr);
};

} // namespace vinylix
