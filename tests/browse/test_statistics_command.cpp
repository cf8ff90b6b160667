#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

// Clicks the middle of bar `bar` (counted from the left) of a chart of side-by-side bars.
void click_bar(QChartView& view, int bar, qreal height) {
    QChart& chart = *view.chart();
    const QPointF at = chart.mapToPosition({qreal(bar), height / 2}, chart.series().first());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(at));
}

} // namespace

class StatisticsCommandTest : public QObject {
    Q_OBJECT
private slots:
    // A click on a year shows that year's albums in the field browser, the keyboard on the
    // year; Enter on a disc reached by keyboard opens the shelf window on that disc, the count
    // said on the way.
    void a_bar_chosen_is_shown_where_it_belongs() {
        test::Collection c;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(c.folder.path());
        prompts->on_modal = [](QDialog& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* years = window.findChild<QChartView*>("years_chart");
            click_bar(*years, 1981 - 1974, 1);
        };
        test::child<QAction>(*main, "stats_mnu")->trigger();
        QCOMPARE(test::child<QTabWidget>(*main, "tabulador")->currentWidget()->objectName(),
                 QStringLiteral("search_by_frame"));
        QCOMPARE(test::child<QListWidget>(*main, "prop_var")->currentItem()->text(),
                 QStringLiteral("1981"));
        QCOMPARE(test::row_texts(test::child<QListWidget>(*main, "content")->model()),
                 QStringList{"Cure - Faith"});

        QString said;
        QString shown_disc;
        prompts->on_modal = [&](QDialog& window) {
            if (window.objectName() == QLatin1String("shelf_frm")) {
                shown_disc =
                    window.findChild<QListView*>("discs_list")->currentIndex().data().toString();
                return;
            }
            test::click_tab(*window.findChild<QTabWidget*>("charts_tabs"), 2);
            auto* shelf = window.findChild<QChartView*>("shelf_chart");
            shelf->setFocus();
            QTest::keyClick(shelf, Qt::Key_End);
            said = window.findChild<QLabel*>("shelf_chart_lb")->text();
            QTest::keyClick(shelf, Qt::Key_Return);
        };
        test::child<QAction>(*main, "stats")->trigger();
        QCOMPARE(said, QStringLiteral("Disc 12: 2 albums, 670.5 MB"));
        QCOMPARE(prompts->texts("modal"), QStringList({"stats_frm", "stats_frm", "shelf_frm"}));
        QCOMPARE(shown_disc, QStringLiteral("Disc 12: 2 albums, 670.5 MB"));
    }

    // The chart shown is saved as SVG when the name says so, as PNG otherwise; the main
    // recordset stays where it was.
    void save_chart_writes_the_picture_asked_for() {
        test::Collection c;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(c.folder.path());
        test::child<ExploreTab>(*main, "explore_frame")->select_artist_and_album("Cure", "Faith");
        prompts->file_answers = {{c.folder.file("artists.svg")}, {c.folder.file("years")}};
        prompts->on_modal = [&](QDialog& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* tabs = window.findChild<QTabWidget*>("charts_tabs");
            auto* save = window.findChild<QPushButton*>("savechart_bttn");
            test::click_tab(*tabs, 3);
            QTest::qWait(1); // the new page is laid out
            save->click();
            test::click_tab(*tabs, 0);
            save->click();
        };
        test::child<QAction>(*main, "stats_mnu")->trigger();
        const QByteArray svg = c.folder.read_file("artists.svg");
        QVERIFY(svg.contains("<svg") && svg.contains("Cure"));
        QVERIFY(c.folder.read_file("years.png").startsWith("\x89PNG"));
        QVERIFY(prompts->texts("notice").isEmpty());
        QCOMPARE(main->state().artists->value(u"Album"), QStringLiteral("Faith"));
    }
};

VINYLIX_TEST(StatisticsCommandTest)
#include "test_statistics_command.moc"
