#include "statistics_window.h"

#include "chart_file.h"
#include "chart_page.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "kit/save_target.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vinylix {

namespace {

QLineEdit* figure_box(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

struct ChartTab {
    ChartKind kind;
    const char* name;    // the chart view's object name, and the file name offered
    const char* caption; // the tab's caption, with its access key
};

constexpr std::array<ChartTab, 4> chart_tabs = {{
    {ChartKind::Years, "years_chart", QT_TRANSLATE_NOOP("StatisticsWindow", "&Years")},
    {ChartKind::Bitrates, "bitrates_chart", QT_TRANSLATE_NOOP("StatisticsWindow", "&Bitrates")},
    {ChartKind::Shelf, "shelf_chart", QT_TRANSLATE_NOOP("StatisticsWindow", "S&helf")},
    {ChartKind::Artists, "artists_chart", QT_TRANSLATE_NOOP("StatisticsWindow", "&Artists")},
}};

} // namespace

StatisticsWindow::StatisticsWindow(StatisticsRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)) {
    setObjectName(QStringLiteral("stats_frm"));
    setWindowTitle(tr("Statistics"));
    charts_tabs_ = new QTabWidget(this);
    charts_tabs_->setObjectName(QStringLiteral("charts_tabs"));
    for (const ChartTab& tab : chart_tabs) {
        auto* holder = new QWidget(charts_tabs_);
        new QVBoxLayout(holder);
        holder->layout()->setContentsMargins(0, 0, 0, 0);
        charts_tabs_->addTab(holder, tr(tab.caption));
    }
    auto* empty = new QLabel(tr("The catalogue is empty."), this);
    empty->setObjectName(QStringLiteral("empty_lb"));
    empty->setVisible(request_.charts.figures.number_of_albums == 0);
    savechart_bttn_ = new QPushButton(tr("&Save Chart..."), this);
    savechart_bttn_->setObjectName(QStringLiteral("savechart_bttn"));
    close_bttn_ = new QPushButton(tr("&Close"), this);
    close_bttn_->setObjectName(QStringLiteral("close_bttn"));
    close_bttn_->setDefault(true); // Enter in a figure's box closes the window, as Escape does
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(empty);
    buttons->addStretch(1);
    buttons->addWidget(savechart_bttn_);
    buttons->addWidget(close_bttn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figures_frame());
    layout->addWidget(charts_tabs_, 1);
    layout->addLayout(buttons);
    resize(800, 680);

    connect(charts_tabs_, &QTabWidget::currentChanged, this, &StatisticsWindow::show_page);
    charts_tabs_->tabBar()->installEventFilter(this);
    connect(savechart_bttn_, &QPushButton::clicked, this, &StatisticsWindow::save_chart);
    connect(close_bttn_, &QPushButton::clicked, this, &QDialog::reject);
    show_page(0);
}

StatisticsWindow::~StatisticsWindow() = default;

// The four figures, as they always were, in two columns to leave the charts room.
QWidget* StatisticsWindow::figures_frame() {
    const Statistics& figures = request_.charts.figures;
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    const auto add = [&](int row, int column, const QString& caption, QLineEdit* box) {
        auto* label = new QLabel(caption, frame);
        label->setBuddy(box);
        grid->addWidget(label, row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
    };
    add(0, 0, tr("Number of A&rtists:"),
        figure_box("artist_lb", QString::number(figures.number_of_artists), frame));
    add(1, 0, tr("Number of Albu&ms:"),
        figure_box("album_lb", QString::number(figures.number_of_albums), frame));
    add(0, 1, tr("Total Si&ze (MB):"),
        figure_box("size_lb", figures.total_size_text() + " Mb", frame));
    add(1, 1, tr("Number of C&ds:"),
        figure_box("cds_lb", QString::number(figures.number_of_cds), frame));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

ChartPage* StatisticsWindow::page(ChartKind kind) {
    const auto tab = std::size_t(kind);
    if (!pages_[tab]) {
        QWidget* holder = charts_tabs_->widget(int(tab));
        pages_[tab] = new ChartPage(bar_chart(request_.charts, kind, request_.medium),
                                    QString::fromLatin1(chart_tabs[tab].name), holder);
        holder->layout()->addWidget(pages_[tab]);
        // Tab goes from the chart's tab to its bars; the tab's access key leads there too.
        setTabOrder(charts_tabs_->tabBar(), pages_[tab]->view());
        connect(pages_[tab], &ChartPage::chosen, this,
                [this, kind](int bar) { choose(kind, bar); });
    }
    return pages_[tab];
}

// A chart is drawn the first time its page is shown, so the window opens with one chart.
void StatisticsWindow::show_page(int tab) {
    if (tab >= 0 && tab < int(chart_tabs.size()))
        page(chart_tabs[std::size_t(tab)].kind);
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == charts_tabs_->tabBar() && event->type() == QEvent::Shortcut) {
        watched->event(event); // the tab bar shows the chart, which then takes the keyboard
        page(chart_tabs[std::size_t(charts_tabs_->currentIndex())].kind)
            ->view()
            ->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void StatisticsWindow::choose(ChartKind kind, int bar) {
    outcome_ = chart_choice(request_.charts, kind, bar);
    if (outcome_)
        accept();
}

void StatisticsWindow::save_chart() {
    const auto& tab = chart_tabs[std::size_t(charts_tabs_->currentIndex())];
    ChartPage* shown = page(tab.kind);
    const QString chosen = prompts().save_file(
        this, tr("Save Chart"), QDir::home().filePath(QString::fromLatin1(tab.name) + ".png"),
        tr("PNG pictures (*.png);;SVG drawings (*.svg)"));
    if (chosen.isEmpty())
        return;
    const QString path = chart_file_name(chosen);
    if (!may_replace(this, chosen, path))
        return;
    QString why;
    if (!save_chart_image(*shown->view(), path, &why))
        prompts().notice(this, program_title(),
                         tr("The chart could not be saved to the file \"%1\".\n\n%2")
                             .arg(QDir::toNativeSeparators(path), why),
                         Prompts::Icon::Exclamation);
}

} // namespace vinylix
