#pragma once

#include <QIcon>

namespace vinylix {

// The images of the two list-kind buttons: the desktop theme's icons for a plain-text and an
// HTML document where the theme has them, else a page drawn here (ruled lines for the text
// list, "</>" for the HTML page).
QIcon text_list_icon();
QIcon html_list_icon();

} // namespace vinylix
