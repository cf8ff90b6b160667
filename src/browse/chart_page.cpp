#include "chart_page.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetrics>
#include <QHorizontalStackedBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace vinylix {

// The chart itself, which takes the keyboard: the arrows move from bar to bar.
class BarsView : public QChartView {
public:
    BarsView(QChart* chart, ChartPage* page) : QChartView(chart, page), page_(page) {
        setFocusPolicy(Qt::StrongFocus);
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int page = std::max(1, page_->shown_count());
        const int last = int(page_->data_.amounts.size()) - 1;
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            page_->step(-1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            page_->step(1);
            break;
        case Qt::Key_PageUp:
            page_->step(-page);
            break;
        case Qt::Key_PageDown:
            page_->step(page);
            break;
        case Qt::Key_Home:
            page_->set_current_bar(0);
            break;
        case Qt::Key_End:
            page_->set_current_bar(last);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (page_->current_ >= 0)
                emit page_->chosen(page_->current_);
            break;
        default:
            QChartView::keyPressEvent(event);
            return;
        }
        event->accept();
    }
    void focusInEvent(QFocusEvent* event) override {
        QChartView::focusInEvent(event);
        if (page_->current_ < 0 && !page_->data_.amounts.empty())
            page_->set_current_bar(page_->first_);
    }

private:
    ChartPage* page_;
};

namespace {

// A tick step of 1, 2 or 5 times a power of ten giving about five steps up to `top`.
double tick_step(double top) {
    const double rough = std::max(top / 5, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= rough)
            return m * power;
    return 10 * power;
}

// Category labels must differ, and an empty one is not shown; an invisible mark keeps apart
// two bars that read alike.
QString distinct_label(QString label, const QStringList& taken) {
    if (label.isEmpty())
        label = QStringLiteral("\u200B");
    while (taken.contains(label))
        label += u'\u200B';
    return label;
}

bool is_number(const QString& label) {
    bool number = false;
    label.toLongLong(&number);
    return number;
}

} // namespace

ChartPage::ChartPage(BarChart chart, const QString& name, QWidget* parent)
    : QWidget(parent), data_(std::move(chart)) {
    setObjectName(name + QStringLiteral("_page"));
    build_chart();
    view_ = new BarsView(chart_, this);
    view_->setObjectName(name);
    info_ = new QLabel(this);
    info_->setObjectName(name + QStringLiteral("_lb"));
    info_->setTextFormat(Qt::PlainText); // an artist's name as it is, "<b>" and all
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    info_->setContentsMargins(6, 0, 6, 4);
    layout->addWidget(view_, 1);
    if (data_.page > 0 && int(data_.amounts.size()) > data_.page) {
        scroller_ = new QScrollBar(Qt::Horizontal, this);
        scroller_->setObjectName(name + QStringLiteral("_scroll"));
        scroller_->setRange(0, int(data_.amounts.size()) - data_.page);
        scroller_->setPageStep(data_.page);
        connect(scroller_, &QScrollBar::valueChanged, this, &ChartPage::show_from);
        layout->addWidget(scroller_);
    }
    layout->addWidget(info_);
    show_from(0);
    apply_palette();
    show_tip(-1);
}

