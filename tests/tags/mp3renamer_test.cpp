#include "song_files.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include "kit/enter_presses_buttons.h"
#include "mp3/tag_file.h"
#include "tags/mp3renamer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

using namespace vinylix;

namespace {

// One tag editor window over files in a fresh folder, with scripted dialogs.
struct Renamer {
    test::TempFolder folder;
    test::ScriptedPromptsScope prompts;
    Mp3Renamer window;

    explicit Renamer(CodePage page = default_code_page) : window(page) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the tag editor did not show");
    }

    template <typename Widget> Widget* control(const char* name) const {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QListWidget* songlist() const { return control<QListWidget>("songlist"); }
    QString text(const char* box) const { return control<QLineEdit>(box)->text(); }
    QString status() const { return control<QLabel>("panel1")->text(); }

    // The preview's lines, each as "code page: title".
    QStringList preview() const {
        const auto* list = control<QTreeWidget>("preview_list");
        QStringList lines;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            lines += list->topLevelItem(i)->text(0) + ": " + list->topLevelItem(i)->text(1);
        return lines;
    }

    // Writes a song with `tag` (none: untagged) and returns its path.
    QString song(const QString& name, const std::optional<Id3v1Tag>& tag) const {
        folder.write_file(name, test::song_audio(char('a' + name.size())) +
                                    (tag ? tag->render() : QByteArray()));
        return folder.file(name);
    }

    void open(const QStringList& paths) {
        prompts->file_answers.push_back(paths);
        QTest::mouseClick(control<QPushButton>("open_bttn"), Qt::LeftButton);
    }

    void drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls += path.contains("://") ? QUrl(path) : QUrl::fromLocalFile(path);
        data.setUrls(urls);
        // As a file manager's drag does: it enters the list, then drops on it.
        QWidget* target = songlist()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    QStringList names() const { return test::row_texts(songlist()->model()); }

    QStringList paths() const {
        QStringList listed;
        for (const ListedFile& file : window.files())
            listed += file.path;
        return listed;
    }

    // Clicks line `row`, holding Ctrl to add it to the selection when `add` is set.
    void click(int row, bool add = false) const {
        const QRect line = songlist()->visualItemRect(songlist()->item(row));
        QTest::mouseClick(songlist()->viewport(), Qt::LeftButton,
                          add ? Qt::ControlModifier : Qt::NoModifier, line.center());
    }

    void tick(const char* check, const char* box, const QString& value) const {
        if (!control<QCheckBox>(check)->isChecked())
            QTest::mouseClick(control<QCheckBox>(check), Qt::LeftButton);
        auto* edit = control<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, value);
    }

    void apply() const { QTest::mouseClick(control<QPushButton>("apply_bttn"), Qt::LeftButton); }
};

} // namespace

class Mp3RenamerTest : public QObject {
    Q_OBJECT

private slots:
    void opened_files_are_listed_by_name_in_the_dialog_order() {
        Renamer r;
        const QStringList chosen = {r.song("Zebra.mp3", test::full_tag("01")),
                                    r.song("alpha.mp3", std::nullopt),
                                    r.song("Mid.Song.MP3", std::nullopt)};
        r.open(chosen);
        QCOMPARE(r.prompts->shown.value(0).kind, QString("open_files"));
        QCOMPARE(r.prompts->shown.value(0).text, QString("Mp3 Files (*.mp3)"));
        QCOMPARE(r.names(), QStringList({"Zebra", "alpha", "Mid.Song"}));
        QCOMPARE(r.paths(), chosen);

        r.open({}); // cancelled: the list is left empty, without a message
        QVERIFY(r.names().isEmpty());
        QCOMPARE(r.prompts->texts("notice"), QStringList());
    }

    // Only MP3 files are listed; one message names every dropped item left out.
    void dropped_files_keep_their_own_names_and_only_mp3_files_are_taken() {
        Renamer r;
        QDir(r.folder.path()).mkpath("a/long folder name");
        QDir(r.folder.path()).mkdir("b");
        const QString first = r.song("a/long folder name/First song.mp3", std::nullopt);
        const QString second = r.song("b/Two.mp3", std::nullopt);
        r.folder.write_file("b/notes.txt", "Shopping list\n");
        r.drop({first, r.folder.file("a"), r.folder.file("b/notes.txt"),
                "https://example.org/x.mp3", second});
        QCOMPARE(r.names(), QStringList({"First song", "Two"}));
        QCOMPARE(r.paths(), QStringList({first, second}));
        QCOMPARE(r.prompts->texts("notice"),
                 QStringList{"These items are not MP3 files and were left out:\n\n" +
                             r.folder.file("a") + "\n" + r.folder.file("b/notes.txt") +
                             "\nhttps://example.org/x.mp3"});
        r.drop({second}); // a new drop replaces the list
        QCOMPARE(r.names(), QStringList({"Two"}));
        QCOMPARE(r.prompts->texts("notice").size(), 1);
    }

