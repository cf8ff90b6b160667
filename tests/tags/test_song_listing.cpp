#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "tags/song_listing.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

using namespace vinylix;

class SongListingTest : public QObject {
    Q_OBJECT

private slots:
    void each_file_is_listed_under_its_own_name_without_extension() {
        QStringList names;
        for (const char* path : {"/a/b/Song 1.mp3", "/b/Two.Mp3", "/b/Live.at.home.mp3", "/b/Intro",
                                 "/b/a.b", "/b/.mp3", "Plain.mp3"})
            names += listed_name(path);
        QCOMPARE(names,
                 QStringList({"Song 1", "Two", "Live.at.home", "Intro", "a.b", ".mp3", "Plain"}));
    }

    // MP3 files are listed in their order: by name in any letter case, or by MPEG audio at their
    // start whatever their name; everything else is left out and named.
    void only_mp3_files_are_listed_and_the_others_named() {
        const test::TempFolder folder;
        folder.write_file("b.mp3", "bb");
        QDir(folder.path()).mkdir("sub");
        folder.write_file("sub/a.MP3", "a");
        folder.write_file("notes.txt", "Shopping list\n");
        folder.write_file("audio", QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, 'x'));
        QDir(folder.path()).mkdir("folder.mp3");
        QCOMPARE(::mkfifo(qPrintable(folder.file("fifo.mp3")), 0600), 0);
        QStringList left_out;
        const QList<ListedFile> files =
            list_files({folder.file("b.mp3"), folder.file("folder.mp3"), folder.file("notes.txt"),
                        folder.file("fifo.mp3"), folder.file("missing.mp3"),
                        folder.file("sub/a.MP3"), folder.file("audio")},
                       &left_out);
        QStringList listed;
        for (const ListedFile& file : files)
            listed += file.name;
        QCOMPARE(listed, QStringList({"b", "a", "audio"}));
        QCOMPARE(files[0].path, folder.file("b.mp3"));
        QCOMPARE(files[0].stamp.size, 2);
        QCOMPARE(left_out, QStringList({folder.file("folder.mp3"), folder.file("notes.txt"),
                                        folder.file("fifo.mp3"), folder.file("missing.mp3")}));
    }
};

VINYLIX_TEST(SongListingTest)

#include "test_song_listing.moc"
