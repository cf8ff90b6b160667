#pragma once

#include <QString>

namespace vinylix {

// The plain letters or digits that the Unicode root collation (ICU's order) sorts a character
// with, appended to `out`: "œ" gives "oe", "æ" "ae", "ß" "ss", "ø" "o", "ł" "l", "đ" "d",
// "٣" (Arabic-Indic three) "3". False, with nothing appended, for a character that the root
// collation sorts apart from every plain letter ("þ", "ŋ", "я", a sign) and for a half of a
// surrogate pair. Each character is looked up once and kept; safe on several threads at once.
bool append_root_letters(QString& out, char16_t c);

} // namespace vinylix
