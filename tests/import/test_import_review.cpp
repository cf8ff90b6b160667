#include "support/test_registry.h"

#include "import/import_review.h"

#include <QTest>

using namespace vinylix;

namespace {

ImportedAlbum album(const QString& name) {
    ImportedAlbum detected;
    detected.artist = "Artist";
    detected.album = name;
    detected.properties.songs = {name + " from names", name + " from playlists",
                                 name + " from tags"};
    detected.properties.kbps = "128";
    detected.properties.year = "1999";
    detected.properties.cds = "1";
    detected.properties.size = "45.7";
    return detected;
}

ImportData three_albums() {
    return ImportData({album("A"), album("B"), album("C")});
}

ReviewEdits edits(const QString& cd, const QString& cover) {
    return {cd, cover, "2024", "edited list"};
}

} // namespace

class ImportReviewTest : public QObject {
    Q_OBJECT

private slots:
    void display_shows_the_current_source_until_apply_chooses_one() {
        ImportData data = three_albums();
        ReviewDisplay shown = display_information(data[0], SongSource::Tags);
        QCOMPARE(shown.songs, QStringLiteral("A from tags"));
        QCOMPARE(shown.source, SongSource::Tags);
        QCOMPARE(shown.cover_index, -1);
        QCOMPARE(shown.panels, (ReviewPanels{"CD #: ", "Size: 45.7", "Bitrate: 128", "Year: 1999",
                                             "Cover: ", "# of CDs: 1"}));
        store_information(data, {0}, 0, edits("12", cover_no), SongSource::Playlists);
        shown = display_information(data[0], SongSource::FileNames);
        QCOMPARE(shown.source, SongSource::Playlists);
        QCOMPARE(shown.songs, QStringLiteral("edited list"));
        QCOMPARE(shown.cover_index, 1);
        QCOMPARE(shown.cd, QStringLiteral("12"));
        QCOMPARE(shown.year, QStringLiteral("2024"));
        QCOMPARE(shown.panels[cd_panel], QStringLiteral("CD #: 12"));
        QCOMPARE(shown.panels[cover_panel], QStringLiteral("Cover: No"));
        QCOMPARE(switch_song_mode(data[0], SongSource::Tags), QStringLiteral("A from tags"));
    }

    void apply_to_several_gives_disc_cover_and_source_but_not_year_or_songs() {
        ImportData data = three_albums();
        store_information(data, {0, 2}, 0, edits("12", cover_yes), SongSource::Tags);
        for (const int k : {0, 2}) {
            QCOMPARE(data[k].cd, QStringLiteral("12"));
            QCOMPARE(data[k].cover, cover_yes);
            QCOMPARE(data[k].chosen, std::optional(SongSource::Tags));
            QCOMPARE(data[k].properties.year, QStringLiteral("1999"));
            QCOMPARE(data[k].record()[Field::Songs], data[k].album + " from tags");
        }
        QCOMPARE(data[1], album("B"));
        // One selected line that is not the focused one takes no text of the focused album.
        store_information(data, {1}, 0, edits("7", {}), SongSource::FileNames);
        QCOMPARE(data[1].properties, album("B").properties);
        QCOMPARE(data[1].cd, QStringLiteral("7"));
    }

    void record_takes_the_chosen_list_and_no_for_an_unchosen_cover() {
        ImportData data = three_albums();
        store_information(data, {1}, 1, edits("3", {}), SongSource::FileNames);
        const AlbumRecord record = data[1].record();
        QCOMPARE(record[Field::Cover], cover_no);
        QCOMPARE(record[Field::Songs], QStringLiteral("edited list"));
        QCOMPARE(record[Field::CD], QStringLiteral("3"));
        QCOMPARE(record[Field::Year], QStringLiteral("2024"));
        QCOMPARE(record[Field::Size], QStringLiteral("45.7"));
        QCOMPARE(record[Field::Kbps], QStringLiteral("128"));
        QCOMPARE(record[Field::Cds], QStringLiteral("1"));
        QCOMPARE(record[Field::Artist] + "/" + record[Field::Album], QStringLiteral("Artist/B"));
    }

    void removing_an_album_closes_the_gap() {
        ImportData data = three_albums();
        store_information(data, {2}, 2, edits("9", cover_yes), SongSource::Tags);
        data.remove(0);
        QCOMPARE(data.size(), 2);
        QCOMPARE(data[0], album("B"));
        QCOMPARE(data[1].line(), QStringLiteral("Artist - C"));
        QCOMPARE(data[1].cd, QStringLiteral("9"));
        data.remove(5);
        QCOMPARE(data.size(), 2);
    }
};

VINYLIX_TEST(ImportReviewTest)

#include "test_import_review.moc"
