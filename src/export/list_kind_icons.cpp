#include "list_kind_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace vinylix {

namespace {

constexpr int side = 32;

// A sheet of paper with a folded corner, and `marks` drawn on it.
QIcon drawn_page(const std::function<void(QPainter&)>& marks) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(6.5, 2.5);
    sheet.lineTo(20.5, 2.5);
    sheet.lineTo(26.5, 8.5);
    sheet.lineTo(26.5, 29.5);
    sheet.lineTo(6.5, 29.5);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(64, 111, 144), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.drawPolyline(QPolygonF({{20.5, 2.5}, {20.5, 8.5}, {26.5, 8.5}}));
    marks(painter);
    return QIcon(pixmap);
}

} // namespace

QIcon text_list_icon() {
    return QIcon::fromTheme(QStringLiteral("text-x-generic"), drawn_page([](QPainter& p) {
                                p.setPen(QPen(QColor(90, 90, 90), 1.5));
                                for (int y = 12; y <= 26; y += 4)
                                    p.drawLine(QPointF(9.5, y), QPointF(y == 26 ? 17.5 : 23.5, y));
                            }));
}

QIcon html_list_icon() {
    return QIcon::fromTheme(
        QStringLiteral("text-html"), drawn_page([](QPainter& p) {
            p.setPen(QPen(QColor(0, 0, 128), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({{13, 14}, {9.5, 18}, {13, 22}}));
            p.drawPolyline(QPolygonF({{20, 14}, {23.5, 18}, {20, 22}}));
            p.drawLine(QPointF(18, 12.5), QPointF(15, 23.5));
        }));
}

} // namespace vinylix
