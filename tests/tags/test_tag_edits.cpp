#include "song_files.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "mp3/tag_file.h"
#include "tags/tag_edits.h"

#include <QFile>
#include <QTest>
#include <cstdio>

using namespace vinylix;
using Kind = TagWriteResult::Kind;

class TagEditsTest : public QObject {
    Q_OBJECT

private slots:
    void edits_fit_each_field_and_take_the_genre_by_name() {
        const Id3v1Tag own = test::full_tag("77", 9);
        TagEdits edits;
        QCOMPARE(edited_tag(own, edits), own);
        edits.title = QString(31, u'x');
        edits.year = "20011";
        edits.comment = "Abc";
        edits.genre = "power Ballad";
        Id3v1Tag expected = own;
        expected.title = QString(30, u'x');
        expected.year = "2001";
        expected.comment = "Abc" + QString(27, u' ');
        expected.genre = 117;
        QCOMPARE(edited_tag(own, edits), expected);
        edits.genre = "Power Ballad"; // no such entry: the genre stays
        expected.genre = 9;
        QCOMPARE(edited_tag(own, edits), expected);
        edits = {};
        edits.genre = ""; // the empty last entry
        QCOMPARE(edited_tag(own, edits).genre, 148);
    }

    // Only ticked fields are looked at, each within its width (the comment's "ß" would not fit).
    void the_letters_a_code_page_lacks_are_named_by_field() {
        TagEdits edits;
        edits.title = "Zoë";
        edits.year = "2024";
        edits.comment = QString(28, u'x') + "üéß";
        const QList<LackingLetters> expected = {{&TagEdits::title, {"ë"}},
                                                {&TagEdits::comment, {"ü", "é"}}};
        QCOMPARE(letters_lacking(edits, CodePage::Windows1251), expected);
        QVERIFY(letters_lacking(edits, CodePage::Windows1252).isEmpty());
    }

    // A file that cannot be written, or that changed since it was listed (removed, replaced,
    // or rewritten in place at the same size), is refused and kept; the others are written.
    void a_failing_file_gives_its_outcome_and_the_others_are_written() {
        const test::TempFolder folder;
        const QStringList names = {"a.mp3", "locked.mp3", "gone.mp3", "moved.mp3", "edited.mp3"};
        QList<ListedFile> listed;
        for (const QString& name : names) {
            folder.write_file(name, test::song_audio('z') + test::full_tag("88").render());
            listed += list_files({folder.file(name)});
        }
        QFile::setPermissions(folder.file("locked.mp3"), QFile::ReadOwner | QFile::ReadGroup);
        QFile::remove(folder.file("gone.mp3"));
        folder.write_file("new.mp3", folder.read_file("moved.mp3"));
        QCOMPARE(
            std::rename(qPrintable(folder.file("new.mp3")), qPrintable(folder.file("moved.mp3"))),
            0);
        folder.write_file("edited.mp3", folder.read_file("edited.mp3").replace(10, 3, "new"));
        QFile file(folder.file("edited.mp3"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(file.fileTime(QFile::FileModificationTime).addSecs(5),
                                 QFile::FileModificationTime));
        file.close();
        QByteArrayList before;
        for (const QString& name : names)
            before << folder.read_file(name);

        TagEdits edits;
        edits.artist = "New artist";
        QList<Kind> kinds;
        for (const TagWriteResult& outcome : apply_tag_edits(listed, edits))
            kinds << outcome.kind;
        QCOMPARE(kinds, QList({Kind::Written, Kind::WriteProtected, Kind::Changed, Kind::Changed,
                               Kind::Changed}));
        QCOMPARE(Id3v1Tag::shown(read_id3v1_tag(folder.file("a.mp3"))->artist), "New artist");
        for (int i = 1; i < names.size(); ++i)
            QCOMPARE(folder.read_file(names[i]), before[i]);
    }
};

VINYLIX_TEST(TagEditsTest)

#include "test_tag_edits.moc"
