#include "app/program_title.h"
#include "app/progress_box.h"
#include "search/fields_tab.h"
#include "search_fixture.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

using namespace vinylix;
using test::click_row;
using test::SearchCatalogue;
using test::texts;

namespace {

// The field-browser tab shown on screen beside a progress box, with its controls.
struct Tab {
    explicit Tab(SharedState& state) : tab(state, &progress) {
        progress.resize(200, 10);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
    }
    ProgressBox progress;
    FieldsTab tab;
    QComboBox* prop = tab.findChild<QComboBox*>("prop");
    QListWidget* values = tab.findChild<QListWidget*>("prop_var");
    QListWidget* content = tab.findChild<QListWidget*>("content");
    QPushButton* load = tab.findChild<QPushButton*>("load_bttn");
    QPushButton* copy = tab.findChild<QPushButton*>("copyresult_bttn");
};

void add_shelf(SearchCatalogue& c) {
    c.add("Abba", "Gold", {}, "45", "1");
    c.add("Beatles", "Anthology", {}, "5", "10", "1995");
    c.add("Cure", "Faith", {}, "CDA", "2", "1981");
    c.add("Doors", "Morrison Hotel", {}, "120", "1", "1970");
    c.add("Doors", "Waiting", {}, "5", "2", "1968");
}

} // namespace

class FieldsTabTest : public QObject {
    Q_OBJECT
private slots:
    void load_fields_shows_the_shelf_cds_and_the_albums_of_the_first() {
        SearchCatalogue c;
        add_shelf(c);
        Tab t(c.open());
        QCOMPARE(t.tab.objectName(), QStringLiteral("search_by_frame"));
        QTest::mouseClick(t.load, Qt::LeftButton);
        QCOMPARE(texts(t.prop), QStringList({"Cover", "Nr. of Cds", "Bitrate", "CD nº", "Year"}));
        QCOMPARE(t.prop->currentIndex(), 3);
        QCOMPARE(texts(t.values), QStringList({"CD nº005", "CD nº045", "CD nº120", "CDA"}));
        QCOMPARE(t.values->currentRow(), 0);
        QCOMPARE(texts(t.content), QStringList({"Beatles - Anthology", "Doors - Waiting"}));
        QVERIFY(t.progress.repaint_count() > 1); // drawn while loading, then cleared
        QCOMPARE(t.progress.bar_width(), 0);

        click_row(t.values, 1);
        QCOMPARE(texts(t.content), QStringList({"Abba - Gold"}));
        test::choose(t.prop, 1);
        QCOMPARE(texts(t.values), QStringList({"1", "10", "2"}));
        QCOMPARE(texts(t.content), QStringList({"Abba - Gold"}));
        click_row(t.values, 2);
        QCOMPARE(texts(t.content), QStringList({"Cure - Faith", "Doors - Waiting"}));
    }

    void copy_results_asks_then_copies_every_line_with_crlf() {
        SearchCatalogue c;
        add_shelf(c);
        test::ScriptedPromptsScope prompts;
        Tab t(c.open());
        QTest::mouseClick(t.copy, Qt::LeftButton);
        QCOMPARE(prompts->texts("notice"),
                 QStringList({"No list available. Please load records first."}));

        QTest::mouseClick(t.load, Qt::LeftButton);
        QGuiApplication::clipboard()->setText("before");
        prompts->answers = {false, true};
        QTest::mouseClick(t.copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QTest::mouseClick(t.copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Beatles - Anthology\r\nDoors - Waiting\r\n"));
        QCOMPARE(prompts->texts("confirm").last(),
                 QStringLiteral("You are about to copy the list to the clipboard. Continue?"));
        QCOMPARE(prompts->texts("notice").last(),
                 QStringLiteral("The list has been copied to clipboard."));
        for (const auto& shown : prompts->shown)
            QCOMPARE(shown.title, program_title());
    }

    void closed_or_emptied_catalogue_lists_no_value() {
        SearchCatalogue c;
        add_shelf(c);
        test::ScriptedPromptsScope prompts;
        Tab t(c.state); // not opened yet
        QTest::mouseClick(t.load, Qt::LeftButton);
        QCOMPARE(t.prop->count(), 5);
        QCOMPARE(t.values->count(), 0);
        QVERIFY(prompts->shown.isEmpty());

        c.open();
        QTest::mouseClick(t.load, Qt::LeftButton);
        QCOMPARE(t.content->count(), 2);
        for (c.writer->move_first(); !c.writer->eof(); c.writer->move_next()) {
            QString error;
            QVERIFY(c.writer->delete_current(&error));
        }
        c.open();
        QTest::mouseClick(t.load, Qt::LeftButton);
        QCOMPARE(t.values->count(), 0);
        QCOMPARE(t.content->count(), 2); // the albums shown before stay
    }
};

VINYLIX_TEST(FieldsTabTest)
#include "test_fields_tab.moc"
