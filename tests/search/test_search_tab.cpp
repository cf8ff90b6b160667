#include "search/search_tab.h"
#include "search_fixture.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vinylix;
using test::click_row;
using test::SearchCatalogue;
using test::texts;

namespace {

// The search tab shown on screen, with its controls.
struct Tab {
    explicit Tab(SharedState& state) : tab(state) {
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
    }
    SearchTab tab;
    QLineEdit* text = tab.findChild<QLineEdit*>("search_textbox");
    QComboBox* field = tab.findChild<QComboBox*>("field_search");
    QPushButton* button = tab.findChild<QPushButton*>("search_bttn");
    QListView* list = tab.findChild<QListView*>("search_listbox");
    QLabel* name = tab.findChild<QLabel*>("nome_lb");
    QLabel* location = tab.findChild<QLabel*>("local_lb");

    void type(const QString& what) {
        text->clear();
        QTest::keyClicks(text, what);
    }
};

void add_artists(SearchCatalogue& c) {
    c.add("Zappa", "Hot Rats");
    c.add("Jeff Beck", "Truth", {}, "9");
    c.add("Beatles", "Help", "Help!\r\nI Need You", "3");
    c.add("BEE GEES", "Odessa", {}, "CDA");
    c.add("Beatles", "Abbey Road", "Something\r\nLovely love", "3");
    c.add("Abba", "Gold");
}

} // namespace

class SearchTabTest : public QObject {
    Q_OBJECT
private slots:
    void button_lists_artist_matches_and_shows_the_first() {
        SearchCatalogue c;
        add_artists(c);
        Tab t(c.open());
        QCOMPARE(t.tab.objectName(), QStringLiteral("search_frame"));
        QCOMPARE(texts(t.field), QStringList({"Artist name", "Album name", "Song name"}));
        QCOMPARE(t.field->currentIndex(), 0);
        t.type("be");
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(texts(t.list), QStringList({"Beatles - Abbey Road", "Beatles - Help",
                                             "BEE GEES - Odessa", "Jeff Beck - Truth"}));
        QCOMPARE(t.list->currentIndex().row(), 0);
        QCOMPARE(t.name->text(), QStringLiteral("Beatles - Abbey Road"));
        QCOMPARE(t.location->text(), QStringLiteral("CD 3"));
        QCOMPARE(t.list->toolTip(), QStringLiteral("Beatles - Abbey Road"));
        QCOMPARE(t.tab.focusWidget(), t.text);
        QCOMPARE(t.text->selectedText(), QStringLiteral("be"));

        click_row(t.list, 2);
        QCOMPARE(t.name->text(), QStringLiteral("BEE GEES - Odessa"));
        QCOMPARE(t.location->text(), QStringLiteral("CD CDA"));
        QCOMPARE(t.list->toolTip(), QStringLiteral("BEE GEES - Odessa"));
    }

    void one_character_is_refused_by_the_button_but_searched_by_enter() {
        SearchCatalogue c;
        add_artists(c);
        Tab t(c.open());
        t.type("zap");
        QTest::keyClick(t.text, Qt::Key_Return);
        QCOMPARE(t.name->text(), QStringLiteral("Zappa - Hot Rats"));
        QCOMPARE(t.text->selectedText(), QStringLiteral("zap"));

        t.type("j");
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(texts(t.list), QStringList({"Search string too ambiguous. Please specify."}));
        click_row(t.list, 0); // the refusal is no result: the last details stay
        QCOMPARE(t.name->text(), QStringLiteral("Zappa - Hot Rats"));
        QCOMPARE(t.list->toolTip(), QStringLiteral("Zappa - Hot Rats"));

        QTest::keyClick(t.text, Qt::Key_Enter);
        QCOMPARE(texts(t.list), QStringList({"Jeff Beck - Truth"}));
        QCOMPARE(t.location->text(), QStringLiteral("CD 9"));
    }

    void songs_are_listed_per_occurrence_and_no_match_changes_nothing() {
        SearchCatalogue c;
        add_artists(c);
        Tab t(c.open());
        test::choose(t.field, 2);
        t.type("LOVE");
        QTest::keyClick(t.text, Qt::Key_Return);
        QCOMPARE(texts(t.list), QStringList({"Lovely love", "Lovely love"}));

        t.type("xyz");
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(texts(t.list), QStringList({"(Nothing found)"}));
        click_row(t.list, 0);
        QCOMPARE(t.name->text(), QStringLiteral("Beatles - Abbey Road"));
        QCOMPARE(t.location->text(), QStringLiteral("CD 3"));
    }

    void closed_catalogue_lists_nothing_and_the_reloaded_one_is_searched() {
        SearchCatalogue c;
        add_artists(c);
        test::ScriptedPromptsScope prompts;
        SharedState& state = c.state; // not opened yet
        Tab t(state);
        t.type("abba");
        QTest::mouseClick(t.button, Qt::LeftButton);
        QVERIFY(texts(t.list).isEmpty());
        QVERIFY(prompts->shown.isEmpty());

        c.open();
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(texts(t.list), QStringList({"Abba - Gold"}));
        c.add("Abba", "Arrival");
        c.open(); // every reload brings a new recordset
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(texts(t.list), QStringList({"Abba - Arrival", "Abba - Gold"}));
    }
};

VINYLIX_TEST(SearchTabTest)
#include "test_search_tab.moc"
