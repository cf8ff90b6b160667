#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "mp3/frame_header.h"

#include <QBuffer>
#include <QTest>

using namespace vinylix;

namespace {

QByteArray hex(const char* digits) {
    return QByteArray::fromHex(digits);
}

// MPEG-1 Layer III frame headers at 128 and 64 kbps.
const QByteArray frame_128 = hex("FFFB9064");
const QByteArray frame_64 = hex("FFFB5064");

// An ID3v2 tag whose body of `size` bytes begins with `body`.
QByteArray id3v2_tag(int size, const QByteArray& body = {}, char flags = 0, char version = 3) {
    QByteArray tag = QByteArray("ID3") + version + '\0' + flags;
    for (int shift = 21; shift >= 0; shift -= 7)
        tag += static_cast<char>((size >> shift) & 0x7F);
    return tag + body + QByteArray(size - body.size(), '\0');
}

// A picture frame whose image data holds a 64 kbps frame pattern.
const QByteArray picture = "APIC" + QByteArray(200, '\x11') + frame_64 + QByteArray(300, '\x22');

std::optional<int> detect(const QByteArray& start) {
    return detect_bitrate(start, loaded_bitrate_table());
}

} // namespace

class FrameHeaderTest : public QObject {
    Q_OBJECT

private slots:
    // Headers as encoders write them give the bitrates players show for those files, 48 kbps
    // stored as 128; the free format, the forbidden index and reserved layer bits give 0. The
    // first sync pattern wins on either alignment, also one in leading data that is no ID3v2
    // tag; a leading tag is skipped and the 4096 bytes after it searched, a header counting
    // when its first byte is the last-but-two searched.
    void the_first_frame_header_gives_the_bitrate() {
        const QByteArray tag = id3v2_tag(6 * 1024, picture);
        const struct {
            QByteArray start;
            std::optional<int> bitrate;
        } cases[] = {
            {hex("FFFBE000"), 320},     // MPEG-1 Layer III, index 14
            {hex("FFFDE000"), 384},     // MPEG-1 Layer II, 14
            {hex("FFFFE000"), 448},     // MPEG-1 Layer I, 14
            {hex("FFF79000"), 144},     // MPEG-2 Layer I, 9
            {hex("FFF31000"), 8},       // MPEG-2 Layer III, 1
            {frame_128, 128},           // MPEG-1 Layer III, 9
            {hex("FFFD2000"), 128},     // MPEG-1 Layer II, 4: 48
            {hex("FFFB0000"), 0},       // free format
            {hex("FFFBF000"), 0},       // forbidden index
            {hex("FFF99000"), 0},       // reserved layer
            {hex("000FFFB90640"), 128}, // odd alignment
            {picture + frame_128, 64},  // FF Fx in data that is no tag
            {tag + QByteArray(4093, '\0') + frame_128, 128},
            {tag + QByteArray(4094, '\0') + frame_128, std::nullopt},
            {QByteArray(4093, '\0') + frame_128, 128},
            {QByteArray(4093, '\0') + hex("0FFFB9") + "tail", 128},
            {QByteArray(4094, '\0') + frame_128, std::nullopt},
            {QByteArray(4094, '\0') + hex("0FFFB9"), std::nullopt},
            {frame_128.left(3), 128},
            {frame_128.left(2), std::nullopt},
            {id3v2_tag(6 * 1024).left(3000), std::nullopt}, // tag past the end
        };
        for (const auto& c : cases)
            QCOMPARE(detect(c.start), c.bitrate);
    }

    // The tag's length counts its header, and a version 4 footer; a size byte over 7 bits or a
    // lower-case mark is no tag.
    void an_id3v2_tag_has_the_length_its_header_gives() {
        QCOMPARE(id3v2_tag_length(id3v2_tag(6 * 1024)), 10 + 6 * 1024);
        QCOMPARE(id3v2_tag_length(id3v2_tag(100, {}, 0x10, 4)), 120);
        QCOMPARE(id3v2_tag_length(id3v2_tag(100, {}, 0x10, 3)), 110);
        QCOMPARE(id3v2_tag_length("ID3" + hex("03000000000180")), 0);
        QCOMPARE(id3v2_tag_length("id3" + hex("03000000000001")), 0);
    }

    // A file counts as MPEG audio by a whole valid header at its start, or right after a
    // leading ID3v2 tag; text, a reserved field or a forbidden bitrate does not.
    void mpeg_audio_is_told_by_a_valid_header_at_the_start() {
        const struct {
            QByteArray start;
            bool audio;
        } cases[] = {
            {frame_128 + "rest", true},
            {id3v2_tag(600, picture) + frame_64, true},
            {"notes: FFFB9064", false},
            {QByteArray(1, 0) + frame_128, false},    // not at the start
            {id3v2_tag(300) + "x" + frame_64, false}, // not right after the tag
            {hex("FFFFFFFF"), false},                 // forbidden bitrate index 15
            {hex("FFFB9C64"), false},                 // reserved sample rate
        };
        for (const auto& c : cases) {
            QBuffer file;
            file.setData(c.start);
            file.open(QIODevice::ReadOnly);
            QCOMPARE(starts_with_mpeg_audio(file), c.audio);
        }
    }

    void read_bitrate_reads_the_file() {
        const test::TempFolder folder;
        folder.write_file("tagged.mp3", id3v2_tag(6 * 1024, picture) + frame_128);
        folder.write_file("short.mp3", id3v2_tag(6 * 1024).left(4000));
        QCOMPARE(read_bitrate(folder.file("tagged.mp3"), loaded_bitrate_table()).value_or(0), 128);
        QCOMPARE(read_bitrate(folder.file("short.mp3"), loaded_bitrate_table()), std::nullopt);
    }
};

VINYLIX_TEST(FrameHeaderTest)

#include "test_frame_header.moc"
