#include "settings/settings_file.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QTest>

using namespace vinylix;

namespace {

PrivateProfile read_profile(const QString& path) {
    QString error;
    auto profile = PrivateProfile::read(path, &error);
    if (!profile)
        qFatal("settings file not read: %s", qPrintable(error));
    return *profile;
}

Options changed_options() {
    Options o;
    o.medium = Medium::DvdR;
    o.code_page = CodePage::Koi8R;
    o.exporting.nickstatus = true;
    o.exporting.nickname = "Zé";
    o.exporting.savemode = ListKind::Html;
    o.importing.foldername = "%2 (%1)";
    o.importing.path = "/home/collector/" + QString(120, u'm') + "/Música & \"Bands\"";
    o.spreadsheet.order = {"Size", "Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #"};
    o.spreadsheet.checks = {true, false, false, false, false, false, false, true};
    return o;
}

// The file's permission bits for its owner, group and others (the bits for the user running
// the test depend on who that is).
QFile::Permissions mode_of(const QString& path) {
    constexpr QFile::Permissions user = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    return QFile::permissions(path) & ~user;
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void profile_rules_keep_every_line_not_written() {
        test::TempFolder folder;
        QString error;
        QVERIFY(PrivateProfile::read(folder.file("none.ini"), &error)->read_key("a", "b") ==
                "error"); // no file yet
        // Windows-1252 text ("Zé" as the byte E9) and LF line ends stay as they are.
        const QByteArray before = "; kept comment\n[Settings]\n  SAVE =  1  \nstray line\n\n"
                                  "[export]\nnickname=Z\xE9\n";
        folder.write_file("vinylix.ini", before);
        PrivateProfile file = read_profile(folder.file("vinylix.ini"));
        QCOMPARE(file.read_key("SETTINGS", "Save"), QStringLiteral("1"));
        QCOMPARE(file.read_key("settings", "nickname"), QStringLiteral("error"));
        QCOMPARE(file.read_key("export", "nickname", "x"), QStringLiteral("Zé"));

        // The same value keeps its line; a write changes its own line only; new keys join their
        // section; new sections go last; a new text in the file's own code page.
        file.write_key("settings", "save", "1");
        QVERIFY(!file.changed());
        file.write_key("settings", "save", "0");
        file.write_key("settings", "other", "ø");
        file.write_key("import", "path", "/music");
        QVERIFY(file.save(folder.file("vinylix.ini"), &error));
        QCOMPARE(folder.read_file("vinylix.ini"),
                 QByteArray("; kept comment\n[Settings]\nsave=0\nstray line\nother=\xF8\n\n"
                            "[export]\nnickname=Z\xE9\n[import]\npath=/music\n"));
    }

    // A file Windows wrote in UTF-16 (with its byte-order mark, either byte order) reads as text
    // and is written back in UTF-16: one line changes, every other keeps its bytes, even a
    // half character that cannot be read.
    void a_utf16_file_is_read_and_written_back_in_utf16() {
        const QString before = QStringLiteral("; Zé 日本\r\n[settings]\r\nsave=0\r\n\r\n"
                                              "[export]\r\nnickname=Old\r\n");
        const QString after = QStringLiteral("; Zé 日本\r\n[settings]\r\nsave=1\r\nother=ø€\r\n"
                                             "\r\n[export]\r\nnickname=Old\r\n");
        for (const bool little_endian : {true, false}) {
            QStringEncoder utf16(little_endian ? QStringConverter::Utf16LE
                                               : QStringConverter::Utf16BE);
            const QByteArray mark = little_endian ? "\xFF\xFE" : "\xFE\xFF";
            const QByteArray lone_half = little_endian ? QByteArray("\x00\xD8\r\x00\n\x00", 6)
                                                       : QByteArray("\xD8\x00\x00\r\x00\n", 6);
            test::TempFolder folder;
            folder.write_file("vinylix.ini", mark + utf16.encode(before) + lone_half);
            PrivateProfile file = read_profile(folder.file("vinylix.ini"));
            QCOMPARE(file.read_key("settings", "save"), QStringLiteral("0"));
            file.write_key("settings", "save", "1");
            file.write_key("settings", "other", "ø€");
            QString error;
            QVERIFY(file.save(folder.file("vinylix.ini"), &error));
            QCOMPARE(folder.read_file("vinylix.ini"), mark + utf16.encode(after) + lone_half);
        }
    }

    void options_round_trip_through_one_write() {
        test::TempFolder folder;
        const QString path = folder.file("vinylix.ini");
        SettingsFile first(path);
        QString error;
        QVERIFY(first.save(changed_options(), &error));
        QVERIFY(SettingsFile(path).options() == changed_options());
        QCOMPARE(read_profile(path).read_key("excel", "CD #"), QStringLiteral("7"));
        QCOMPARE(read_profile(path).read_key("settings", "medium"), QStringLiteral("4482"));
        // Saving what the file already says leaves it alone.
        const QDateTime written = QFileInfo(path).lastModified();
        QTest::qWait(20);
        QVERIFY(SettingsFile(path).save(changed_options(), &error));
        QCOMPARE(QFileInfo(path).lastModified(), written);
    }

    void save_off_writes_only_the_switch() {
        test::TempFolder folder;
        folder.write_file("vinylix.ini", "[settings]\r\nsave=1\r\n[export]\r\nnickname=Old\r\n");
        Options o;
        o.save = false;
        o.exporting.nickname = "New";
        QString error;
        QVERIFY(SettingsFile(folder.file("vinylix.ini")).save(o, &error));
        QCOMPARE(folder.read_file("vinylix.ini"),
                 QByteArray("[settings]\r\nsave=0\r\n[export]\r\nnickname=Old\r\n"));
    }

    // An old file names no code page and is not given one until a page is chosen. A value this
    // version cannot read keeps the initial state; a code page or medium it does not know, or a
    // save switch of 5, keeps its text when saved back.
    void texts_the_user_did_not_change_keep_their_bytes() {
        test::TempFolder folder;
        const QString path = folder.file("vinylix.ini");
        folder.write_file("vinylix.ini", "[settings]\r\nsave=1\r\n");
        Options o = SettingsFile(path).options();
        QString error;
        QVERIFY(SettingsFile(path).save(o, &error));
        QCOMPARE(read_profile(path).find_key("settings", "codepage"), std::nullopt);
        o.code_page = CodePage::Windows1251;
        QVERIFY(SettingsFile(path).save(o, &error));
        QCOMPARE(read_profile(path).read_key("settings", "codepage"), QString("windows-1251"));

        const QByteArray odd = "[settings]\r\nsave=1\r\ncodepage=EBCDIC-37\r\nmedium=701\r\n"
                               "[export]\r\nyear=01\r\nsavemode=7\r\n";
        folder.write_file("vinylix.ini", odd + "cover=abc\r\n[excel]\r\nSize=0\r\nArtist=1\r\n"
                                               "Album=9\r\nYear=1\r\n3=1\r\n");
        o = SettingsFile(path).options();
        QCOMPARE(o.exporting.savemode, ListKind::Html); // any number but 1 presses button 2
        QVERIFY(!o.exporting.cover && o.exporting.year && o.spreadsheet.checks[3]);
        QCOMPARE(o.code_page, CodePage::Windows1252);
        QCOMPARE(o.medium, Medium::CdR700);
        // Size and Artist take places 0 and 1; Year's place is taken and Album's is out of
        // range, so they and the fields without a key fill the free places in reference order.
        QCOMPARE(o.spreadsheet.order.join(u'|'), "Size|Artist|Album|Year|Cover|Cds|Kbps|CD #");
        QVERIFY(SettingsFile(path).save(o, &error));
        QVERIFY(folder.read_file("vinylix.ini").startsWith(odd));
        folder.write_file("vinylix.ini", "[settings]\r\nsave=5\r\n");
        QVERIFY(!SettingsFile(path).options().save);
        QVERIFY(SettingsFile(path).save(SettingsFile(path).options(), &error));
        QCOMPARE(folder.read_file("vinylix.ini"), QByteArray("[settings]\r\nsave=5\r\n"));
    }

    // Read-only (even where the user could override it), a folder in its place, a disk that
    // fills half-way: each time the old file stays byte for byte, and one reason names it.
    void a_file_that_cannot_be_written_is_left_as_it_was() {
        test::TempFolder folder;
        const QByteArray before = "[settings]\r\nsave=1\r\n";
        const QString path = folder.file("vinylix.ini");
        folder.write_file("vinylix.ini", before);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        QString error;
        QVERIFY(!SettingsFile(path).save(changed_options(), &error));
        QVERIFY(error.contains(path) && error.contains("read-only"));
        QCOMPARE(folder.read_file("vinylix.ini"), before);
        QCOMPARE(mode_of(path), QFile::ReadOwner | QFile::ReadGroup);

        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        {
            const test::FileSizeLimit limit(before.size() + 10);
            QVERIFY(!SettingsFile(path).save(changed_options(), &error));
        }
        QVERIFY(error.contains(path));
        QCOMPARE(folder.read_file("vinylix.ini"), before);
        QCOMPARE(mode_of(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"vinylix.ini"});

        QDir(folder.path()).mkdir("folder.ini");
        QVERIFY(!SettingsFile(folder.file("folder.ini")).save(changed_options(), &error));
        QVERIFY(error.contains("folder.ini"));
        QVERIFY(QFileInfo(folder.file("folder.ini")).isDir());
    }
};

VINYLIX_TEST(SettingsFileTest)
#include "test_settings_file.moc"
