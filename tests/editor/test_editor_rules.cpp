#include "editor/album_save.h"
#include "editor/cd_song_lists.h"
#include "editor/field_text.h"
#include "editor/text_tools.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTest>

using namespace vinylix;
using namespace Qt::StringLiterals;

class EditorRulesTest : public QObject {
    Q_OBJECT
private slots:
    // Sizes split into the two boxes and join back; leaving a number box writes its value.
    void sizes_and_numbers_in_boxes() {
        QStringList shown;
        for (const QString size : {"650.5", "650", "650.25"}) {
            const auto [whole, fraction] = split_size(size);
            shown << whole + u'|' + fraction;
            QCOMPARE(join_size(whole, fraction), size);
        }
        QCOMPARE(shown, QStringList({"650|5", "650|", "650|25"}));
        QCOMPARE(normalised_number(QString()), u"0"_s);
        QCOMPARE(normalised_number(u"0123456789012345678901"_s), u"123456789012345678901"_s);
    }

    // Replacing ignores letter case and goes on after the inserted text; an empty search
    // replaces nothing; names from files need four characters or more.
    void text_tools() {
        QCOMPARE(replace_ignoring_case(u"A-b-a"_s, u"a"_s, u"aa"_s), u"aa-b-aa"_s);
        QCOMPARE(replace_ignoring_case(u"abc"_s, QString(), u"x"_s), u"abc"_s);
        QCOMPARE(song_names_from_files({"a.mp3", "b"}), std::nullopt);
        QCOMPARE(song_names_from_files({}), std::nullopt);
    }

    // Names from a folder take its MP3 files only, in any letter case, by name; a folder
    // without one, or one that cannot be read, gives nothing.
    void names_from_a_folder_are_its_mp3_files() {
        const test::TempFolder folder;
        for (const char* name : {"b.MP3", "a.mp3", "cover.jpg", "album.m3u", "notes.mp3.txt",
                                 "C\u00e9line & \"Me\".Mp3"})
            folder.write_file(name, "x");
        QDir(folder.path()).mkdir("d.mp3");
        QCOMPARE(mp3_file_names(folder.path()),
                 QStringList({"a.mp3", "b.MP3", "C\u00e9line & \"Me\".Mp3"}));
        QCOMPARE(song_list_from_folder(folder.path()), u"a\r\nb\r\nC\u00e9line & \"Me\""_s);
        QCOMPARE(song_list_from_folder(folder.file("d.mp3")), std::nullopt);
        QCOMPARE(song_list_from_folder(folder.file("missing")), std::nullopt);
    }

    // Artist and title are always needed, location, bitrate and size for MP3 files only; an
    // audio CD stores "-" for them, and no chosen cover stores "No".
    void an_album_form_and_its_record() {
        // artist, album, songs, cover, cds, bitrate, location, year, size_whole, size_fraction
        AlbumForm form{"Abba", "Gold", {}, {}, {}, "192", "12", {}, "650", {}};
        QVERIFY(boxes_filled(form));
        for (QString AlbumForm::*box : {&AlbumForm::artist, &AlbumForm::album, &AlbumForm::location,
                                        &AlbumForm::bitrate, &AlbumForm::size_whole}) {
            AlbumForm missing = form;
            missing.*box = QString();
            QVERIFY(!boxes_filled(missing));
        }
        form.location = u"CDA"_s;
        const AlbumRecord record = album_record(form);
        QCOMPARE(QStringList({record[Field::Kbps], record[Field::Size], record[Field::Cover]}),
                 QStringList({"-", "-", "No"}));
        form.bitrate.clear();
        form.size_whole.clear();
        QVERIFY(boxes_filled(form));
        form.album.clear();
        QVERIFY(!boxes_filled(form));
    }
};

VINYLIX_TEST(EditorRulesTest)
#include "test_editor_rules.moc"
