#include "sample_disc.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include "import/album_storing.h"
#include "import/disc_check_actions.h"
#include "import/disc_check_input.h"
#include "import/disc_check_texts.h"

#include <QTest>

using namespace vinylix;

namespace {

// The sample disc read and checked as disc "012", song names from the files' names.
struct Checked {
    test::SampleDisc sample;
    std::shared_ptr<Catalogue> catalogue = Catalogue::open(sample.catalogue, nullptr);
    ImportRun run;
    DiscCheck check;

    Checked() {
        const test::PermissionsHeld held;
        run = import_albums(sample.disc, *FolderNameFormat::split(u"%1 - %2").format, false);
        check = check_again();
    }
    DiscCheck check_again() const {
        DiscCatalogue stored;
        QString error;
        if (!read_disc_catalogue(*catalogue, "12", run.albums, stored, &error))
            qFatal("cannot read the catalogue: %s", qPrintable(error));
        return check_disc("12", sample.disc, run, SongSource::FileNames, stored);
    }
    // Every album of the catalogue, whole, in the table's order.
    std::vector<StoredAlbum> rows() const {
        std::vector<long long> rowids;
        for_each_album_place(
            *catalogue, [&](const AlbumPlace& p) { rowids.push_back(p.rowid); }, nullptr);
        std::vector<StoredAlbum> albums;
        read_stored_albums(*catalogue, rowids, albums, nullptr);
        return albums;
    }
};

} // namespace

class DiscCheckTest : public QObject {
    Q_OBJECT

private slots:
    // The four groups whole: matched by names with case and accents folded, each differing
    // field side by side, the disc elsewhere named, "012" read as disc 12, the folder that
    // cannot be read named and the rest checked.
    void a_disc_is_held_against_the_catalogue_in_four_groups() {
        const Checked c;
        const QString expected =
            "Check of disc 12\r\n"
            "Folder: " +
            c.sample.disc +
            "\r\n"
            "The folder holds 8 albums; the catalogue holds 7 under disc 12.\r\n"
            "1 folder could not be read: Verve - Urban Hymns.\r\n"
            "1 folder does not fit the folder-name format.\r\n"
            "\r\n"
            "Alike (1)\r\n"
            "  Motörhead - Ace of Spades\r\n"
            "\r\n"
            "Different (5)\r\n"
            "  Abba - Gold\r\n"
            "    CDs: catalogue 1; disc 2\r\n"
            "  Blur - 13\r\n"
            "    Song list: catalogue 2 songs, line 1 \"Tender\"; disc 2 songs, line 1 \"01 - "
            "Tender\"\r\n"
            "  Cure - Faith\r\n"
            "    Size: catalogue 45 MB; disc 0 MB\r\n"
            "  Pulp - His N Hers\r\n"
            "    Bitrate: catalogue 192 kbps; disc none\r\n"
            "  Suede - Dog Man Star\r\n"
            "    Year: catalogue 1993; disc 1994\r\n"
            "\r\n"
            "Only on the disc (2)\r\n"
            "  Pulp - Different Class\r\n"
            "  Suede - Coming Up (in the catalogue under disc 7)\r\n"
            "\r\n"
            "Only in the catalogue (1)\r\n"
            "  Oasis - Definitely Maybe\r\n";
        QCOMPARE(check_report(c.check), expected);
    }

    // Only the ticked fields of the chosen albums change, each with a value the album editor
    // could hold; the CD count goes only with the song list; every other byte stays.
    void update_writes_only_the_chosen_fields_of_the_chosen_albums() {
        const Checked c;
        std::vector<StoredAlbum> expected = c.rows();
        expected[3].record[Field::Size] = "0"; // Cure - Faith
        const UpdatePlan plan =
            plan_update(c.check, {0, 1, 2, 3}, {Field::Cds, Field::Size, Field::Kbps});
        QCOMPARE(plan.refused,
                 QStringList({"Abba - Gold: the CD count and the song list are written together "
                              "or not at all, since the song list is laid out by CD.",
                              "Pulp - His N Hers: the bitrate is not written: no MP3 frame header "
                              "was found on the disc, and an album needs a bitrate."}));
        QString error;
        QVERIFY(update_album_fields(*c.catalogue, plan.updates, &error));
        const std::vector<StoredAlbum> after = c.rows();
        QCOMPARE(after.size(), expected.size());
        for (std::size_t k = 0; k < after.size(); ++k)
            QCOMPARE(after[k].record.fields, expected[k].record.fields);

        // An album another program took away meanwhile fails the whole write.
        AlbumFieldsUpdate gone{after[1].rowid, "Blur", "14", {{Field::Year, "2000"}}};
        AlbumFieldsUpdate kept{after[2].rowid, "Abba", "Gold", {{Field::Year, "2000"}}};
        QVERIFY(!update_album_fields(*c.catalogue, {kept, gone}, &error));
        QVERIFY(error.contains("Blur - 14"));
        QCOMPARE(c.rows()[2].record[Field::Year], QStringLiteral("1992"));
    }

    // Stored through the import's storing under the disc checked; one the catalogue already
    // holds (under disc 7) is refused by its duplicate rule.
    void add_stores_with_the_disc_number_and_refuses_a_duplicate() {
        const Checked c;
        ImportData added = albums_to_add(c.check, {0, 1}, c.run.albums, SongSource::FileNames);
        const StoringResult stored = add_to_database(added, {0, 1}, *c.catalogue);
        QCOMPARE(stored.stored, 1);
        QCOMPARE(stored.duplicates, QStringList{"Suede - Coming Up"});
        const AlbumRecord pulp = c.rows().back().record;
        QCOMPARE(pulp.fields,
                 (std::array<QString, field_count>{"Pulp", "Different Class", "01 - Mis-Shapes",
                                                   "No", "1", "128", "12", "0", "1995"}));
    }

    void the_disc_number_is_proposed_by_a_name_with_one_number_and_checked_when_typed() {
        const struct {
            const char* folder;
            const char* label;
            std::optional<QString> disc;
        } cases[] = {{"Disc 07", "MUSIC_3", "7"},  {"mp3", "MUSIC_012", "12"},
                     {"2 of 3", "", std::nullopt}, {"mp3", "", std::nullopt},
                     {"Disc 0", "", "0"},          {"1234567890", "5", "5"},
                     {"MP3 Disc 5", "", "5"}};
        for (const auto& c : cases)
            QCOMPARE(proposed_disc_number(QString::fromUtf8(c.folder), QString::fromUtf8(c.label)),
                     c.disc);
        QCOMPARE(entered_disc_number("0012").disc, QStringLiteral("12"));
        QVERIFY(entered_disc_number("").refusal.startsWith("Please type the number"));
        QVERIFY(entered_disc_number("1234567890").refusal.contains("at most nine"));
    }

    // Numbers by value, song lists by their lines, every other text exactly.
    void values_say_the_same_by_the_rules_of_their_field() {
        QVERIFY(same_field_value(Field::Size, "45.70", "45.7"));
        QVERIFY(same_field_value(Field::Cds, "01", "1"));
        QVERIFY(!same_field_value(Field::Year, "", "0"));
        QVERIFY(!same_field_value(Field::Year, "1991a", "1991"));
        QVERIFY(same_field_value(Field::Songs, "a\r\nb\r\n", " a \r\n\r\nb"));
        QVERIFY(!same_field_value(Field::Songs, "a\r\nb", "b\r\na"));
    }
};

VINYLIX_TEST(DiscCheckTest)
#include "test_disc_check.moc"
