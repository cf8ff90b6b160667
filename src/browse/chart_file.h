#pragma once

#include <QString>

class QChartView;

namespace vinylix {

// The file a chart is saved to: a name chosen without ".png" or ".svg" (letter case ignored)
// gets ".png" added. "years" gives "years.png"; "years.svg" and "Shelf.PNG" stay as they are.
QString chart_file_name(const QString& chosen);

// Saves what `view` shows to `path` as an SVG drawing when the name ends in ".svg", else as a
// PNG picture at the screen's pixel density (sharp at 200 %). The file is replaced whole; on
// failure it is left as it was and `error` says why.
bool save_chart_image(QChartView& view, const QString& path, QString* error);

} // namespace vinylix
