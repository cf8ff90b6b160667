#pragma once

#include "chart_bars.h"

#include <QWidget>

class QAbstractAxis;
class QBarCategoryAxis;
class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScrollBar;
class QValueAxis;

namespace vinylix {

// One chart of the statistics window, drawn with Qt Charts in the desktop's colours. Pointing
// at a bar shows its exact count as a tooltip and below the chart; a click on it chooses it.
// By keyboard the arrows move from bar to bar (Page Up and Down, Home and End further), the
// line below saying what the current bar counts, and Enter or Space chooses it. Where the
// chart has more bars than it shows at once, a scroll bar below it (or the keys) moves along.
class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(BarChart chart, const QString& name, QWidget* parent = nullptr);

    QChartView* view() const { return view_; }
    QChart* chart() const { return chart_; }
    // The bar the keyboard is on (-1 for none), counted over all the chart's bars.
    int current_bar() const { return current_; }
    // Makes `bar` the current bar, bringing it into view.
    void set_current_bar(int bar);
    // The first bar shown; bar `bar` stands at this position among those shown.
    int first_shown() const { return first_; }

signals:
    void chosen(int bar);

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class BarsView;
    void build_chart();
    void show_from(int first);
    void mark_current();
    void label_bars(bool anew);
    void apply_palette();
    void show_tip(int bar);
    void step(int bars);
    int shown_count() const;
    int bar_at(int shown_index) const;
    QBarSet* set_of(int bar) const;

    BarChart data_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QBarSet* fitting_ = nullptr; // bars within the medium (every bar of the other charts)
    QBarSet* past_ = nullptr;    // discs past the medium; null on the other charts
    QLineSeries* limit_ = nullptr;
    QAbstractAxis* categories_ = nullptr;
    QCategoryAxis* numbered_ = nullptr; // bars side by side: labelled where labels fit
    QBarCategoryAxis* named_ = nullptr; // bars one above the other: every one labelled
    QValueAxis* amounts_ = nullptr;
    QScrollBar* scroller_ = nullptr;
    QLabel* info_ = nullptr;
    int first_ = 0;
    int current_ = -1;
    int stride_ = 0; // bars from one label to the next
};

} // namespace vinylix
