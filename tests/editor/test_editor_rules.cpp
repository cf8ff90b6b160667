#include "browse/browser.h"
#include "editor/album_removal.h"
#include "editor/album_save.h"
#include "editor/artist_rename.h"
#include "editor/field_text.h"
#include "editor/text_tools.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

AlbumForm mp3_album() {
    AlbumForm form;
    form.artist = QStringLiteral("Abba");
    form.album = QStringLiteral("Gold");
    form.cds = QStringLiteral("1");
    form.bitrate = QStringLiteral("192");
    form.location = QStringLiteral("12");
    form.year = QStringLiteral("1992");
    form.size_whole = QStringLiteral("650");
    return form;
}

// Artist and album of every record, in the recordset's order.
QStringList albums_in(Recordset& set) {
    QStringList rows;
    for (set.move_first(); !set.eof(); set.move_next())
        rows << set.value(u"Artist") + u'/' + set.value(u"Album");
    return rows;
}

struct Catalogue3 {
    test::TempFolder folder;
    std::unique_ptr<Recordset> set;
    Catalogue3() {
        set = test::open_main(folder.make_catalogue());
        add_album(*set, "ABBA", "GOLD");
        add_album(*set, "ABBA", "Arrival");
        add_album(*set, "Beatles", "Help");
        add_album(*set, "Beatles", "Gold");
        set = test::open_main(folder.file("Vinylix.vnx"));
    }
};

} // namespace

class EditorRulesTest : public QObject {
    Q_OBJECT
private slots:
    void sizes_split_into_two_boxes_and_join_back() {
        for (const QString size : {"650.5", "650", "650.25"}) {
            const auto [whole, fraction] = split_size(size);
            QCOMPARE(whole, QStringLiteral("650"));
            QCOMPARE(join_size(whole, fraction), size);
        }
        QCOMPARE(split_size(QStringLiteral("650.25")).second, QStringLiteral("25"));
        QCOMPARE(split_size(QStringLiteral("650")).second, QString());
    }

    void numbers_lose_their_leading_zeros() {
        QCOMPARE(normalised_number(QStringLiteral("007")), QStringLiteral("7"));
        QCOMPARE(normalised_number(QStringLiteral("012")), QStringLiteral("12"));
        QCOMPARE(normalised_number(QStringLiteral("0")), QStringLiteral("0"));
        QCOMPARE(normalised_number(QString()), QStringLiteral("0"));
        QCOMPARE(normalised_number(QStringLiteral("123456789012345678901")),
                 QStringLiteral("123456789012345678901"));
    }

    void replace_goes_on_after_the_inserted_text() {
        QCOMPARE(replace_ignoring_case(QStringLiteral("the end of the world"),
                                       QStringLiteral("the"), QStringLiteral("The")),
                 QStringLiteral("The end of The world"));
        QCOMPARE(
            replace_ignoring_case(QStringLiteral("a-b"), QStringLiteral("a"), QStringLiteral("aa")),
            QStringLiteral("aa-b"));
        QCOMPARE(replace_ignoring_case(QStringLiteral("abc"), QString(), QStringLiteral("x")),
                 QStringLiteral("abc"));
    }

    void upper_case_only_after_spaces() {
        QCOMPARE(upper_case_after_spaces(QStringLiteral("one two\r\nthree four ")),
                 QStringLiteral("one Two\r\nthree Four "));
    }

    void song_names_from_file_names() {
        QCOMPARE(song_names_from_files({"a.mp3", "b.mp3"}), std::optional<QString>("a\r\nb"));
        QCOMPARE(song_names_from_files({"a.mp3", "b"}), std::nullopt);
        QCOMPARE(song_names_from_files({}), std::nullopt);
        QCOMPARE(folder_file_names(QStringLiteral("/no/such/folder")), QStringList());
    }

    void an_album_needs_artist_and_title_always() {
        AlbumForm form = mp3_album();
        QVERIFY(boxes_filled(form));
        for (QString AlbumForm::*box : {&AlbumForm::artist, &AlbumForm::album, &AlbumForm::location,
                                        &AlbumForm::bitrate, &AlbumForm::size_whole}) {
            AlbumForm missing = form;
            missing.*box = QString();
            QVERIFY(!boxes_filled(missing));
        }
        form.location = QStringLiteral("CDA");
        form.bitrate.clear();
        form.size_whole.clear();
        QVERIFY(boxes_filled(form));
        form.artist.clear();
        QVERIFY(!boxes_filled(form));
    }

