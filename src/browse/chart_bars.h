#pragma once

#include "catalogue_charts.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vinylix {

// The four charts of the statistics window.
enum class ChartKind { Years, Bitrates, Shelf, Artists };

// The blank disc the shelf discs are measured against: "CD-R 700 MB", 700.
struct ChartMedium {
    QString name;
    qint64 megabytes = 0;
};

// One chart as the window draws it: a bar per entry with its label and the exact count its
// tooltip gives, bars past the medium apart, and a line saying what the chart leaves out.
struct BarChart {
    QString title;          // "Albums per year"
    QString category_title; // "Year"
    QString amount_title;   // "Albums"
    bool horizontal = false;
    QStringList labels;
    std::vector<double> amounts; // albums, or megabytes for a disc
    QStringList tips;            // "1994: 12 albums"
    std::vector<bool> past;      // a disc holding more than the medium
    QString limit_name;          // the medium drawn across the shelf chart; empty elsewhere
    double limit = 0;
    QString note; // "4 audio CDs and 2 albums whose disc is not a number are not shown."
    int page = 0; // bars shown at once, the others reached by scrolling; 0 for all
};

BarChart bar_chart(const CatalogueCharts& charts, ChartKind kind, const ChartMedium& medium);

// What a click on a bar asks to see: a year or a bitrate in the field browser, an artist in
// the browser, a disc in the shelf window.
struct ChartChoice {
    ChartKind kind = ChartKind::Years;
    QString value; // "1994", "192", "ABBA", or the disc number "7"
    bool operator==(const ChartChoice&) const = default;
};

// The choice bar `bar` of chart `kind` stands for; nothing for the unknown years (many texts)
// and for a bar without albums.
std::optional<ChartChoice> chart_choice(const CatalogueCharts& charts, ChartKind kind, int bar);

} // namespace vinylix
