#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "mp3/file_stamp.h"
#include "mp3/frame_header.h"
#include "mp3/regular_file.h"
#include "mp3/tag_file.h"

#include <QTest>
#include <sys/stat.h>

using namespace vinylix;

class RegularFileTest : public QObject {
    Q_OBJECT

private slots:
    // Reading a FIFO would wait for a writer forever; a folder has no bytes to read. Both are
    // refused at once by the opener, by the two readers and the tag writer built on it. A missing
    // file is named so and not made.
    void fifo_and_folder_are_refused_without_blocking() {
        test::TempFolder folder;
        const QString fifo = folder.file("song.mp3");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString& path : {fifo, folder.path()}) {
            QFile file(path);
            QString why;
            QVERIFY(!open_regular_file(file, QIODevice::ReadOnly, &why) && !file.isOpen());
            QCOMPARE(why, QString("Not a regular file"));
            QVERIFY(!read_id3v1_tag(path));
            QVERIFY(!read_bitrate(path, loaded_bitrate_table()));
            QVERIFY(!stamp_of(path));
            QCOMPARE(write_tag(path, Id3v1Tag{}).kind, TagWriteResult::Kind::Other);
        }
        QFile missing(folder.file("none.mp3"));
        QString why;
        QVERIFY(!open_regular_file(missing, QIODevice::ReadWrite, &why));
        QVERIFY(why.contains("No such file") && !missing.exists());
    }
};

VINYLIX_TEST(RegularFileTest)
#include "test_regular_file.moc"
