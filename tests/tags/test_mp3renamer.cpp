#include "song_files.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include "mp3/tag_file.h"
#include "tags/mp3renamer.h"

#include <QCheckBox>
#include <QComboBox>
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

    // The tag shown: each box's text, then the genre entry's, joined by "|".
    QString shown_tag() const {
        QStringList texts;
        for (const char* box : {"title_txt", "artist_txt", "album_txt", "year_txt", "comment_txt"})
            texts << text(box);
        return texts.join(u'|') + u'|' + control<QComboBox>("genre_cb")->currentText();
    }

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
    // Opened files are listed in the dialog's order and the first is shown: Apply changes it
    // alone. A cancelled dialog leaves the list empty.
    void opened_files_are_listed_and_the_first_is_shown() {
        Renamer r;
        const QStringList chosen = {r.song("Zebra.mp3", std::nullopt),
                                    r.song("alpha.mp3", std::nullopt)};
        const QByteArray alpha = r.folder.read_file("alpha.mp3");
        r.open(chosen);
        QCOMPARE(r.names(), QStringList({"Zebra", "alpha"}));
        r.tick("title_ch", "title_txt", "Shown");
        r.apply();
        QCOMPARE(Id3v1Tag::shown(read_id3v1_tag(chosen[0])->title), QString("Shown"));
        QCOMPARE(r.folder.read_file("alpha.mp3"), alpha);
        r.open({});
        QVERIFY(r.names().isEmpty());
    }

    // Only MP3 files are listed; one message names every dropped item left out.
    void dropped_files_keep_their_own_names_and_only_mp3_files_are_taken() {
        Renamer r;
        const QString first = r.song("First song.mp3", std::nullopt);
        const QString second = r.song("Two.mp3", std::nullopt);
        r.folder.write_file("notes.txt", "Shopping list\n");
        r.drop({first, r.folder.file("notes.txt"), "https://example.org/x.mp3", second});
        QCOMPARE(r.names(), QStringList({"First song", "Two"}));
        QCOMPARE(r.prompts->texts("notice"),
                 QStringList{"These items are not MP3 files and were left out:\n\n" +
                             r.folder.file("notes.txt") + "\nhttps://example.org/x.mp3"});
    }

    // A line clicked or reached by keyboard shows its path and its tag: texts cut at a NUL,
    // genre 255 as the first entry, one without an entry as none; no tag as empty boxes.
    void a_line_clicked_or_reached_by_keyboard_shows_its_tag_and_path() {
        Renamer r;
        Id3v1Tag padded = test::full_tag("64", 255);
        padded.title = "Padded" + QString(24, QChar(u'\0'));
        const QStringList songs = {r.song("padded.mp3", padded),
                                   r.song("odd.mp3", test::full_tag("66", 200)),
                                   r.song("plain.mp3", std::nullopt)};
        r.open(songs);
        r.click(0);
        QCOMPARE(r.status() + '|' + r.shown_tag(),
                 songs[0] + "|Padded|Artist 64|Album 64|1964|Comment 64|Blues");
        QTest::keyClick(r.songlist(), Qt::Key_Down);
        QCOMPARE(r.status() + '|' + r.shown_tag(),
                 songs[1] + "|Title 66|Artist 66|Album 66|1966|Comment 66|");
        r.click(2);
        QCOMPARE(r.shown_tag(), QString("|||||Blues"));
    }

    // Apply writes the ticked fields alone to the selected files alone; a read-only file gives
    // one message and the others are written; a second Apply writes the same files again.
    void apply_writes_the_ticked_fields_to_the_selected_files() {
        Renamer r;
        const QStringList names = {"one.mp3", "two.mp3", "locked.mp3", "bare.mp3"};
        const QStringList songs = {
            r.song(names[0], test::full_tag("71", 3)), r.song(names[1], test::full_tag("72")),
            r.song(names[2], test::full_tag("73")), r.song(names[3], std::nullopt)};
        QFile::setPermissions(songs[2], QFile::ReadOwner | QFile::ReadGroup);
        QList<QByteArray> before;
        for (const QString& name : names)
            before += r.folder.read_file(name);
        r.open(songs);
        r.click(0);
        r.click(2, true);
        r.click(3, true);
        QTest::keyClicks(r.control<QLineEdit>("title_txt"), "Not ticked");
        r.tick("year_ch", "year_txt", "2024");
        QTest::mouseClick(r.control<QCheckBox>("genre_ch"), Qt::LeftButton);
        auto* genre = r.control<QComboBox>("genre_cb");
        genre->setCurrentIndex(genre->findText("Jazz"));
        r.apply();
        QCOMPARE(r.prompts->texts("notice"), QStringList({songs[2] + "\n is write protected"}));
        const auto jazz_of = [](QByteArray bytes, const QByteArray& year) {
            bytes[bytes.size() - 1] = 8;
            return bytes.replace(bytes.size() - 128 + 93, 4, year);
        };
        QCOMPARE(r.folder.read_file(names[0]), jazz_of(before[0], "2024"));
        QCOMPARE(r.folder.read_file(names[1]), before[1]);
        QCOMPARE(r.folder.read_file(names[2]), before[2]);
        Id3v1Tag bare;
        bare.year = "2024";
        bare.genre = 8;
        QCOMPARE(r.folder.read_file(names[3]), before[3] + bare.render());

        r.tick("year_ch", "year_txt", "1999");
        r.apply();
        QCOMPARE(r.folder.read_file(names[0]), jazz_of(before[0], "1999"));
    }

    // In its code page a tag reads right and is written so, every other field keeping its
    // bytes; letters the page lacks are named first: Cancel writes nothing, OK writes '?'.
    void tags_are_written_in_its_code_page_and_lacking_letters_named_first() {
        Id3v1Tag tag = test::full_tag("90");
        tag.title = "Привет, мир";
        const QByteArray audio = test::song_audio('r');
        Renamer r(CodePage::Windows1251);
        r.folder.write_file("ru.mp3", audio + tag.render(CodePage::Windows1251));
        QByteArray expected = r.folder.read_file("ru.mp3");
        r.open({r.folder.file("ru.mp3")});
        QCOMPARE(r.text("title_txt"), QString("Привет, мир"));
        r.tick("title_ch", "title_txt", "");
        r.control<QLineEdit>("title_txt")->insert("Ёжик в тумане"); // as pasted
        r.tick("comment_ch", "comment_txt", "");
        r.control<QLineEdit>("comment_txt")->setText("über");
        r.prompts->answers = {false, true};
        r.apply();
        QCOMPARE(r.prompts->texts("confirm").value(0),
                 QString("The code page Cyrillic (Windows-1251) cannot store these letters; they "
                         "would be written as \"?\":\n\nComment: ü\n\nWrite the tags all the "
                         "same?"));
        QCOMPARE(r.folder.read_file("ru.mp3"), expected);
        r.apply();
        expected.replace(
            audio.size() + 3, 30,
            QByteArray("\xA8\xE6\xE8\xEA \xE2 \xF2\xF3\xEC\xE0\xED\xE5").leftJustified(30, ' '));
        expected.replace(audio.size() + 97, 30, QByteArray("?ber").leftJustified(30, ' '));
        QCOMPARE(r.folder.read_file("ru.mp3"), expected);
    }

    // The preview offers the title as read in other code pages; plain letters read alike.
    void the_preview_offers_the_title_in_other_code_pages() {
        Id3v1Tag tag = test::full_tag("90");
        tag.title = "Привет, мир";
        Renamer r;
        r.folder.write_file("ru.mp3", test::song_audio('r') + tag.render(CodePage::Windows1251));
        r.open({r.folder.file("ru.mp3"), r.song("plain.mp3", test::full_tag("91"))});
        QCOMPARE(r.text("title_txt"), QString("Ïðèâåò, ìèð"));
        QCOMPARE(r.preview().mid(0, 2), QStringList({"Western (Windows-1252): Ïðèâåò, ìèð",
                                                     "Cyrillic (Windows-1251): Привет, мир"}));
        QTest::keyClick(r.songlist(), Qt::Key_Down);
        QCOMPARE(r.preview(), QStringList({"Western (Windows-1252): Title 91"}));
    }
};

VINYLIX_TEST(Mp3RenamerTest)

#include "test_mp3renamer.moc"
