#include "app/single_instance.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace vinylix;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // The first start on a catalogue runs; a later start on the same file, by another path,
    // does not, and the first copy is asked to come forward. What a crashed copy left at the
    // socket's place does not stand in the way, and once the first copy ends the next runs.
    void one_copy_for_each_catalogue() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        QVERIFY(QFile::link(path, folder.file("link.vnx")));
        QFile left(QDir::temp().filePath(SingleInstance::socket_name(path)));
        QVERIFY(left.open(QIODevice::WriteOnly));
        {
            SingleInstance first(path);
            QVERIFY(first.claim());
            QSignalSpy asked(&first, &SingleInstance::come_forward_requested);
            QVERIFY(!SingleInstance(folder.file("link.vnx")).claim());
            QTRY_COMPARE(asked.size(), 1);
            test::TempFolder elsewhere;
            QVERIFY(SingleInstance(elsewhere.make_catalogue()).claim());
        }
        QVERIFY(SingleInstance(path).claim());
    }
};

VINYLIX_TEST(SingleInstanceTest)
#include "test_single_instance.moc"
