#include "support/album_tree.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "import/album_detection.h"

#include <QFile>
#include <QTest>
#include <cstdio>
#include <unistd.h>

using namespace vinylix;
using namespace vinylix::test;

namespace {

FolderNameFormat format_of(const QString& text) {
    return *FolderNameFormat::split(text).format;
}

QStringList lines(const ImportRun& run) {
    QStringList shown;
    for (const ImportedAlbum& album : run.albums.albums())
        shown << album.line();
    return shown;
}

} // namespace

class AlbumDetectionTest : public QObject {
    Q_OBJECT

private slots:
    // Listed as the browser lists them: by artist, then album, in the catalogue's collation.
    void every_fitting_folder_is_one_album_in_the_browsers_order() {
        const TempFolder root;
        write_file(root.file("[metallica] - black album/01 - Enter Sandman.mp3"),
                   mp3_file("Enter Sandman", "1991"));
        write_file(root.file("[Édith Piaf] - Hymne/a.mp3"), mp3_file());
        write_file(root.file("[Abba] - Gold/CD1/a.mp3"), mp3_file("Dancing Queen"));
        write_file(root.file("[Abba] - Gold/CD2/b.mp3"), mp3_file("Waterloo"));
        make_folder(root.file("Scans"));
        write_file(root.file("[Loose] - File.mp3"), mp3_file()); // a file, not a folder
        const ImportRun run = import_albums(root.path(), format_of("[%1] - %2"), false);
        QCOMPARE(lines(run),
                 QStringList({"Abba - Gold", "Édith Piaf - Hymne", "metallica - black album"}));
        QCOMPARE(run.rejected, 1);
        QCOMPARE(run.albums[0].properties.cds, QStringLiteral("2"));
        QVERIFY(!run.albums[2].chosen && run.albums[2].cd.isEmpty());
    }

    void progress_counts_sub_folders_and_can_stop_the_run() {
        const TempFolder root;
        for (int i = 1; i <= 5; ++i)
            write_file(root.file(QStringLiteral("A - Album %1/song.mp3").arg(i)), mp3_file());
        make_folder(root.file("Z no match"));
        QList<qint64> steps;
        const ImportRun run =
            import_albums(root.path(), format_of("%1 - %2"), false, [&](qint64 done, qint64 total) {
                steps << done * 10 + total;
                return done < 3;
            });
        QVERIFY(run.stopped);
        QCOMPARE(steps, QList<qint64>({16, 26, 36}));
        QCOMPARE(lines(run), QStringList({"A - Album 1", "A - Album 2", "A - Album 3"}));
    }

    void a_folder_name_invalid_in_the_system_encoding_is_still_read() {
        const TempFolder root;
        write_file(root.file("staging/song.mp3"), mp3_file("Song"));
        const QByteArray latin1 = QFile::encodeName(root.path()) + "/Caf\xE9 - Album";
        QVERIFY(::rename(QFile::encodeName(root.file("staging")).constData(), latin1.constData()) ==
                0);
        const ImportRun run = import_albums(root.path(), format_of("%1 - %2"), false);
        QCOMPARE(run.albums.size(), 1);
        QCOMPARE(run.albums[0].artist.left(3) + run.albums[0].album +
                     run.albums[0].properties.song_list(SongSource::Tags),
                 QStringLiteral("CafAlbumSong"));
        ::unlink(QByteArray(latin1 + "/song.mp3").constData());
        ::rmdir(latin1.constData()); // the temporary folder cannot see it to remove it
    }

    void a_root_without_sub_folders_or_unreadable_gives_no_album() {
        const TempFolder root;
        write_file(root.file("loose.mp3"), mp3_file());
        const ImportRun empty = import_albums(root.path(), format_of("%1 - %2"), false);
        QVERIFY(empty.albums.empty() && empty.root_read && !empty.stopped);
        const ImportRun missing = import_albums(root.file("gone"), format_of("%1 - %2"), false);
        QVERIFY(missing.albums.empty() && !missing.root_read);
    }
};

VINYLIX_TEST(AlbumDetectionTest)

#include "test_album_detection.moc"
