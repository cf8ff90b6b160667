#include "kit/progress_box.h"
#include "shelf/disc_bar_delegate.h"
#include "shelf/shelf_window.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace vinylix;

namespace {

// Disc numbers 1, 2, 5, 5, 7 with their sizes, two audio CDs and two albums whose disc is not
// a number.
std::vector<ShelfAlbum> collection() {
    return {
        {"Pixies", "Doolittle", "5", "350", "1989"}, {"Blur", "Parklife", "1", "680", "1994"},
        {"Abba", "Gold", "CDA", "-", "1992"},        {"Cure", "Faith", "7", "98", "1981"},
        {"abba", "Arrival", "5", "350", "1976"},     {"Doors", "L.A. Woman", "12abc", "80", "1971"},
        {"Eels", "Daisies", "", "60", "1996"},       {"Beatles", "Help", "CDA", "-", "1965"},
        {"Suede", "Suede", "2", "100.5", "1993"}};
}

// The window open on `albums`, shown as the program shows it.
struct OpenShelf {
    test::ScriptedPromptsScope prompts;
    ShelfWindow window;
    QComboBox* medium;
    QListView* discs;
    QListWidget* albums;
    QListWidget* apart;

    explicit OpenShelf(std::vector<ShelfAlbum> rows = collection(), Medium on = Medium::CdR700)
        : window({std::move(rows), on}), medium(window.findChild<QComboBox*>("medium_combo")),
          discs(window.findChild<QListView*>("discs_list")),
          albums(window.findChild<QListWidget*>("disc_albums_list")),
          apart(window.findChild<QListWidget*>("notnumber_list")) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QStringList disc_lines() const { return test::row_texts(discs->model()); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(name); }
    void click_disc(int row) const {
        QTest::mouseClick(discs->viewport(), Qt::LeftButton, {},
                          discs->visualRect(discs->model()->index(row, 0)).center());
    }
    // The colour at `across` (0 to 1) of the bar drawn on a disc's row.
    QColor bar_colour(int row, double across) const {
        const QImage image = discs->viewport()->grab().toImage();
        const QRect rect = discs->visualRect(discs->model()->index(row, 0));
        const int left = rect.right() - 4 - DiscBarDelegate::bar_width;
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(int((left + across * DiscBarDelegate::bar_width) * ratio),
                                int(rect.center().y() * ratio));
    }
};

QStringList items(const QListWidget* list) {
    return test::row_texts(list->model());
}

const QColor navy(0, 0, 128);

} // namespace

class ShelfWindowTest : public QObject {
    Q_OBJECT
private slots:
    void lists_the_discs_the_free_numbers_and_the_albums_apart() {
        OpenShelf s;
        QCOMPARE(s.disc_lines(),
                 QStringList({"Disc 1: 1 album, 680 MB", "Disc 2: 1 album, 100.5 MB",
                              "Disc 5: 2 albums, 700 MB", "Disc 7: 1 album, 98 MB",
                              "CDA: 2 albums (audio CDs)"}));
        QCOMPARE(s.window.findChild<QPlainTextEdit*>("free_txt")->toPlainText(),
                 QStringLiteral("3, 4, 6"));
        QCOMPARE(items(s.apart),
                 QStringList({"\"\": Eels \u2013 Daisies", "\"12abc\": Doors \u2013 L.A. Woman"}));
        // The first disc is chosen at once.
        QCOMPARE(items(s.albums), QStringList({"Blur \u2013 Parklife, 680 MB"}));
    }

    // The bar of each disc is navy up to its filling, red past the medium's capacity.
    void the_medium_marks_the_discs_over_its_capacity() {
        OpenShelf s;
        QCOMPARE(s.bar_colour(0, 0.9), navy); // 680 MB of 700 MB
        QCOMPARE(s.bar_colour(0, 0.99), QColor(Qt::white));
        s.medium->setFocus();
        QTest::keyClick(s.medium, Qt::Key_Up); // CD-R 650 MB
        QCOMPARE(s.disc_lines()[0], QStringLiteral("Disc 1: 1 album, 680 MB, over by 30 MB"));
        QCOMPARE(s.bar_colour(0, 0.99), QColor(Qt::red));
        QCOMPARE(s.window.outcome().medium, Medium::CdR650);
    }

    // The audio CDs have no insert to make.
    void moving_to_a_disc_by_mouse_or_keyboard_lists_its_albums() {
        OpenShelf s;
        s.click_disc(2);
        QCOMPARE(items(s.albums),
                 QStringList({"abba \u2013 Arrival, 350 MB", "Pixies \u2013 Doolittle, 350 MB"}));
        QTest::keyClick(s.discs, Qt::Key_Down);
        QCOMPARE(items(s.albums), QStringList({"Cure \u2013 Faith, 98 MB"}));
        QVERIFY(s.button("copyinsert_bttn")->isEnabled());
        QTest::keyClick(s.discs, Qt::Key_End);
        QCOMPARE(items(s.albums), QStringList({"Abba \u2013 Gold", "Beatles \u2013 Help"}));
        QVERIFY(!s.button("copyinsert_bttn")->isEnabled());
    }

