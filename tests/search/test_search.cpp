#include "kit/progress_box.h"
#include "search/fields_tab.h"
#include "search/search_tab.h"
#include "store/album_batch.h"
#include "store/catalogue_load.h"
#include "store/song_list_text.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vinylix;
using namespace vinylix::test;

namespace {

// A catalogue in a temporary folder, opened into a shared state as the program opens it.
struct SearchCatalogue {
    TempFolder folder;
    SharedState state;
    std::unique_ptr<Recordset> writer = open_main(folder.make_catalogue());

    void add(const QString& artist, const QString& album, const QString& songs = {},
             const QString& cd = QStringLiteral("1"), const QString& cds = QStringLiteral("1"),
             const QString& year = {}) {
        add_album(*writer, artist, album, songs, cds, cd, {}, year);
    }
    SharedState& open() {
        load_into(state, folder.path());
        return state;
    }
};

QStringList texts(const QAbstractItemView* list) {
    return row_texts(list->model());
}

void click_row(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

// Chooses an entry of a closed combo box with the keyboard, as a user does.
void choose(QComboBox* combo, int index) {
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// The search tab shown on screen, with its controls.
struct SearchUi {
    explicit SearchUi(SharedState& state) : tab(state) {
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

    // The album shown and its place, "Cure - Faith|CD 7".
    QString shown() const { return name->text() + u'|' + location->text(); }

    // Types `what` and searches with the button, or with Enter; returns the lines listed.
    QStringList search(const QString& what, bool enter = false) {
        text->clear();
        QTest::keyClicks(text, what);
        if (enter)
            QTest::keyClick(text, Qt::Key_Return);
        else
            QTest::mouseClick(button, Qt::LeftButton);
        return texts(list);
    }
};

void add_albums(SearchCatalogue& c) {
    c.add("Zappa", "Hot Rats");
    c.add("Jeff Beck", "Truth", {}, "9");
    c.add("Beatles", "Singles", "Love Me Do\r\nHelp\r\nLovely Rita\r\nlove, love me", "7");
    c.add("BEE GEES", "Odessa", "Dancing Queen\r\nOne last LOVE", "CDA");
    c.add("Beatles", "Help", write_song_sections({"a\r\nb", "c"}), "3", "2");
}

// The field-browser tab shown on screen beside a progress box, with its controls.
struct FieldsUi {
    explicit FieldsUi(SharedState& state) : tab(state, &progress) {
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

    // Chooses value `row` of field `field` and returns the albums listed.
    QStringList albums(int field, int row) {
        choose(prop, field);
        click_row(values, row);
        return texts(content);
    }
};

// Albums on shelf CDs 45, 5, an audio CD, 120 and 5 again, in the recordset's order.
void add_shelf(SearchCatalogue& c) {
    c.add("Abba", "Gold", {}, "45", "1");
    c.add("Beatles", "Anthology", {}, "5", "10", "1995");
    c.add("Beatles", "Help", {}, "CDA", "2", "1965");
    c.writer->move_last();
    c.writer->edit();
    c.writer->set_value(u"Cover", QStringLiteral("YES"));
    QString error;
    QVERIFY2(c.writer->update(&error), qPrintable(error));
    c.add("Cure", "Faith", {}, "120", "1", "1981");
    c.add("Doors", "L.A. Woman", {}, "5", "2");
}

} // namespace

class SearchTabTest : public QObject {
    Q_OBJECT
private slots:
    // Names match in any case, the first shown and the main cursor kept; a line reached by
    // keyboard shows its album. One letter is refused by the button, not by Enter; a refused
    // or fruitless search shows no album.
    void names_match_in_any_case_and_the_chosen_one_is_shown() {
        SearchCatalogue c;
        add_albums(c);
        Recordset* set = c.open().artists.get();
        SearchUi t(c.state);
        set->set_absolute_position(1);
        QCOMPARE(t.search("be"), QStringList({"Beatles - Help", "Beatles - Singles",
                                              "BEE GEES - Odessa", "Jeff Beck - Truth"}));
        QCOMPARE(t.shown(), QStringLiteral("Beatles - Help|CD 3"));
        QCOMPARE(set->value(u"Album"), QStringLiteral("Singles"));
        QTest::keyClick(t.list, Qt::Key_End);
        QCOMPARE(t.shown(), QStringLiteral("Jeff Beck - Truth|CD 9"));
        QCOMPARE(t.search("z"), QStringList({"Search string too ambiguous. Please specify."}));
        click_row(t.list, 0);
        QCOMPARE(t.shown(), QStringLiteral("|"));
        QCOMPARE(t.search("j", true), QStringList({"Jeff Beck - Truth"}));
        QCOMPARE(t.search("xyz"), QStringList({"(Nothing found)"}));
        click_row(t.list, 0);
        QCOMPARE(t.shown(), QStringLiteral("|"));
        QVERIFY(t.search("", true).isEmpty());
        choose(t.field, 1);
        QCOMPARE(t.search("HELP"), QStringList({"Beatles - Help"}));
    }

    // A song search of more albums than are read at once lists their lines at once, the rest
    // when found, and "Searching..." while it has none; the tab answers meanwhile, and Escape
    // stops the search.
    void a_large_catalogue_is_searched_while_the_tab_answers() {
        SearchCatalogue c;
        const int count = CL_Search::default_head_albums + 100;
        std::vector<AlbumRecord> albums(count);
        for (int i = 0; i < count; ++i) {
            const QString artist = QStringLiteral("Artist %1").arg(i, 4, 10, QChar(u'0'));
            albums[std::size_t(i)] = {
                {artist, "A", "Rain\r\nLove " + artist, "No", "1", "128", "9"}};
        }
        albums.back()[Field::Songs] = "Kelvin";
        QVERIFY(vinylix::add_albums(c.writer->catalogue(), albums).ok);
        SearchUi t(c.open());
        choose(t.field, 2);
        t.text->setText("love");
        QTest::keyClick(t.text, Qt::Key_Return);
        QCOMPARE(t.list->model()->rowCount(), CL_Search::default_head_albums);
        QCOMPARE(t.name->text(), QStringLiteral("Artist 0000 - A"));
        QTRY_COMPARE(t.list->model()->rowCount(), count - 1); // lines and order: the core's
        QCOMPARE(texts(t.list).last(), QStringLiteral("Love Artist 2098"));

        t.text->setText("kelvin");
        QTest::keyClick(t.text, Qt::Key_Return);
        QCOMPARE(texts(t.list), QStringList({"Searching..."}));
        QTRY_COMPARE(texts(t.list), QStringList({"Kelvin"}));
        QCOMPARE(t.location->text(), QStringLiteral("CD 9"));
        QTest::keyClick(t.text, Qt::Key_Return);
        QTest::keyClick(t.text, Qt::Key_Escape);
        QTest::qWait(50);
        QVERIFY(texts(t.list).isEmpty());
    }

    // A catalogue that can no longer be read gives its reason, not "(Nothing found)".
    void closed_catalogue_lists_nothing_and_the_opened_one_is_searched() {
        SearchCatalogue c;
        add_albums(c);
        ScriptedPromptsScope prompts;
        SearchUi t(c.state); // not opened yet
        QVERIFY(t.search("zappa").isEmpty());
        c.open();
        QCOMPARE(t.search("zappa"), QStringList({"Zappa - Hot Rats"}));

        c.folder.write_file("Vinylix.vnx", QByteArray(8192, 'x'));
        choose(t.field, 2);
        QVERIFY(t.search("love").isEmpty());
        QCOMPARE(prompts->texts("notice"),
                 QStringList("The catalogue file \"" + c.folder.file("Vinylix.vnx") +
                             "\" is not a catalogue file or is damaged."));
    }
};

VINYLIX_TEST(SearchTabTest)

class FieldsTabTest : public QObject {
    Q_OBJECT
private slots:
    void load_fields_lists_sorted_values_and_the_albums_holding_one() {
        SearchCatalogue c;
        add_shelf(c);
        FieldsUi t(c.open());
        c.state.artists->set_absolute_position(2);
        QTest::mouseClick(t.load, Qt::LeftButton);
        QCOMPARE(t.prop->currentIndex(), 3);
        QCOMPARE(texts(t.values), QStringList({"CD nº005", "CD nº045", "CD nº120", "CDA"}));
        QCOMPARE(texts(t.content), QStringList({"Beatles - Anthology", "Doors - L.A. Woman"}));
        QVERIFY(t.progress.repaint_count() > 1); // drawn while loading

        // A value reached by keyboard lists its albums as a click does; another field takes
        // the old value's albums away.
        t.values->setFocus();
        QTest::keyClick(t.values, Qt::Key_Down);
        QCOMPARE(texts(t.content), QStringList({"Abba - Gold"}));
        t.prop->setFocus();
        QTest::keyClick(t.prop, Qt::Key_Down); // "Year"
        QCOMPARE(texts(t.values), QStringList({"1965", "1981", "1995"}));
        QVERIFY(texts(t.content).isEmpty());
        QCOMPARE(t.albums(0, 1), QStringList({"Beatles - Help"}));
        QCOMPARE(texts(t.values), QStringList({"No", "Yes"}));
        QCOMPARE(t.albums(1, 2), QStringList({"Beatles - Help", "Doors - L.A. Woman"}));
        QCOMPARE(texts(t.values), QStringList({"1", "10", "2"}));
        QCOMPARE(t.albums(2, 0), QStringList({"Beatles - Help"}));
        QCOMPARE(texts(t.values), QStringList({"-", "128"}));
        QCOMPARE(t.albums(4, 1), QStringList({"Cure - Faith"}));
        QCOMPARE(c.state.artists->value(u"Album"), QStringLiteral("Help"));
    }

    void closed_or_empty_catalogue_lists_nothing_and_copy_results_asks_first() {
        SearchCatalogue c;
        ScriptedPromptsScope prompts;
        FieldsUi t(c.state); // not opened yet
        QTest::mouseClick(t.load, Qt::LeftButton);
        QCOMPARE(t.values->count(), 0);
        c.open();
        QTest::mouseClick(t.copy, Qt::LeftButton);
        QCOMPARE(prompts->texts("notice"),
                 QStringList({"No list available. Please load records first."}));

        c.add("Abba", "Gold");
        c.add("Abba", "Arrival");
        c.open();
        QTest::mouseClick(t.load, Qt::LeftButton);
        QGuiApplication::clipboard()->setText("before");
        prompts->answers = {false, true};
        QTest::mouseClick(t.copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QTest::mouseClick(t.copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Abba - Arrival\r\nAbba - Gold\r\n"));
        QCOMPARE(prompts->texts("confirm").last(),
                 QStringLiteral("You are about to copy the list to the clipboard. Continue?"));
        QCOMPARE(prompts->texts("notice").last(),
                 QStringLiteral("The list has been copied to clipboard."));
    }
};

VINYLIX_TEST(FieldsTabTest)
#include "test_search.moc"