void ChartPage::build_chart() {
    chart_ = new QChart;
    chart_->setTitle(data_.title);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setBackgroundRoundness(0);
    QAbstractBarSeries* series =
        data_.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                         : new QStackedBarSeries;
    fitting_ = new QBarSet(data_.amount_title);
    series->append(fitting_);
    if (!data_.limit_name.isEmpty()) {
        fitting_->setLabel(tr("Discs"));
        past_ = new QBarSet(tr("More than the medium holds"));
        series->append(past_);
    }
    series->setBarWidth(0.8);
    chart_->addSeries(series);
    if (data_.horizontal) {
        named_ = new QBarCategoryAxis;
        categories_ = named_;
    } else {
        numbered_ = new QCategoryAxis;
        numbered_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        categories_ = numbered_;
    }
    categories_->setTitleText(data_.category_title);
    if (numbered_) { // the last bar's label stands past the plot's right edge by half its width
        const QFontMetrics metrics(categories_->labelsFont());
        int widest = 0;
        for (const QString& label : data_.labels)
            widest = std::max(widest, metrics.horizontalAdvance(label));
        chart_->setMargins(QMargins(4, 4, 4 + widest / 2, 4));
    }
    categories_->setGridLineVisible(false);
    amounts_ = new QValueAxis;
    amounts_->setTitleText(data_.amount_title);
    chart_->addAxis(categories_, data_.horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart_->addAxis(amounts_, data_.horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categories_);
    series->attachAxis(amounts_);
    double top = data_.limit;
    for (const double a : data_.amounts)
        top = std::max(top, a);
    const double step = tick_step(top);
    amounts_->setTickType(QValueAxis::TicksDynamic);
    amounts_->setTickAnchor(0);
    amounts_->setTickInterval(step);
    amounts_->setRange(0, std::max(step, std::ceil(top * 1.05 / step) * step));
    amounts_->setLabelFormat(QStringLiteral("%.0f"));
    if (!data_.limit_name.isEmpty()) {
        limit_ = new QLineSeries;
        limit_->setName(data_.limit_name);
        chart_->addSeries(limit_);
        limit_->attachAxis(categories_);
        limit_->attachAxis(amounts_);
    }
    connect(chart_, &QChart::plotAreaChanged, this, [this] { label_bars(false); });
    chart_->legend()->setVisible(past_ != nullptr);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    for (QBarSet* set : {fitting_, past_}) {
        if (!set)
            continue;
        connect(set, &QBarSet::clicked, this, [this](int index) { emit chosen(bar_at(index)); });
        connect(set, &QBarSet::hovered, this, [this](bool over, int index) {
            if (!over) {
                QToolTip::hideText();
                show_tip(current_);
                return;
            }
            const int bar = bar_at(index);
            show_tip(bar);
            QToolTip::showText(QCursor::pos(), Qt::convertFromPlainText(data_.tips[bar]), view_);
        });
    }
}

int ChartPage::shown_count() const {
    const int all = int(data_.amounts.size());
    return data_.page > 0 ? std::min(all, data_.page) : all;
}

// The bars of a horizontal chart stand from the bottom up, so the first is on top.
int ChartPage::bar_at(int shown_index) const {
    return data_.horizontal ? first_ + shown_count() - 1 - shown_index : first_ + shown_index;
}

QBarSet* ChartPage::set_of(int bar) const {
    return past_ && data_.past[std::size_t(bar)] ? past_ : fitting_;
}

void ChartPage::show_from(int first) {
    const int shown = shown_count();
    first_ = std::clamp(first, 0, int(data_.amounts.size()) - shown);
    QList<qreal> fitting;
    QList<qreal> past;
    for (int i = 0; i < shown; ++i) {
        const auto bar = std::size_t(bar_at(i));
        fitting << (data_.past[bar] ? 0 : data_.amounts[bar]);
        past << (data_.past[bar] ? data_.amounts[bar] : 0);
    }
    fitting_->remove(0, fitting_->count());
    fitting_->append(fitting);
    if (past_) {
        past_->remove(0, past_->count());
        past_->append(past);
    }
    if (named_) {
        QStringList labels;
        for (int i = 0; i < shown; ++i)
            labels << distinct_label(data_.labels[bar_at(i)].toHtmlEscaped(), labels);
        named_->setCategories(labels);
    } else {
        numbered_->setRange(-0.5, std::max(shown, 1) - 0.5);
        label_bars(true);
    }
    if (limit_)
        limit_->replace({{-0.5, data_.limit}, {std::max(shown, 1) - 0.5, data_.limit}});
    if (scroller_) {
        const QSignalBlocker quiet(scroller_);
        scroller_->setValue(first_);
    }
    mark_current();
}

// Every bar is labelled where the labels fit; where they do not, numbers (years, discs) are every
// 2, 5, 10... of their value, and a word ("Unknown") still is, on a line of its own below the
// numbers where it would run into one ("2020" beside "Unknown").
void ChartPage::label_bars(bool anew) {
    if (!numbered_)
        return;
    const int shown = shown_count();
    const QFontMetrics metrics(categories_->labelsFont());
    const double room = chart_->plotArea().width();
    double widest = 0;
    for (int i = 0; i < shown; ++i)
        widest = std::max<double>(widest, metrics.horizontalAdvance(data_.labels[bar_at(i)]));
    const double needed = widest + metrics.averageCharWidth() * 2;
    const double per_bar = room / std::max(shown, 1);
    int stride = 1;
    for (const int s : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
        stride = s;
        if (s * per_bar >= needed)
            break;
    }
    if (!anew && stride == stride_)
        return;
    stride_ = stride;
    for (const QString& label : numbered_->categoriesLabels())
        numbered_->remove(label);
    const auto labelled_number = [&](int i) {
        const QString& label = data_.labels[bar_at(i)];
        return is_number(label) && label.toLongLong() % stride == 0;
    };
    // Two labels run into each other when less than a character apart.
    const auto clash = [&](int i, int j) {
        const auto width = [&](int k) {
            return metrics.horizontalAdvance(data_.labels[bar_at(k)]);
        };
        return std::abs(i - j) * per_bar < (width(i) + width(j)) / 2.0 + metrics.averageCharWidth();
    };
    numbered_->setStartValue(-0.5);
    QStringList taken;
    for (int i = 0; i < shown; ++i) {
        const QString& text = data_.labels[bar_at(i)];
        if (is_number(text) && stride > 1 && !labelled_number(i))
            continue;
        QString label = text.toHtmlEscaped(); // the axis takes its labels for markup
        if (!is_number(text)) {
            const auto number = [&](int j) { return labelled_number(j) && clash(i, j); };
            bool lowered = false;
            for (int j = 0; j < shown && !lowered; ++j)
                lowered = number(j);
            if (lowered)
                label.prepend(QStringLiteral("<br>"));
        }
        taken << distinct_label(label, taken);
        numbered_->append(taken.back(), i);
    }
    if (taken.isEmpty()) // an axis without a label is not laid out: an empty chart has one
        numbered_->append(distinct_label({}, taken), 0);
}

void ChartPage::set_current_bar(int bar) {
    const int all = int(data_.amounts.size());
    current_ = bar >= 0 && bar < all ? bar : -1;
    const int shown = shown_count();
    if (current_ >= 0 && (current_ < first_ || current_ >= first_ + shown))
        show_from(current_ < first_ ? current_ : current_ - shown + 1);
    else
        mark_current();
    show_tip(current_);
}

// The current bar stands out while it is shown.
void ChartPage::mark_current() {
    for (QBarSet* set : {fitting_, past_})
        if (set)
            set->deselectAllBars();
    const int offset = current_ - first_;
    if (current_ >= 0 && offset >= 0 && offset < shown_count())
        set_of(current_)->selectBar(data_.horizontal ? shown_count() - 1 - offset : offset);
}

void ChartPage::step(int bars) {
    const int last = int(data_.amounts.size()) - 1;
    if (last < 0)
        return;
    // From a bar out of view (the chart was scrolled) the keys start again where it shows.
    const bool in_view = current_ >= first_ && current_ < first_ + shown_count();
    set_current_bar(!in_view ? first_ : std::clamp(current_ + bars, 0, last));
}

void ChartPage::show_tip(int bar) {
    if (bar >= 0)
        info_->setText(data_.tips[bar]);
    else if (!data_.note.isEmpty() || data_.amounts.empty())
        info_->setText(data_.note);
    else
        info_->setText(tr("Point at a bar, or move along the bars with the arrow keys, to see "
                          "what it counts; a click or Enter shows its albums."));
}

void ChartPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        apply_palette();
}

