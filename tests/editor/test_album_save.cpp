#include "editor/album_save.h"
#include "editor/cd_song_lists.h"
#include "editor/field_text.h"
#include "hostile_albums.h"
#include "store/song_list_text.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;
using namespace Qt::StringLiterals;

namespace {

QStringList fields(const AlbumRecord& record) {
    return QStringList(record.fields.begin(), record.fields.end());
}

QStringList padded(QStringList lists, int count) {
    lists = lists.mid(0, count);
    while (lists.size() < count)
        lists.append(QString());
    return lists;
}

// The editor's rules once it has loaded `album`: the count box and the bitrate box hold
// three characters, and the count rule puts "1" into a count box that holds no number.
struct LoadedEditor {
    CdSongLists lists;
    LoadedAlbum loaded;

    explicit LoadedEditor(const AlbumRecord& album) {
        lists.load(album[Field::Songs], album[Field::Cds]);
        AlbumForm shown = boxes_of(album);
        shown.cds = shown.cds.left(3);
        shown.bitrate = shown.bitrate.left(3);
        if (lists.set_count(editor_cd_count(shown.cds), {}).reset_count_text) {
            shown.cds = u"1"_s;
            lists.set_count(1, {});
        }
        lists.loading_done();
        loaded = {album, shown};
    }

    // The record saved with the boxes holding `form`; `box` is the song-list box's text when
    // it has been edited.
    AlbumRecord saved(AlbumForm form, const QString& box = {}) const {
        form.songs = lists.stored_text(box);
        return album_record(form, loaded);
    }

    // Shows CD `index` (0 = CD 1) and types `text` over its list.
    QString edit_cd(int index, const QString& text) {
        while (lists.current() < index)
            lists.step(+1, false, {});
        lists.mark_changed();
        return text;
    }
};

} // namespace

class AlbumSaveTest : public QObject {
    Q_OBJECT
private slots:
    // Changing one box rewrites only the field written from it; editing one CD's list
    // rewrites only that CD's section. Text around it keeps its bytes, and the browser then
    // reads the other CDs as before.
    void only_what_the_user_edited_is_rewritten() {
        for (const AlbumRecord& album : test::hostile_albums()) {
            LoadedEditor editor(album);
            AlbumForm form = editor.loaded.shown;
            form.year = u"2024"_s;
            AlbumRecord expected = album;
            expected[Field::Year] = u"2024"_s;
            QCOMPARE(fields(editor.saved(form)), fields(expected));
            const int count = editor.lists.count();
            if (count < 2)
                continue;
            const QString& songs = album[Field::Songs];
            const auto sections = find_song_sections(songs, count);
            QStringList shown = padded(read_song_sections(songs, count), count);
            const int cd = count > 2 ? 2 : 1; // CD 3 or CD 2
            shown[cd] = u"new\r\nsong"_s;
            const QString stored =
                editor.saved(editor.loaded.shown, editor.edit_cd(cd, shown[cd]))[Field::Songs];
            QCOMPARE(padded(read_song_sections(stored, count), count), shown);
            if (std::size_t(cd) < sections.size()) {
                const SongSection old = sections[std::size_t(cd)];
                QCOMPARE(stored.left(old.start), songs.left(old.start));
                QVERIFY(stored.endsWith(QStringView(songs).sliced(old.start + old.length)));
            } else {
                QVERIFY(stored.startsWith(songs));
            }
        }
    }

    // Lowering the count drops the CDs past it; a count of 1000 shown as 100 keeps them all;
    // raising the count shows a section stored past the old count.
    void the_cd_count_decides_which_sections_stay() {
        AlbumRecord album;
        album[Field::Songs] = u"== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny\r\n\r\n== CD 3 ==\r\nz"_s;
        album[Field::Cds] = u"3"_s;
        LoadedEditor lowered(album);
        lowered.lists.set_count(2, {});
        QCOMPARE(lowered.lists.stored_text({}), u"== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny"_s);
        album[Field::Cds] = u"2"_s;
        LoadedEditor raised(album);
        QCOMPARE(raised.saved(raised.loaded.shown)[Field::Songs], album[Field::Songs]);
        raised.lists.set_count(3, {});
        QCOMPARE(raised.lists.lists().value(2), u"z"_s);
        const AlbumRecord thousand = test::hostile_albums()[6];
        LoadedEditor shown_as_100(thousand);
        QCOMPARE(shown_as_100.lists.count(), 100);
        const QString edited = shown_as_100.saved(shown_as_100.loaded.shown,
                                                  shown_as_100.edit_cd(0, u"one"_s))[Field::Songs];
        QCOMPARE(read_song_sections(edited, 1000).size(), 1000);
    }

    // A CD section missing from the stored text is added, with the headers before it, when
    // its list is filled; text the reader skipped stays in front.
    void a_filled_cd_without_a_section_gets_one() {
        AlbumRecord album;
        album[Field::Songs] = u"a\r\nb"_s; // no headers on an album of two CDs
        album[Field::Cds] = u"2"_s;
        LoadedEditor editor(album);
        QCOMPARE(editor.saved(editor.loaded.shown, editor.edit_cd(1, u"c"_s))[Field::Songs],
                 u"a\r\nb\r\n\r\n== CD 1 ==\r\n\r\n\r\n== CD 2 ==\r\nc"_s);
    }

    // A save stores a shelf location of digits or "CDA" only; a location the user left as it
    // was stored keeps its text.
    void the_shelf_location_is_digits_or_cda() {
        QStringList stored;
        for (const QString typed : {"12", "012", "CDA", "CD33", "7CDA8", "-3", "4.5"}) {
            AlbumForm form{"A", "B", {}, {}, "1", "128", typed, {}, "650", {}};
            stored << album_record(form)[Field::CD];
        }
        QCOMPARE(stored, QStringList({"12", "12", "CDA", "0", "7", "0", "4"}));
        AlbumRecord album;
        album[Field::CD] = u"CD33"_s;
        LoadedEditor editor(album);
        AlbumForm form = editor.loaded.shown;
        QCOMPARE(editor.saved(form)[Field::CD], u"CD33"_s);
        form.location = u"0"_s; // leaving the box wrote the number of "CD33"
        QCOMPARE(editor.saved(form)[Field::CD], u"CD33"_s);
        form.location = u"5"_s;
        QCOMPARE(editor.saved(form)[Field::CD], u"5"_s);
    }
};

VINYLIX_TEST(AlbumSaveTest)
#include "test_album_save.moc"
