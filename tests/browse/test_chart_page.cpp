#include "browse/chart_page.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>

using namespace vinylix;

namespace {

// Bars "1" to "n" counting 1 to n albums.
BarChart numbered(int bars, int page, bool horizontal) {
    BarChart chart;
    chart.horizontal = horizontal;
    chart.page = page;
    for (int b = 1; b <= bars; ++b) {
        chart.labels << QString::number(b);
        chart.amounts.push_back(b);
        chart.tips << QStringLiteral("bar %1").arg(b);
        chart.past.push_back(false);
    }
    return chart;
}

// Clicks the bar shown at `position` (from the left, or from the bottom when horizontal).
void click_shown_bar(ChartPage& page, int position, qreal amount, bool horizontal = false) {
    QChart& chart = *page.chart();
    const QPointF value =
        horizontal ? QPointF(amount / 2, position) : QPointF(position, amount / 2);
    const QPointF at = chart.mapToPosition(value, chart.series().first());
    QTest::mouseClick(page.view()->viewport(), Qt::LeftButton, {}, page.view()->mapFromScene(at));
}

} // namespace

class ChartPageTest : public QObject {
    Q_OBJECT
private slots:
    // A shelf of more discs than are shown at once is reached whole by keys and scroll bar, and
    // a bar chosen is the one under the mouse wherever the chart was scrolled to.
    void every_bar_is_reached_and_chosen_as_shown() {
        ChartPage page(numbered(100, 40, false), "discs");
        page.resize(700, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy chosen(&page, &ChartPage::chosen);
        const auto keys = [&](Qt::Key key) {
            QTest::keyClick(page.view(), key);
            return QStringLiteral("%1 from %2: %3")
                .arg(page.current_bar())
                .arg(page.first_shown())
                .arg(test::child<QLabel>(page, "discs_lb")->text());
        };
        QCOMPARE(keys(Qt::Key_End), QStringLiteral("99 from 60: bar 100"));
        QCOMPARE(keys(Qt::Key_PageUp), QStringLiteral("59 from 59: bar 60"));
        QCOMPARE(keys(Qt::Key_Left), QStringLiteral("58 from 58: bar 59"));
        QCOMPARE(keys(Qt::Key_Home), QStringLiteral("0 from 0: bar 1"));
        QTest::keyClick(page.view(), Qt::Key_Return);
        test::child<QScrollBar>(page, "discs_scroll")->setValue(30);
        QTest::qWait(1); // the bars shown anew are laid out
        click_shown_bar(page, 5, 36);
        QCOMPARE(chosen, (QList<QList<QVariant>>{{0}, {35}}));
    }

    // The first of the artists stands on top; every label reads as its text, "<" and all.
    void a_horizontal_chart_lists_its_bars_from_the_top() {
        BarChart chart = numbered(3, 0, true);
        chart.labels[1] = QStringLiteral("<i>Unknown</i>");
        ChartPage page(chart, "artists");
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy chosen(&page, &ChartPage::chosen);
        click_shown_bar(page, 2, 1, true);
        QCOMPARE(chosen.value(0).value(0).toInt(), 0);
        QStringList shown;
        for (const QGraphicsItem* item : page.view()->scene()->items())
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
                shown << text->toPlainText().trimmed();
        QVERIFY2(shown.contains("<i>Unknown</i>"), qPrintable(shown.join(", ")));
    }
};

VINYLIX_TEST(ChartPageTest)
#include "test_chart_page.moc"