    // One click only chooses the line (a double click closes with it: the shelf command's
    // test); an album apart is chosen by keyboard, so that its disc can be mended; Escape
    // closes with no album.
    void a_double_click_or_enter_on_an_album_closes_with_it() {
        {
            OpenShelf s;
            s.click_disc(2);
            QTest::mouseClick(s.albums->viewport(), Qt::LeftButton, {},
                              s.albums->visualItemRect(s.albums->item(1)).center());
            QVERIFY(s.window.isVisible());
            s.apart->setFocus();
            s.apart->setCurrentRow(1);
            QTest::keyClick(s.apart, Qt::Key_Return);
            QCOMPARE(s.window.outcome().chosen, (ShelfChoice{"Doors", "L.A. Woman"}));
        }
        OpenShelf s;
        QTest::keyClick(&s.window, Qt::Key_Escape);
        QVERIFY(!s.window.isVisible() && !s.window.outcome().chosen);
    }

    void the_insert_is_copied_and_saved_or_the_failure_named() {
        OpenShelf s;
        test::TempFolder folder;
        s.click_disc(2);
        const QByteArray insert = "Disc 5\r\n\r\n"
                                  "abba \xE2\x80\x93 Arrival (1976), 350 MB\r\n"
                                  "Pixies \xE2\x80\x93 Doolittle (1989), 350 MB\r\n"
                                  "\r\nTotal: 2 albums, 700 MB\r\n";
        QTest::mouseClick(s.button("copyinsert_bttn"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), insert);

        s.prompts->file_answers = {{folder.file("disc 5")}}; // no extension: ".txt" added
        QTest::mouseClick(s.button("saveinsert_bttn"), Qt::LeftButton);
        QCOMPARE(folder.read_file("disc 5.txt"), insert);
        QVERIFY(s.prompts->texts("notice").isEmpty());

        // The name with ".txt" added is a file the dialog did not ask about: asked here.
        folder.write_file("disc 5.txt", "kept");
        s.prompts->file_answers = {{folder.file("disc 5")}};
        s.prompts->answers = {false};
        QTest::mouseClick(s.button("saveinsert_bttn"), Qt::LeftButton);
        QCOMPARE(s.prompts->texts("confirm").size(), 1);
        QCOMPARE(folder.read_file("disc 5.txt"), QByteArray("kept"));

        // A folder where the file should be: the message names the file and why.
        QDir(folder.path()).mkdir("taken.txt");
        s.prompts->file_answers = {{folder.file("taken.txt")}};
        QTest::mouseClick(s.button("saveinsert_bttn"), Qt::LeftButton);
        QCOMPARE(s.prompts->texts("notice").size(), 1);
        const auto& shown = s.prompts->shown.last();
        QCOMPARE(shown.icon, Prompts::Icon::Exclamation);
        QVERIFY2(shown.text.startsWith("The insert of Disc 5 could not be saved to the file \"" +
                                       folder.file("taken.txt") + "\".\n\n") &&
                     !shown.text.endsWith(u'\n'),
                 qPrintable(shown.text));
        QVERIFY(QFileInfo(folder.file("taken.txt")).isDir());
        QVERIFY(s.window.isVisible());
    }

    void an_empty_catalogue_opens_with_nothing_to_insert() {
        OpenShelf s(std::vector<ShelfAlbum>{});
        QCOMPARE(s.window.findChild<QPlainTextEdit*>("free_txt")->toPlainText(),
                 QStringLiteral("none"));
        QVERIFY(!s.apart->isVisible() && !s.button("saveinsert_bttn")->isEnabled());
    }

    // A window that reads a large catalogue itself lists what a window given the same albums
    // lists, once read; a file it cannot read is named, and the window closes.
    void a_window_reading_the_file_itself_lists_the_same_or_says_why_not() {
        test::TempFolder folder;
        {
            auto set = test::open_main(folder.make_catalogue());
            for (const ShelfAlbum& a : collection())
                test::add_album(*set, a.artist, a.album, {}, "1", a.cd, a.size, a.year);
        }
        const OpenShelf given;
        ShelfWindow reading({{}, Medium::CdR700, folder.file("Vinylix.vnx")});
        reading.show();
        auto* discs = reading.findChild<QListView*>("discs_list");
        QTRY_COMPARE(test::row_texts(discs->model()), given.disc_lines());
        QCOMPARE(items(reading.findChild<QListWidget*>("notnumber_list")), items(given.apart));
        QCOMPARE(items(reading.findChild<QListWidget*>("disc_albums_list")), items(given.albums));
        QVERIFY(!reading.findChild<ProgressBox*>("progressbar")->isVisible());

        folder.write_file("Vinylix.vnx", QByteArray(8192, 'x'));
        ShelfWindow broken({{}, Medium::CdR700, folder.file("Vinylix.vnx")});
        QSignalSpy closed(&broken, &QDialog::rejected);
        QVERIFY(closed.wait());
        QCOMPARE(given.prompts->texts("notice"),
                 QStringList("The catalogue file \"" + folder.file("Vinylix.vnx") +
                             "\" is not a catalogue file or is damaged."));
    }
};

VINYLIX_TEST(ShelfWindowTest)
#include "test_shelf_window.moc"
