#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "export/export_list.h"
#include "export/list_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>

using namespace vinylix;

namespace {

void make_read_only(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

class ListFileTest : public QObject {
    Q_OBJECT

private slots:
    void a_stopped_list_leaves_the_old_file() {
        test::CatalogueFixture f;
        test::add_albums(*f.set, {{"Arlo", "Dune"}, {"Quill", "Echo"}, {"Quill", "Nocturne"}});
        f.folder.write_file("vinylix.html", "old page");
        ListJob job;
        job.options.savemode = ListKind::Html;
        job.path = f.folder.file("vinylix.html");
        const auto stop_at_two = [](qint64 done, qint64) { return done < 2; };
        QString error;
        QCOMPARE(write_list(Catalogue::open(f.path, &error), job, stop_at_two).kind,
                 ListOutcome::Kind::Stopped);
        QCOMPARE(f.folder.read_file("vinylix.html"), QByteArray("old page"));
    }

    void a_file_that_cannot_be_written_is_left_as_it_was() {
        test::TempFolder folder;
        folder.write_file("old.txt", "old list\r\n");
        const QString old = folder.file("old.txt");
        QVERIFY(write_list_file(old, "new list\r\n").ok());
        QCOMPARE(folder.read_file("old.txt"), QByteArray("new list\r\n"));

        make_read_only(old);
        const ListFileResult read_only = write_list_file(old, "other");
        QCOMPARE(read_only.reason, QStringLiteral("The file is read-only."));
        QCOMPARE(folder.read_file("old.txt"), QByteArray("new list\r\n"));

        QDir(folder.path()).mkdir("locked");
        make_read_only(folder.file("locked"));
        QVERIFY(write_list_file(folder.file("locked/list.txt"), "x")
                    .reason.contains(QStringLiteral("is read-only")));
        QVERIFY(!QFile::exists(folder.file("locked/list.txt")));

        QVERIFY(write_list_file(folder.file("missing/list.txt"), "x")
                    .reason.contains(QStringLiteral("does not exist")));
        QCOMPARE(write_list_file(folder.file("locked"), "x").reason,
                 QStringLiteral("A folder of that name is in its place."));
        QCOMPARE(write_list_file({}, "x").reason, QStringLiteral("No file name was given."));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.file("pipe")).constData(), 0644), 0);
        QCOMPARE(write_list_file(folder.file("pipe"), "x").reason,
                 QStringLiteral("It is not a regular file."));
        // No temporary file is left behind.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"old.txt", "pipe"}));
    }

    void a_full_disk_leaves_the_old_file() {
        test::TempFolder folder;
        const QString small = folder.file("small");
        QDir().mkdir(small);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", small}) != 0)
            QSKIP("a small file system cannot be mounted here");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {small}); });
        const QString path = small + QStringLiteral("/vinylix.txt");
        QVERIFY(write_list_file(path, "old list\r\n").ok());
        const ListFileResult full = write_list_file(path, QByteArray(256 * 1024, 'x'));
        QCOMPARE(full.reason, QStringLiteral("No space left on device."));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old list\r\n"));
        QCOMPARE(QDir(small).entryList(QDir::Files | QDir::Hidden), QStringList({"vinylix.txt"}));
    }
};

VINYLIX_TEST(ListFileTest)
#include "test_list_file.moc"
