#pragma once

class QLineEdit;

namespace vinylix {

// Lets only digits into the box: typed, keypad or pasted text holding anything else is kept
// out whole, while Backspace, Delete and the moving keys work as usual. Text set by the
// program is not filtered.
void make_digit_only(QLineEdit* box);

} // namespace vinylix
