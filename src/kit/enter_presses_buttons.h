#pragma once

class QCoreApplication;

namespace vinylix {

// Makes Enter (Return, or Enter on the keypad) press the button that has the keyboard focus, as
// Space does, in every window of the program: push buttons, tool buttons, check boxes and radio
// buttons alike, and in a dialog the focused button rather than the default one. Everything else
// keeps its own Enter: a line edit's (in a dialog, pressing the default button), a multi-line
// box's line break, a list's choice. Enter with Shift, Ctrl or Alt is left alone, and a held key
// presses once. Installed on `application` once; further calls change nothing.
void make_enter_press_buttons(QCoreApplication& application);

} // namespace vinylix
