#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include "mp3/genre_list.h"
#include "mp3/tag_file.h"

#include <QFile>
#include <QTest>

using namespace vinylix;

namespace {

const QByteArray audio = QByteArray(1000, '\x55') + QByteArray("TAG in the audio") + '\x01';

Id3v1Tag titled(const QString& title) {
    Id3v1Tag tag;
    tag.title = title;
    tag.genre = 9;
    return tag;
}

const QByteArray new_tag = titled("New").render();

} // namespace

class Id3v1TagTest : public QObject {
    Q_OBJECT

private slots:
    void parse_reads_nul_padded_fields_and_mirrors_render() {
        QByteArray bytes = "TAG";
        for (const char* field : {"Title", "Artist", "Album"})
            bytes += QByteArray(field).leftJustified(30, '\0');
        bytes += "1999" + QByteArray("Note").leftJustified(30, '\0') + '\x11';
        const auto tag = Id3v1Tag::parse(bytes).value();
        QStringList fields;
        for (const QString& field : {tag.title, tag.artist, tag.year, tag.comment})
            fields << Id3v1Tag::shown(field);
        QCOMPARE(fields, QStringList({"Title", "Artist", "1999", "Note"}));
        QCOMPARE(tag.genre, 17);
        QCOMPARE(tag.render(), bytes);
        for (int i = 3; i < 128; ++i) // every byte survives a round trip
            bytes[i] = static_cast<char>((i * 37 + 11) % 256);
        QCOMPARE(Id3v1Tag::parse(bytes)->render(), bytes);

        QVERIFY(!Id3v1Tag::parse(bytes.left(127)));
        QVERIFY(!Id3v1Tag::parse(bytes + ' '));
        bytes.replace(0, 3, "tag");
        QVERIFY(!Id3v1Tag::parse(bytes));
    }

    // An empty tag is blanks and genre 255; a field is shown without its trailing blanks. The
    // genre names keep their historical spellings and match in their own letter case only.
    void empty_tags_and_genre_names() {
        QCOMPARE(Id3v1Tag{}.render(), "TAG" + QByteArray(124, ' ') + '\xFF');
        QCOMPARE(Id3v1Tag::shown(u"  lead  "), QString("  lead"));
        QCOMPARE(genre_byte(u"power Ballad"), std::optional<std::uint8_t>(117));
        QCOMPARE(genre_byte(u""), std::optional<std::uint8_t>(148));
        QCOMPARE(genre_byte(u"Power Ballad"), std::nullopt);
    }

    void reading_a_file_sets_the_record_and_leaves_no_field_behind() {
        const test::TempFolder folder;
        folder.write_file("tagged.mp3", audio + new_tag);
        folder.write_file("plain.mp3", audio);
        folder.write_file("short.mp3", new_tag.left(127));
        SharedTag shared;
        read_tag(folder.file("tagged.mp3"), shared);
        QVERIFY(shared.tag_present);
        QCOMPARE(shared.record, Id3v1Tag::parse(new_tag).value());
        read_tag(folder.file("plain.mp3"), shared);
        QVERIFY(!shared.tag_present);
        QCOMPARE(shared.record, Id3v1Tag{});
        for (const QString& path :
             {folder.file("short.mp3"), folder.file("missing.mp3"), folder.path()})
            QVERIFY(!read_id3v1_tag(path));
    }

    void writing_overwrites_a_tag_or_appends_one_keeping_the_audio() {
        const test::TempFolder folder;
        const QByteArray lower = "tag" + titled("Old").render().sliced(3);
        folder.write_file("plain.mp3", audio);
        folder.write_file("tagged.mp3", audio + titled("Old").render());
        folder.write_file("lower.mp3", audio + lower);
        for (const char* name : {"plain.mp3", "tagged.mp3", "lower.mp3"})
            QVERIFY(write_tag(folder.file(name), titled("New")).ok());
        QCOMPARE(folder.read_file("plain.mp3"), audio + new_tag);
        QCOMPARE(folder.read_file("tagged.mp3"), audio + new_tag);
        QCOMPARE(folder.read_file("lower.mp3"), audio + lower + new_tag);
    }

    void failed_writes_report_why_and_change_nothing() {
        const test::TempFolder folder;
        folder.write_file("a.mp3", audio);
        QFile::setPermissions(folder.file("a.mp3"), QFile::ReadOwner | QFile::ReadGroup);
        TagWriteResult result = write_tag(folder.file("a.mp3"), titled("New"));
        QCOMPARE(result.kind, TagWriteResult::Kind::WriteProtected);
        QCOMPARE(folder.read_file("a.mp3"), audio);

        result = write_tag(folder.file("missing.mp3"), titled("New"));
        QVERIFY(result.kind == TagWriteResult::Kind::Other && !result.description.isEmpty());
        QVERIFY(!QFile::exists(folder.file("missing.mp3")));

        // A file-size limit with room for part of the tag only makes the append fail.
        folder.write_file("b.mp3", audio);
        {
            const test::FileSizeLimit limit(rlim_t(audio.size() + 50));
            result = write_tag(folder.file("b.mp3"), titled("New"));
        }
        QCOMPARE(result.kind, TagWriteResult::Kind::Other);
        QVERIFY2(result.description.contains("large"), qPrintable(result.description));
        QCOMPARE(folder.read_file("b.mp3"), audio);
    }

    // Another program cuts the file short after its tag was read: the write is named as a change
    // by another program, and the file stays as that program left it, never longer.
    void a_file_cut_short_between_read_and_write_is_left_as_it_was_cut() {
        const test::TempFolder folder;
        const QString path = folder.file("song.mp3");
        const QByteArray song = QByteArray(8192 - 128, '\x55');
        for (const QByteArray& before : {song + titled("Old").render(), song}) {
            folder.write_file("song.mp3", before);
            const TagChange cut_meanwhile = [&](const Id3v1Tag&) {
                QFile::resize(path, 5000);
                return titled("New");
            };
            QCOMPARE(change_tag(path, cut_meanwhile).kind, TagWriteResult::Kind::Changed);
            QCOMPARE(folder.read_file("song.mp3"), before.left(5000));
        }
    }
};

VINYLIX_TEST(Id3v1TagTest)

#include "test_id3v1_tag.moc"
