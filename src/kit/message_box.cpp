#include "message_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace vinylix {

namespace {

// Icon, three window buttons and the margins of a title bar, in pixels at 96 dpi.
constexpr int title_bar_room = 150;

} // namespace

int title_bar_width(const QWidget& window, const QString& title) {
    QFont font = window.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    const double scale = window.logicalDpiX() / 96.0;
    return QFontMetrics(font).horizontalAdvance(title) + int(title_bar_room * scale);
}

std::unique_ptr<QMessageBox> message_box(QMessageBox::Icon icon, const QString& title,
                                         const QString& text, QMessageBox::StandardButtons buttons,
                                         QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, parent);
    box->setTextFormat(Qt::PlainText); // a name in a message as it is, "<b>" and all
    // The box sizes itself to its layout's minimum width when shown: a row as wide as the
    // title bar needs keeps it from being narrower.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(title_bar_width(*box, title), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

} // namespace vinylix