    void the_record_of_an_audio_cd_and_of_mp3_files() {
        AlbumForm form = mp3_album();
        form.size_fraction = QStringLiteral("25");
        AlbumRecord record = album_record(form);
        QCOMPARE(record[Field::Size], QStringLiteral("650.25"));
        QCOMPARE(record[Field::Kbps], QStringLiteral("192"));
        QCOMPARE(record[Field::Cover], QStringLiteral("No"));
        form.location = QStringLiteral("CDA");
        form.cover = QStringLiteral("Yes");
        record = album_record(form);
        QCOMPARE(record[Field::Size], QStringLiteral("-"));
        QCOMPARE(record[Field::Kbps], QStringLiteral("-"));
        QCOMPARE(record[Field::Cover], QStringLiteral("Yes"));
    }

    void duplicates_are_found_across_letter_cases() {
        Catalogue3 c;
        QVERIFY(artist_has_album(*c.set, "abba", "Gold"));
        QVERIFY(!artist_has_album(*c.set, "abba", "Help"));
        QVERIFY(!artist_has_album(*c.set, "Cream", "Gold"));
        QVERIFY(artist_has_album(*c.set, "beatles", "gold")); // the artist sorting last
        QVERIFY(title_taken({"Arrival", "GOLD"}, "Arrival", "gold"));
        QVERIFY(!title_taken({"Arrival", "GOLD"}, "GOLD", "Gold"));
        QVERIFY(!title_taken({"Arrival", "GOLD"}, "Arrival", "Waterloo"));
    }

    void saving_writes_a_new_record_or_over_the_edited_one() {
        Catalogue3 c;
        QString error;
        QVERIFY(write_new_album(*c.set, album_record(mp3_album()), &error));
        AlbumRecord changed = album_record(mp3_album());
        changed[Field::Artist] = QStringLiteral("Beatles");
        changed[Field::Album] = QStringLiteral("Revolver");
        QVERIFY(write_album_over(*c.set, "beatles", "HELP", changed, &error));
        const auto reopened = test::open_main(c.folder.file("Vinylix.vnx"));
        QCOMPARE(albums_in(*reopened), QStringList({"ABBA/Arrival", "ABBA/GOLD", "Abba/Gold",
                                                    "Beatles/Gold", "Beatles/Revolver"}));
        QVERIFY(position_on_album(*reopened, "Beatles", "Revolver"));
        QCOMPARE(reopened->value(u"Size"), QStringLiteral("650"));
        QVERIFY(!write_album_over(*c.set, "Cream", "Nothing", changed, &error));
    }

    void renaming_moves_the_albums_except_a_clash() {
        Catalogue3 c;
        const RenameOutcome outcome = rename_albums(*c.set, "ABBA", "Beatles", {"GOLD", "Arrival"});
        QCOMPARE(outcome.clashes, QStringList({"GOLD"}));
        QCOMPARE(outcome.moved, QStringList({"Arrival"}));
        QVERIFY(outcome.error.isEmpty());
        const auto reopened = test::open_main(c.folder.file("Vinylix.vnx"));
        QCOMPARE(albums_in(*reopened),
                 QStringList({"ABBA/GOLD", "Beatles/Arrival", "Beatles/Gold", "Beatles/Help"}));
    }

    void a_change_of_letter_case_moves_every_album() {
        Catalogue3 c;
        const RenameOutcome outcome = rename_albums(*c.set, "ABBA", "abba", {"GOLD", "Arrival"});
        QCOMPARE(outcome.moved.size(), 2);
        const auto reopened = test::open_main(c.folder.file("Vinylix.vnx"));
        QCOMPARE(albums_in(*reopened).mid(0, 2), QStringList({"abba/Arrival", "abba/GOLD"}));
    }

    void an_empty_new_name_moves_nothing() {
        Catalogue3 c;
        QVERIFY(rename_albums(*c.set, "ABBA", "", {"GOLD"}).moved.isEmpty());
        QCOMPARE(albums_in(*test::open_main(c.folder.file("Vinylix.vnx"))).first(),
                 QStringLiteral("ABBA/Arrival"));
    }

    void deleting_one_album_and_then_all() {
        Catalogue3 c;
        QString error;
        QVERIFY(delete_album(*c.set, "beatles", "HELP", &error));
        QVERIFY(!delete_album(*c.set, "beatles", "HELP", &error));
        QCOMPARE(albums_in(*test::open_main(c.folder.file("Vinylix.vnx"))),
                 QStringList({"ABBA/Arrival", "ABBA/GOLD", "Beatles/Gold"}));
        QVERIFY(delete_all_albums(c.set->catalogue(), &error));
        QCOMPARE(test::open_main(c.folder.file("Vinylix.vnx"))->record_count(), 0);
    }
};

VINYLIX_TEST(EditorRulesTest)
#include "test_editor_rules.moc"
