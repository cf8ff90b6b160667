#include "settings/settings_file.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void profile_rules() {
        test::TempFolder folder;
        const PrivateProfile file(folder.file("vinylix.ini"));
        QCOMPARE(file.read_key("settings", "save"), QStringLiteral("error")); // no file yet
        folder.write_file("vinylix.ini", "; kept comment\r\n[Settings]\r\n  SAVE =  1  \r\n"
                                         "stray line\r\n\r\n[export]\r\nnickname=Bob\r\n");
        QCOMPARE(file.read_key("settings", "save"), QStringLiteral("1"));
        QCOMPARE(file.read_key("SETTINGS", "Save"), QStringLiteral("1"));
        QCOMPARE(file.read_key("settings", "nickname"), QStringLiteral("error"));
        QCOMPARE(file.read_key("export", "nickname", "x"), QStringLiteral("Bob"));

        // A write changes its own line only; new keys join their section; new sections go last.
        QVERIFY(file.write_key("settings", "save", "0"));
        QVERIFY(file.write_key("settings", "other", "v"));
        QVERIFY(file.write_key("import", "path", "/music"));
        QCOMPARE(folder.read_file("vinylix.ini"),
                 QByteArray("; kept comment\r\n[Settings]\r\nsave=0\r\nstray line\r\nother=v\r\n"
                            "\r\n[export]\r\nnickname=Bob\r\n[import]\r\npath=/music\r\n"));
    }

    void long_values_come_back_whole() {
        test::TempFolder folder;
        const PrivateProfile file(folder.file("vinylix.ini"));
        const QString path = "/home/collector/" + QString(120, u'm') + "/Música & \"Bands\"";
        QVERIFY(file.write_key("import", "path", path));
        QCOMPARE(file.read_key("import", "path"), path);
    }

    void options_round_trip_in_order() {
        test::TempFolder folder;
        const PrivateProfile file(folder.file("vinylix.ini"));
        Options o;
        o.exporting.nickstatus = 1;
        o.exporting.nickname = "Zé";
        o.exporting.email = "a@b.c";
        o.exporting.size = 1;
        o.exporting.savemode = 2;
        o.importing.foldername = "%2 (%1)";
        o.importing.convertlower = 1;
        o.importing.path = "/music";
        o.spreadsheet.order = {"Size", "Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #"};
        o.spreadsheet.checks = {1, 0, 0, 0, 0, 0, 0, 1};
        QCOMPARE(save_settings(file, o), 0);
        QVERIFY(load_settings(file) == o);
        QCOMPARE(file.read_key("excel", "CD #"), QStringLiteral("7"));
    }

    void save_off_writes_only_the_switch() {
        test::TempFolder folder;
        const QByteArray before = "[settings]\r\nsave=1\r\n[export]\r\nnickname=Old\r\n";
        folder.write_file("vinylix.ini", before);
        const PrivateProfile file(folder.file("vinylix.ini"));
        Options o;
        o.save = 0;
        o.exporting.nickname = "New";
        QCOMPARE(save_settings(file, o), 0);
        QCOMPARE(folder.read_file("vinylix.ini"),
                 QByteArray("[settings]\r\nsave=0\r\n[export]\r\nnickname=Old\r\n"));
    }

    void absent_or_bad_values_keep_the_initial_state() {
        test::TempFolder folder;
        folder.write_file("vinylix.ini", "[settings]\r\nsave=yes\r\n[export]\r\nsavemode=0\r\n"
                                         "cover=abc\r\nyear=1\r\n[excel]\r\nSize=0\r\nArtist=1\r\n"
                                         "Album=9\r\nYear=1\r\n3=1\r\n");
        const Options o = load_settings(PrivateProfile(folder.file("vinylix.ini")));
        QCOMPARE(o.save, 1);               // not a number: initial state
        QCOMPARE(o.exporting.savemode, 2); // any number but 1 presses button 2
        QCOMPARE(o.exporting.cover, 0);
        QCOMPARE(o.exporting.year, 1);
        QCOMPARE(o.importing.foldername, QStringLiteral("%1 - %2"));
        QCOMPARE(o.spreadsheet.checks[3], 1);
        // Size and Artist take places 0 and 1; Year's place is taken and Album's is out of
        // range, so they and
        // the fields without a key fill the free places in reference order; none is lost.
        QCOMPARE(o.spreadsheet.order,
                 QStringList({"Size", "Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #"}));
        folder.write_file("vinylix.ini", "[export]\r\nsavemode=2\r\n");
        Options initial;
        initial.exporting.savemode = 1;
        QCOMPARE(
            load_settings(PrivateProfile(folder.file("vinylix.ini")), initial).exporting.savemode,
            2);
    }

    void a_failing_write_is_counted_per_key_and_keeps_the_file() {
        test::TempFolder folder;
        const QString path = folder.file("no such folder/vinylix.ini");
        QStringList failed;
        const int failures =
            save_settings(PrivateProfile(path), Options{},
                          [&](const QString& s, const QString& k) { failed << s + "/" + k; });
        QCOMPARE(failures, 1 + 11 + 1 + 3 + 8 + 8);
        QCOMPARE(failed.first(), QStringLiteral("settings/save"));
        QCOMPARE(failed.last(), QStringLiteral("excel/7"));
    }

    void a_write_protected_file_is_left_as_it_is() {
        test::TempFolder folder;
        const QString protected_path = folder.file("vinylix.ini");
        folder.write_file("vinylix.ini", "[settings]\r\nsave=1\r\n");
        QFile::setPermissions(protected_path, QFile::ReadOwner);
        if (QFileInfo(protected_path).isWritable())
            QSKIP("running with rights that ignore file permissions");
        QVERIFY(!PrivateProfile(protected_path).write_key("settings", "save", "0"));
        QCOMPARE(folder.read_file("vinylix.ini"), QByteArray("[settings]\r\nsave=1\r\n"));
    }
};

VINYLIX_TEST(SettingsFileTest)
#include "test_settings_file.moc"
