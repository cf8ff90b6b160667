#pragma once

#include <QMessageBox>
#include <memory>

namespace vinylix {

// A message box wide enough for its whole title: the title bar shows "Vinylix 5.1
// [Trackwright]" in full beside the window's buttons, however short the text.
std::unique_ptr<QMessageBox> message_box(QMessageBox::Icon icon, const QString& title,
                                         const QString& text, QMessageBox::StandardButtons buttons,
                                         QWidget* parent);

// The width a window needs for `title` in its title bar: the title in a bold, slightly larger
// font than the window's, and room for an icon and three window buttons.
int title_bar_width(const QWidget& window, const QString& title);

} // namespace vinylix
