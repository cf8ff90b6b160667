#pragma once

#include <QDialog>

namespace vinylix {

// "about_frm": the program's version and its author's contact details.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace vinylix
