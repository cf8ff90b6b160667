#include "editor/album_save.h"
#include "editor/cd_song_lists.h"
#include "editor/field_text.h"
#include "editor/text_tools.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;
using namespace Qt::StringLiterals;

class EditorRulesTest : public QObject {
    Q_OBJECT
private slots:
    // Sizes split into the two boxes and join back.
    void sizes_split_into_the_boxes_and_join_back() {
        QStringList shown;
        for (const QString size : {"650.5", "650", "650.25"}) {
            const auto [whole, fraction] = split_size(size);
            shown << whole + u'|' + fraction;
            QCOMPARE(join_size(whole, fraction), size);
        }
        QCOMPARE(shown, QStringList({"650|5", "650|", "650|25"}));
    }

    // Replacing ignores letter case and goes on after the inserted text; an empty search
    // replaces nothing; names from files need four characters or more and keep to one line.
    void text_tools() {
        QCOMPARE(replace_ignoring_case(u"A-b-a"_s, u"a"_s, u"aa"_s), u"aa-b-aa"_s);
        QCOMPARE(replace_ignoring_case(u"abc"_s, QString(), u"x"_s), u"abc"_s);
        QCOMPARE(song_names_from_files({"a.mp3", "b"}), std::nullopt);
        QCOMPARE(song_names_from_files({"a\r\n== CD 2 ==\r\nb.mp3", "c.mp3"}),
                 u"a == CD 2 == b\r\nc"_s);
        QCOMPARE(upper_case_after_spaces(u"the end\none two"_s), u"the End\none Two"_s);
    }

    // "Names from a folder" lists the folder's MP3 files in any letter case, in name order.
    void a_folder_gives_the_names_of_its_mp3_files() {
        const test::TempFolder folder;
        QDir(folder.path()).mkpath("songs/d.mp3");
        for (const char* name : {"cover.jpg", "B Side.MP3", "a side.mp3"})
            folder.write_file(QStringLiteral("songs/") + name, "x");
        QCOMPARE(song_list_from_folder(folder.file("songs")), u"a side\r\nB Side"_s);
        QCOMPARE(song_list_from_folder(folder.file("gone")), std::nullopt);
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
    }

    // A save applies the duplicate rule to what the file holds, also to an album another
    // program stored a moment before; an edit of an album another program took away fails.
    void a_save_goes_by_what_the_file_holds() {
        test::CatalogueFixture f;
        test::add_album(*f.set, "Abba", "Gold");
        SQLite::Database other(f.path.toStdString(), SQLite::OPEN_READWRITE);
        other.exec("INSERT INTO vinylix (Artist, Album) VALUES ('Zed Dup', 'Same Album')");
        QString error;
        const AlbumRecord twice{{u"Zed Dup"_s, u"SAME album"_s}};
        QCOMPARE(save_album(*f.set, twice, std::nullopt, &error), SaveOutcome::Duplicate);
        const AlbumRecord own_title{{u"Abba"_s, u"GOLD"_s}}; // an edit may keep its own title
        QCOMPARE(save_album(*f.set, own_title, AlbumName{"Abba", "Gold"}, &error),
                 SaveOutcome::Saved);
        other.exec("DELETE FROM vinylix WHERE Album = 'GOLD'");
        const AlbumRecord gold{{u"Abba"_s, u"Gold"_s}};
        QCOMPARE(save_album(*f.set, gold, AlbumName{"Abba", "Gold"}, &error), SaveOutcome::Failed);
        QVERIFY(error.endsWith(u"another program has deleted or changed it."_s));
        QCOMPARE(test::open_main(f.path)->record_count(), 1);
    }
};

VINYLIX_TEST(EditorRulesTest)
#include "test_editor_rules.moc"
