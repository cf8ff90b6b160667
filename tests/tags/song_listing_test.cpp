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
        for (const QString& path : QStringList{
                 "/music/a/Song 1.mp3", "/elsewhere/deeper/folder/Two.Mp3", "/b/Live.at.home.mp3",
                 "/b/Intro", "/b/abc", "/b/a.b", "/b/.mp3", "Plain.mp3"})
            names += listed_name(path);
        QCOMPARE(names, QStringList({"Song 1", "Two", "Live.at.home", "Intro", "abc", "a.b", ".mp3",
                                     "Plain"}));
    }

    void only_regular_files_are_listed_in_their_order() {
        const test::TempFolder folder;
        folder.write_file("b.mp3", "bb");
        QDir(folder.path()).mkdir("sub");
        folder.write_file("sub/a.mp3", "a");
        QDir(folder.path()).mkdir("folder.mp3");
        QCOMPARE(::mkfifo(qPrintable(folder.file("fifo.mp3")), 0600), 0);
        const QList<ListedFile> files =
            list_files({folder.file("b.mp3"), folder.file("folder.mp3"), folder.file("fifo.mp3"),
                        folder.file("missing.mp3"), folder.file("sub/a.mp3")});
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0].path, folder.file("b.mp3"));
        QCOMPARE(files[0].name, QString("b"));
        QCOMPARE(files[0].stamp.size, 2);
        QCOMPARE(files[1].path, folder.file("sub/a.mp3"));
        QCOMPARE(files[1].name, QString("a"));
    }
};

VINYLIX_TEST(SongListingTest)

#include "song_listing_test.moc"
