#pragma once

#include "catalogue_charts.h"
#include "chart_bars.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;

namespace vinylix {

class ChartPage;

// What the statistics window is opened with: the figures and charts of the catalogue, and the
// medium the shelf discs are measured against.
struct StatisticsRequest {
    CatalogueCharts charts;
    ChartMedium medium;
};

// "stats_frm": the four figures of the catalogue and, below them, its charts on four pages
// (years, bitrates, shelf discs, artists). A click on a bar (or Enter on it) closes the window
// with what the bar stands for as its result, where a bar stands for one thing. "Save Chart..."
// saves the chart shown as PNG or SVG. Escape closes it. A chart's access key (Alt+Y, Alt+B,
// Alt+H, Alt+A) shows it with the keyboard on its bars.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(StatisticsRequest request, QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    const std::optional<ChartChoice>& outcome() const { return outcome_; }
    // The page of the chart `kind`, drawn when its tab is first shown.
    ChartPage* page(ChartKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* figures_frame();
    void show_page(int tab);
    void choose(ChartKind kind, int bar);
    void save_chart();

    StatisticsRequest request_;
    QTabWidget* charts_tabs_ = nullptr;
    std::array<ChartPage*, 4> pages_{};
    QPushButton* savechart_bttn_ = nullptr;
    QPushButton* close_bttn_ = nullptr;
    std::optional<ChartChoice> outcome_;
};

} // namespace vinylix
