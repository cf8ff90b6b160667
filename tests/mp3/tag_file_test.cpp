#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "mp3/tag_file.h"

#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace vinylix;

namespace {

const QByteArray audio = QByteArray(1000, '\x55') + QByteArray("TAG in the audio") + '\x01';

Id3v1Tag record(const QString& title, std::uint8_t genre) {
    Id3v1Tag tag;
    tag.title = title;
    tag.artist = "Artist";
    tag.album = "Album";
    tag.year = "1987";
    tag.comment = "Comment";
    tag.genre = genre;
    return tag;
}

// Lets the process write files no longer than `bytes` while it lives; a write beyond fails with
// "File too large" instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : old_handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int);
};

void make_read_only(const QString& path) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup);
}

} // namespace

class TagFileTest : public QObject {
    Q_OBJECT

private slots:
    void reading_a_tagged_file_fills_the_record() {
        const test::TempFolder folder;
        folder.write_file("a.mp3", audio + record("Song", 9).render());
        SharedTag shared;
        read_tag(folder.file("a.mp3"), shared);
        QVERIFY(shared.tag_present);
        QCOMPARE(Id3v1Tag::shown(shared.record.title), QString("Song"));
        QCOMPARE(shared.record.year, QString("1987"));
        QCOMPARE(shared.record.genre, 9);
    }

    void reading_an_untagged_file_leaves_no_field_behind() {
        const test::TempFolder folder;
        folder.write_file("tagged.mp3", audio + record("Song", 9).render());
        folder.write_file("plain.mp3", audio);
        SharedTag shared;
        read_tag(folder.file("tagged.mp3"), shared);
        read_tag(folder.file("plain.mp3"), shared);
        QVERIFY(!shared.tag_present);
        QCOMPARE(shared.record, Id3v1Tag{});
        QCOMPARE(shared.record.genre, 255);
    }

    void short_missing_and_lower_case_files_have_no_tag() {
        const test::TempFolder folder;
        folder.write_file("short.mp3", record("Song", 9).render().left(127));
        QByteArray lower = record("Song", 9).render();
        lower.replace(0, 3, "tag");
        folder.write_file("lower.mp3", audio + lower);
        QVERIFY(!read_id3v1_tag(folder.file("short.mp3")));
        QVERIFY(!read_id3v1_tag(folder.file("lower.mp3")));
        QVERIFY(!read_id3v1_tag(folder.file("missing.mp3")));
        QVERIFY(!read_id3v1_tag(folder.path()));
        folder.write_file("exact.mp3", record("Song", 9).render());
        QVERIFY(read_id3v1_tag(folder.file("exact.mp3")));
    }

    void writing_to_an_untagged_file_appends_128_bytes() {
        const test::TempFolder folder;
        folder.write_file("a.mp3", audio);
        QVERIFY(write_tag(folder.file("a.mp3"), record("New", 3)).ok());
        const QByteArray written = folder.read_file("a.mp3");
        QCOMPARE(written.size(), audio.size() + 128);
        QCOMPARE(written.left(audio.size()), audio);
        QCOMPARE(written.right(128), record("New", 3).render());
    }

    void writing_to_a_tagged_file_overwrites_its_tag() {
        const test::TempFolder folder;
        folder.write_file("a.mp3", audio + record("Old", 1).render());
        QVERIFY(write_tag(folder.file("a.mp3"), record("New", 3)).ok());
        QCOMPARE(folder.read_file("a.mp3"), audio + record("New", 3).render());
        SharedTag shared;
        read_tag(folder.file("a.mp3"), shared);
        QCOMPARE(shared.record, Id3v1Tag::parse(record("New", 3).render()).value());
    }

    void lower_case_marker_gets_a_new_tag_appended() {
        const test::TempFolder folder;
        QByteArray lower = record("Old", 1).render();
        lower.replace(0, 3, "tag");
        folder.write_file("a.mp3", audio + lower);
        QVERIFY(write_tag(folder.file("a.mp3"), record("New", 3)).ok());
        QCOMPARE(folder.read_file("a.mp3"), audio + lower + record("New", 3).render());
    }

    void read_only_file_is_write_protected_and_unchanged() {
        const test::TempFolder folder;
        folder.write_file("a.mp3", audio);
        make_read_only(folder.file("a.mp3"));
        const TagWriteResult result = write_tag(folder.file("a.mp3"), record("New", 3));
        QCOMPARE(result.kind, TagWriteResult::Kind::WriteProtected);
        QVERIFY(!result.ok());
        QCOMPARE(folder.read_file("a.mp3"), audio);
    }

    void missing_file_is_not_created() {
        const test::TempFolder folder;
        const TagWriteResult result = write_tag(folder.file("missing.mp3"), record("New", 3));
        QCOMPARE(result.kind, TagWriteResult::Kind::Other);
        QVERIFY(!result.description.isEmpty());
        QVERIFY(!QFile::exists(folder.file("missing.mp3")));
    }

    void other_failures_carry_the_system_description() {
        const test::TempFolder folder;
        const TagWriteResult folder_result = write_tag(folder.path(), record("New", 3));
        QCOMPARE(folder_result.kind, TagWriteResult::Kind::Other);
        QVERIFY(!folder_result.description.isEmpty());
    }

    void failed_append_leaves_the_file_unchanged() {
        const test::TempFolder folder;
        folder.write_file("a.mp3", audio);
        TagWriteResult result;
        {
            const FileSizeLimit limit(audio.size() + 50); // room for part of the tag only
            result = write_tag(folder.file("a.mp3"), record("New", 3));
        }
        QCOMPARE(result.kind, TagWriteResult::Kind::Other);
        QVERIFY2(result.description.contains("large"), qPrintable(result.description));
        QCOMPARE(folder.read_file("a.mp3"), audio);
    }
};

VINYLIX_TEST(TagFileTest)

#include "tag_file_test.moc"