// The desktop's colours, light or dark: text and lines in its text colour, bars in its
// highlight colour, a disc past the medium in a red that reads on either.
void ChartPage::apply_palette() {
    const QPalette p = palette();
    const bool dark = p.color(QPalette::Base).lightness() < 128;
    const QColor text = p.color(QPalette::Text);
    const QColor grid = p.color(QPalette::Mid);
    const QColor bar = p.color(QPalette::Highlight);
    const QColor red = dark ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc6, 0x28, 0x28);
    chart_->setBackgroundBrush(p.color(QPalette::Base));
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setTitleBrush(text);
    chart_->legend()->setLabelColor(text);
    for (QAbstractAxis* axis : {categories_, static_cast<QAbstractAxis*>(amounts_)}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(grid);
        axis->setGridLineColor(grid);
    }
    fitting_->setColor(bar);
    fitting_->setBorderColor(bar);
    fitting_->setSelectedColor(dark ? bar.lighter(160) : bar.darker(170));
    if (past_) {
        past_->setColor(red);
        past_->setBorderColor(red);
        past_->setSelectedColor(dark ? red.lighter(140) : red.darker(160));
    }
    if (limit_)
        limit_->setPen(QPen(text, 2, Qt::DashLine));
    view_->setBackgroundBrush(p.color(QPalette::Base));
}

} // namespace vinylix
