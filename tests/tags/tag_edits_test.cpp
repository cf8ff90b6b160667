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

namespace {

QList<Kind> kinds(const QList<TagWriteResult>& outcomes) {
    QList<Kind> result;
    for (const TagWriteResult& outcome : outcomes)
        result.append(outcome.kind);
    return result;
}

} // namespace

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

    void a_failing_file_gives_its_outcome_and_the_others_are_written() {
        const test::TempFolder folder;
        for (const char* name : {"a.mp3", "locked.mp3", "c.mp3", "gone.mp3", "moved.mp3"})
            folder.write_file(name, test::song_audio('z') + test::full_tag("88").render());
        QFile::setPermissions(folder.file("locked.mp3"), QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray locked = folder.read_file("locked.mp3");
        QList<ListedFile> listed;
        for (const char* name : {"a.mp3", "locked.mp3", "c.mp3", "gone.mp3", "moved.mp3"})
            listed += list_files({folder.file(name)});
        // Since the listing, one file was removed and another replaced under its name.
        QFile::remove(folder.file("gone.mp3"));
        folder.write_file("new.mp3", folder.read_file("moved.mp3"));
        QCOMPARE(
            std::rename(qPrintable(folder.file("new.mp3")), qPrintable(folder.file("moved.mp3"))),
            0);
        const QByteArray moved = folder.read_file("moved.mp3");

        TagEdits edits;
        edits.artist = "New artist";
        const QList<TagWriteResult> outcomes = apply_tag_edits(listed, edits);
        QCOMPARE(kinds(outcomes), QList({Kind::Written, Kind::WriteProtected, Kind::Written,
                                         Kind::Changed, Kind::Changed}));
        for (const char* name : {"a.mp3", "c.mp3"})
            QCOMPARE(Id3v1Tag::shown(read_id3v1_tag(folder.file(name))->artist), "New artist");
        QCOMPARE(folder.read_file("locked.mp3"), locked);
        QCOMPARE(folder.read_file("moved.mp3"), moved);
        QVERIFY(!QFile::exists(folder.file("gone.mp3")));
    }

    void a_written_file_keeps_its_new_stamp_and_a_changed_one_is_refused() {
        const test::TempFolder folder;
        folder.write_file("song.mp3", test::song_audio('s'));
        QList<ListedFile> listed = list_files({folder.file("song.mp3")});
        TagEdits edits;
        edits.year = "1999";
        TagWriteResult outcome = apply_tag_edits(listed, edits).value(0);
        QCOMPARE(outcome.kind, Kind::Written);
        QCOMPARE(outcome.stamp, stamp_of(folder.file("song.mp3")));
        QCOMPARE(apply_tag_edits(listed, edits).value(0).kind, Kind::Changed); // old stamp
        listed[0].stamp = *outcome.stamp;
        edits.year = "2000";
        QCOMPARE(apply_tag_edits(listed, edits).value(0).kind, Kind::Written);

        // Another program rewrites the file in place, keeping its size.
        listed = list_files({folder.file("song.mp3")});
        const QByteArray before = folder.read_file("song.mp3");
        folder.write_file("song.mp3", QByteArray(before).replace(10, 3, "new"));
        QFile file(folder.file("song.mp3"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(file.fileTime(QFile::FileModificationTime).addSecs(5),
                                 QFile::FileModificationTime));
        file.close();
        const QByteArray rewritten = folder.read_file("song.mp3");
        QCOMPARE(apply_tag_edits(listed, edits).value(0).kind, Kind::Changed);
        QCOMPARE(folder.read_file("song.mp3"), rewritten);
    }
};

VINYLIX_TEST(TagEditsTest)

#include "tag_edits_test.moc"
