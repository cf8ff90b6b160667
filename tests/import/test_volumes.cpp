#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "import/volumes.h"

#include <QDir>
#include <QTest>

using namespace vinylix;

class VolumesTest : public QObject {
    Q_OBJECT

private slots:
    void the_chooser_opens_at_the_import_folder_or_the_nearest_folder_left() {
        const test::TempFolder folder;
        QDir(folder.path()).mkpath("music/albums");
        const QString program = folder.file("program");
        QCOMPARE(chooser_start(folder.file("music/albums"), program), folder.file("music/albums"));
        QCOMPARE(chooser_start(folder.file("music/gone/deeper"), program), folder.file("music"));
        QCOMPARE(chooser_start({}, program), program);
    }

    void volumes_list_the_root_and_say_which_can_be_read() {
        bool root_ready = false;
        for (const Volume& volume : mounted_volumes()) {
            QVERIFY2(!volume.root.startsWith("/proc") && !volume.root.startsWith("/sys"),
                     qPrintable(volume.root));
            root_ready |= volume.root == "/" && volume.ready;
        }
        QVERIFY(root_ready);
        const test::TempFolder folder;
        const Volume here = volume_of(folder.path());
        QVERIFY(here.ready && folder.path().startsWith(here.root));
        QVERIFY(!volume_of(folder.file("not there")).ready);
    }
};

VINYLIX_TEST(VolumesTest)

#include "test_volumes.moc"
