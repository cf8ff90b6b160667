#include "settings/data_folder.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;

namespace {

// Makes a folder read-only (even for the administrator, by our rule) while it lives.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path) : path_(std::move(path)) {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~ReadOnlyFolder() {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner);
    }

private:
    QString path_;
};

// The folder chosen, "program" or "data", "created" when a catalogue was made, and "error".
QString chosen(const QString& program, const QString& user_data) {
    const DataFolder d = choose_data_folder(program, user_data);
    return QStringList{d.path, d.is_program_folder ? "program" : "data",
                       d.catalogue_created ? "created" : "", d.error.isEmpty() ? "" : "error"}
        .join(u'|');
}

bool opens_as_catalogue(const QString& path) {
    QString error;
    return Catalogue::open(path, &error) != nullptr;
}

} // namespace

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    // A build folder or a portable copy keeps its files beside the program, as always;
    // nothing is made there nor in the user's folder.
    void a_writable_program_folder_is_used_as_it_is() {
        test::TempFolder program, home;
        const QString user_data = home.file("share/vinylix");
        program.make_catalogue();
        const QByteArray before = program.read_file("Vinylix.vnx");
        QCOMPARE(chosen(program.path(), user_data), program.path() + "|program||");
        QCOMPARE(program.read_file("Vinylix.vnx"), before);
        // Without a catalogue the program's folder is still the one; opening reports it.
        QFile::remove(program.file("Vinylix.vnx"));
        QCOMPARE(chosen(program.path(), user_data), program.path() + "|program||");
        QVERIFY(!QFileInfo::exists(program.file("Vinylix.vnx")) && !QFileInfo::exists(user_data));
    }

    // A program folder the user cannot write, or an installed program (its desktop entry in
    // ../share/applications), keeps its files in the user's data folder, made on first start
    // with an empty catalogue that opens.
    void a_read_only_or_installed_program_uses_the_user_data_folder() {
        test::TempFolder program, prefix, home;
        const QString user_data = home.file(".local/share/vinylix");
        {
            ReadOnlyFolder read_only(program.path());
            QCOMPARE(chosen(program.path(), user_data), user_data + "|data|created|");
        }
        QVERIFY(opens_as_catalogue(catalogue_path(user_data)));
        QVERIFY(QDir(program.path()).isEmpty());
        QCOMPARE(QDir(user_data).entryList(QDir::Files), QStringList{"Vinylix.vnx"});

        QVERIFY(QDir().mkpath(prefix.file("bin")));
        QVERIFY(QDir().mkpath(prefix.file("share/applications")));
        prefix.write_file("share/applications/" + application_id + ".desktop", "[Desktop Entry]\n");
        const QString other_user = home.file("other/vinylix");
        QCOMPARE(chosen(prefix.file("bin"), other_user), other_user + "|data|created|");
        QVERIFY(QDir(prefix.file("bin")).isEmpty());
    }

    // The user's catalogue is made once: later starts find it, albums and all, untouched.
    // A draft left by an interrupted first start does not block the next one.
    void the_catalogue_in_the_user_data_folder_is_made_once() {
        test::TempFolder program, data;
        ReadOnlyFolder read_only(program.path());
        data.write_file("Vinylix.vnx.new", "half a catalogue");
        QVERIFY(choose_data_folder(program.path(), data.path()).catalogue_created);
        QVERIFY(!QFileInfo::exists(data.file("Vinylix.vnx.new")));
        test::add_album(*test::open_main(data.file("Vinylix.vnx")), "Air", "Moon Safari");
        const QByteArray with_album = data.read_file("Vinylix.vnx");

        QCOMPARE(chosen(program.path(), data.path()), data.path() + "|data||");
        QCOMPARE(data.read_file("Vinylix.vnx"), with_album);
        QCOMPARE(test::open_main(data.file("Vinylix.vnx"))->record_count(), 1);
    }

    // Whatever stands where the catalogue belongs is the user's to judge: garbage, an empty
    // file, an unreadable file, a folder or a link to nowhere is left as it is, and opening it
    // later reports it.
    void a_damaged_or_unreadable_catalogue_is_left_byte_for_byte() {
        test::TempFolder program;
        ReadOnlyFolder read_only(program.path());
        QByteArray garbage(4096, '\x7f');
        garbage.replace(0, 15, "SQLite format 2");
        for (const QByteArray& bytes : {garbage, QByteArray()}) {
            test::TempFolder data;
            data.write_file("Vinylix.vnx", bytes);
            QCOMPARE(chosen(program.path(), data.path()), data.path() + "|data||");
            QCOMPARE(data.read_file("Vinylix.vnx"), bytes);
            QVERIFY(!opens_as_catalogue(data.file("Vinylix.vnx")));
        }

        test::TempFolder unreadable;
        unreadable.write_file("Vinylix.vnx", garbage);
        QFile::setPermissions(unreadable.file("Vinylix.vnx"), {});
        QVERIFY(!choose_data_folder(program.path(), unreadable.path()).catalogue_created);
        QFile::setPermissions(unreadable.file("Vinylix.vnx"), QFileDevice::ReadOwner);
        QCOMPARE(unreadable.read_file("Vinylix.vnx"), garbage);

        test::TempFolder folder_there;
        QVERIFY(QDir().mkpath(folder_there.file("Vinylix.vnx")));
        QVERIFY(!choose_data_folder(program.path(), folder_there.path()).catalogue_created);
        QVERIFY(QFileInfo(folder_there.file("Vinylix.vnx")).isDir());

        test::TempFolder dangling;
        QVERIFY(QFile::link(dangling.file("gone/elsewhere.vnx"), dangling.file("Vinylix.vnx")));
        QVERIFY(!choose_data_folder(program.path(), dangling.path()).catalogue_created);
        QVERIFY(!QFileInfo::exists(dangling.file("gone")));
    }

    // A data folder that cannot be made is reported with its name; so is an unknown one.
    void a_data_folder_that_cannot_be_made_is_reported() {
        test::TempFolder program, home;
        ReadOnlyFolder read_only(program.path());
        home.write_file("share", "a file where a folder should be");
        const QString user_data = home.file("share/vinylix");
        QCOMPARE(chosen(program.path(), user_data), user_data + "|data||error");
        QVERIFY(choose_data_folder(program.path(), user_data).error.contains(user_data));
        QCOMPARE(home.read_file("share"), QByteArray("a file where a folder should be"));
        QVERIFY(!choose_data_folder(program.path(), QString()).error.isEmpty());
    }
};

VINYLIX_TEST(DataFolderTest)
#include "test_data_folder.moc"
