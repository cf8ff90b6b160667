#include "chart_file.h"

#include "store/whole_file.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>

namespace vinylix {

namespace {

bool is_svg(const QString& path) {
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
}

QByteArray svg_bytes(QChartView& view) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(view.viewport()->size());
    svg.setViewBox(view.viewport()->rect());
    svg.setTitle(view.chart()->title());
    QPainter painter(&svg);
    view.render(&painter);
    painter.end();
    return buffer.data();
}

QByteArray png_bytes(QChartView& view) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    view.viewport()->grab().save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

QString chart_file_name(const QString& chosen) {
    if (is_svg(chosen) || chosen.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".png");
}

bool save_chart_image(QChartView& view, const QString& path, QString* error) {
    return write_whole_file(path, is_svg(path) ? svg_bytes(view) : png_bytes(view), error);
}

} // namespace vinylix
