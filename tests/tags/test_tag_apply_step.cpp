#include "song_files.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "tags/tag_apply_step.h"
#include "tags/tag_edits.h"

#include <QTest>

using namespace vinylix;

class TagApplyStepTest : public QObject {
    Q_OBJECT

private slots:
    // Undone, an Apply leaves each file byte for byte as it was (the tag it appended cut off
    // again); redone, as the Apply left it. A file another program changed since is left alone
    // and named, and stays out of the redo.
    void an_apply_is_undone_byte_for_byte() {
        test::TempFolder folder;
        const QStringList names = {"tagged.mp3", "bare.mp3", "other.mp3"};
        folder.write_file(names[0], test::song_audio('a') + test::full_tag("11").render());
        folder.write_file(names[1], test::song_audio('b'));
        folder.write_file(names[2], test::song_audio('c') + test::full_tag("33").render());
        QStringList paths;
        QByteArrayList before;
        for (const QString& name : names) {
            paths << folder.file(name);
            before << folder.read_file(name);
        }
        TagEdits edits;
        edits.title = "New title";
        QList<TagRewrite> rewrites;
        for (const TagWriteResult& written : apply_tag_edits(list_files(paths), edits))
            rewrites << written.rewrite.value();
        QByteArrayList after;
        for (const QString& name : names)
            after << folder.read_file(name);
        QCOMPARE(after[1].size(), before[1].size() + 128);
        QByteArray changed = after[2];
        changed[changed.size() - 2] = 'x';
        folder.write_file(names[2], changed);

        TagApplyStep step(rewrites);
        QCOMPARE(step.name(), QStringLiteral("Tag Changes to 3 Files"));
        const UndoOutcome undone = step.undo({});
        QVERIFY(undone.carried_out);
        QVERIFY2(undone.notice.contains(folder.file(names[2])), qPrintable(undone.notice));
        QCOMPARE(folder.read_file(names[0]), before[0]);
        QCOMPARE(folder.read_file(names[1]), before[1]);
        QCOMPARE(folder.read_file(names[2]), changed);

        const UndoOutcome redone = step.redo({});
        QVERIFY(redone.carried_out && redone.notice.isEmpty());
        QCOMPARE(folder.read_file(names[0]), after[0]);
        QCOMPARE(folder.read_file(names[1]), after[1]);
        QCOMPARE(folder.read_file(names[2]), changed);
    }
};

VINYLIX_TEST(TagApplyStepTest)
#include "test_tag_apply_step.moc"
