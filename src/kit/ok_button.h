#pragma once

class QDialog;
class QPushButton;

namespace vinylix {

// The default "OK" button (Alt+O) of a small window, named `name`, that accepts and closes it.
QPushButton* make_ok_button(QDialog* window, const char* name);

} // namespace vinylix