    void a_line_clicked_or_reached_by_keyboard_shows_its_tag_and_path() {
        Renamer r;
        Id3v1Tag blues = test::full_tag("64", 0);
        blues.title = "Padded";
        blues.title += QString(24, QChar(u'\0'));
        Id3v1Tag none = test::full_tag("65", 255);
        const QStringList songs = {r.song("blues.mp3", blues), r.song("none.mp3", none),
                                   r.song("odd.mp3", test::full_tag("66", 200)),
                                   r.song("plain.mp3", std::nullopt)};
        r.open(songs);
        auto* genre = r.control<QComboBox>("genre_cb");
        r.click(0);
        QCOMPARE(r.status(), songs[0]);
        QCOMPARE(r.text("title_txt"), QString("Padded"));
        QCOMPARE(r.text("artist_txt"), QString("Artist 64"));
        QCOMPARE(r.text("year_txt"), QString("1964"));
        QCOMPARE(r.text("comment_txt"), QString("Comment 64"));
        QCOMPARE(genre->currentIndex(), 0);

        QTest::keyClick(r.songlist(), Qt::Key_Down);
        QCOMPARE(r.status(), songs[1]);
        QCOMPARE(r.text("album_txt"), QString("Album 65"));
        QCOMPARE(genre->currentText(), QString("Blues")); // 255: the first entry too

        QTest::keyClick(r.songlist(), Qt::Key_Down);
        QCOMPARE(r.text("title_txt"), QString("Title 66"));
        QCOMPARE(genre->currentIndex(), -1); // 200 has no entry
        QCOMPARE(genre->currentText(), QString());

        r.click(3);
        QCOMPARE(r.status(), songs[3]);
        for (const char* box : {"title_txt", "artist_txt", "album_txt", "year_txt", "comment_txt"})
            QCOMPARE(r.text(box), QString());
        QCOMPARE(genre->currentIndex(), 0);
    }

    void year_only_apply_changes_the_years_of_the_selected_files_alone() {
        Renamer r;
        const QStringList songs = {r.song("one.mp3", test::full_tag("71", 3)),
                                   r.song("two.mp3", test::full_tag("72", 0)),
                                   r.song("three.mp3", test::full_tag("73", 200))};
        QList<QByteArray> before;
        for (const char* name : {"one.mp3", "two.mp3", "three.mp3"})
            before += r.folder.read_file(name);
        r.open(songs);
        r.click(0);
        r.click(2, true);
        r.tick("year_ch", "year_txt", "2024");
        r.apply();
        QVERIFY(r.prompts->texts("notice").isEmpty());
        const auto with_year = [](QByteArray bytes, const QByteArray& year) {
            return bytes.replace(bytes.size() - 128 + 93, 4, year);
        };
        QCOMPARE(r.folder.read_file("one.mp3"), with_year(before[0], "2024"));
        QCOMPARE(r.folder.read_file("two.mp3"), before[1]);
        QCOMPARE(r.folder.read_file("three.mp3"), with_year(before[2], "2024"));

        // The files just written are still the listed ones: a second apply writes them again.
        r.tick("year_ch", "year_txt", "1999");
        r.apply();
        QVERIFY(r.prompts->texts("notice").isEmpty());
        QCOMPARE(r.folder.read_file("three.mp3"), with_year(before[2], "1999"));
    }

    // The song shown once the files are open is the one chosen: Apply changes it alone, and
    // the keyboard goes on in the list.
    void apply_right_after_opening_changes_the_song_shown() {
        Renamer r;
        const QStringList songs = {r.song("one.mp3", std::nullopt),
                                   r.song("two.mp3", std::nullopt)};
        const QByteArray two = r.folder.read_file("two.mp3");
        r.open(songs);
        QVERIFY(r.songlist()->hasFocus());
        r.tick("title_ch", "title_txt", "Shown");
        r.apply();
        QCOMPARE(Id3v1Tag::shown(read_id3v1_tag(songs[0])->title), QString("Shown"));
        QCOMPARE(r.folder.read_file("two.mp3"), two);
    }

    void title_only_apply_gives_an_untagged_file_blank_fields_and_no_genre() {
        Renamer r;
        const QString plain = r.song("plain.mp3", std::nullopt);
        const QByteArray audio = r.folder.read_file("plain.mp3");
        r.open({plain});
        r.click(0);
        r.tick("title_ch", "title_txt", "A title longer than thirty characters");
        r.apply();
        Id3v1Tag expected;
        expected.title = "A title longer than thirty cha";
        QCOMPARE(r.folder.read_file("plain.mp3"), audio + expected.render());
    }

    void a_read_only_file_gives_one_message_and_the_others_are_written() {
        Renamer r;
        const QStringList songs = {r.song("a.mp3", test::full_tag("81")),
                                   r.song("locked.mp3", test::full_tag("82")),
                                   r.song("c.mp3", std::nullopt)};
        QFile::setPermissions(songs[1], QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray locked = r.folder.read_file("locked.mp3");
        r.open(songs);
        r.click(0);
        r.click(1, true);
        r.click(2, true);
        QTest::keyClicks(r.control<QLineEdit>("title_txt"), "Not ticked");
        QTest::mouseClick(r.control<QCheckBox>("genre_ch"), Qt::LeftButton);
        auto* genre = r.control<QComboBox>("genre_cb");
        genre->setCurrentIndex(genre->findText("Jazz"));
        r.apply();
        QCOMPARE(r.prompts->texts("notice"), QStringList({songs[1] + "\n is write protected"}));
        QCOMPARE(r.folder.read_file("locked.mp3"), locked);
        QCOMPARE(read_id3v1_tag(songs[0])->genre, 8);
        QCOMPARE(Id3v1Tag::shown(read_id3v1_tag(songs[0])->title), QString("Title 81"));
        QCOMPARE(read_id3v1_tag(songs[2])->genre, 8);
        QCOMPARE(read_id3v1_tag(songs[2])->title, Id3v1Tag().title);
    }

    // By keyboard alone, Enter ticking "Comment" and pressing Apply: letters Windows-1251 lacks
    // are named before anything is written; Cancel writes nothing, OK writes them as '?'.
    void letters_the_code_page_lacks_are_named_before_writing() {
        make_enter_press_buttons(*QCoreApplication::instance()); // as start-up does
        Renamer r(CodePage::Windows1251);
        const QString song = r.song("song.mp3", test::full_tag("42"));
        const QByteArray before = r.folder.read_file("song.mp3");
        r.open({song});
        r.click(0);
        r.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r.window));
        const auto enter_on = [&](const char* name) {
            r.control<QWidget>(name)->setFocus();
            QTest::keyClick(r.control<QWidget>(name), Qt::Key_Return);
        };
        enter_on("comment_ch");
        QVERIFY(r.control<QCheckBox>("comment_ch")->isChecked());
        r.control<QLineEdit>("comment_txt")->setText("über");
        r.prompts->answers = {false, true};
        enter_on("apply_bttn");
        QCOMPARE(r.prompts->texts("confirm").value(0),
                 QString("The code page Cyrillic (Windows-1251) cannot store these letters; they "
                         "would be written as \"?\":\n\nComment: ü\n\nWrite the tags all the "
                         "same?"));
        QCOMPARE(r.folder.read_file("song.mp3"), before);

        enter_on("apply_bttn");
        QCOMPARE(read_id3v1_tag(song, CodePage::Windows1251)->comment,
                 Id3v1Tag::fitted(u"?ber", 30));
    }

    void tags_are_read_and_written_in_its_code_page_and_the_preview_offers_others() {
        Id3v1Tag tag = test::full_tag("90");
        tag.title = "Привет, мир";
        const QByteArray audio = test::song_audio('r');
        Renamer western;
        western.folder.write_file("ru.mp3", audio + tag.render(CodePage::Windows1251));
        const QStringList songs = {western.folder.file("ru.mp3"),
                                   western.song("plain.mp3", test::full_tag("91"))};
        western.open(songs);
        western.click(0);
        QCOMPARE(western.control<QLabel>("codepage_panel")->text(),
                 QString("Western (Windows-1252)"));
        QCOMPARE(western.text("title_txt"), QString("Ïðèâåò, ìèð"));
        const QStringList preview = western.preview();
        QCOMPARE(preview.size(), 4);
        QCOMPARE(preview.mid(0, 2), QStringList({"Western (Windows-1252): Ïðèâåò, ìèð",
                                                 "Cyrillic (Windows-1251): Привет, мир"}));
        QTest::keyClick(western.songlist(), Qt::Key_Down); // plain letters read alike everywhere
        QCOMPARE(western.preview(), QStringList({"Western (Windows-1252): Title 91"}));

        // Read in Windows-1251, the title shows right and a new one is written in that page,
        // every other field keeping its bytes.
        Renamer cyrillic(CodePage::Windows1251);
        cyrillic.open({songs[0]});
        cyrillic.click(0);
        QCOMPARE(cyrillic.control<QLabel>("codepage_panel")->text(),
                 QString("Cyrillic (Windows-1251)"));
        QCOMPARE(cyrillic.text("title_txt"), QString("Привет, мир"));
        QCOMPARE(cyrillic.preview().first(), QString("Cyrillic (Windows-1251): Привет, мир"));
        cyrillic.tick("title_ch", "title_txt", "");
        cyrillic.control<QLineEdit>("title_txt")->insert("Ёжик в тумане"); // as pasted
        cyrillic.apply();
        QByteArray expected = audio + tag.render(CodePage::Windows1251);
        expected.replace(
            audio.size() + 3, 30,
            QByteArray("\xA8\xE6\xE8\xEA \xE2 \xF2\xF3\xEC\xE0\xED\xE5").leftJustified(30, ' '));
        QCOMPARE(western.folder.read_file("ru.mp3"), expected);
    }
};

VINYLIX_TEST(Mp3RenamerTest)

#include "mp3renamer_test.moc"
