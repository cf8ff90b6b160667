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
    // Headers as encoders write them give the bitrates players show for those files; the
    // reserved layers, the free format and the forbidden index give nothing.
    void common_headers_give_their_bitrates_and_empty_cells_zero() {
        QCOMPARE(detect(hex("FFFBE000")), std::optional<int>(320)); // MPEG-1 Layer III, 14
        QCOMPARE(detect(hex("FFFB1000")), std::optional<int>(32));  // MPEG-1 Layer III, 1
        QCOMPARE(detect(hex("FFFDE000")), std::optional<int>(384)); // MPEG-1 Layer II, 14
        QCOMPARE(detect(hex("FFFFE000")), std::optional<int>(448)); // MPEG-1 Layer I, 14
        QCOMPARE(detect(hex("FFF79000")), std::optional<int>(144)); // MPEG-2 Layer I, 9
        QCOMPARE(detect(hex("FFF31000")), std::optional<int>(8));   // MPEG-2 Layer III, 1
        BitrateTable table;
        table.load_bitrate();
        for (int i = 0; i < BitrateTable::index_count; ++i) {
            QCOMPARE(table.value(0, i) + table.value(4, i), 0);
            QCOMPARE(table.value(i % 8, 0) + table.value(i % 8, 15), 0);
        }
        QCOMPARE(shift_those_bits({0x12, 0x34, 0x56}), (std::array<std::uint8_t, 2>{0x23, 0x45}));
    }

    void key_byte_gives_column_and_bitrate_with_48_as_128() {
        QCOMPARE(find_frame_key(frame_128), std::optional<std::uint8_t>(0xB9));
        QCOMPARE(FrameKey::from_byte(0xB9).column(), 5);
        QCOMPARE(detect(frame_128), std::optional<int>(128));
        const QByteArray mpeg2 = hex("FFF38400"); // MPEG-2 Layer III, index 8
        QCOMPARE(FrameKey::from_byte(*find_frame_key(mpeg2)).column(), 1);
        QCOMPARE(detect(mpeg2), std::optional<int>(64));
        // Free format, forbidden index, reserved layer bits: 0.
        for (const char* header : {"FFFB0000", "FFFBF000", "FFF99000", "FFF19000"})
            QCOMPARE(detect(hex(header)), std::optional<int>(0));
        // Every lookup that gives 48 stores 128.
        const BitrateTable& table = loaded_bitrate_table();
        int keys_of_48 = 0;
        for (int key = 0; key < 256; ++key) {
            const FrameKey fields = FrameKey::from_byte(static_cast<std::uint8_t>(key));
            const bool is_48 = table.value(fields.column(), fields.bitrate_index) == 48;
            const int stored = bitrate_of_key(static_cast<std::uint8_t>(key), table);
            QVERIFY(stored != 48 && (!is_48 || stored == 128));
            keys_of_48 += is_48 ? 1 : 0;
        }
        QCOMPARE(keys_of_48, 10); // five cells, each with and without protection
        QCOMPARE(detect(hex("FFFD2000")), std::optional<int>(128)); // MPEG-1 Layer II
    }

    void first_sync_pattern_wins_on_either_alignment() {
        QCOMPARE(detect(hex("000FFFB90640")), std::optional<int>(128));
        QCOMPARE(detect(hex("3FFF3800")), std::optional<int>(64));
        // FF Fx in leading data that is no ID3v2 tag is taken as the header.
        QCOMPARE(detect(picture + frame_128), std::optional<int>(64));
        QCOMPARE(id3v2_tag_length("ID3" + hex("03000000000180")), 0); // size byte over 7 bits
        QCOMPARE(id3v2_tag_length("id3" + hex("03000000000001")), 0);
    }

    void id3v2_tag_is_skipped_and_the_4096_bytes_after_it_searched() {
        const QByteArray tag = id3v2_tag(6 * 1024, picture);
        QCOMPARE(id3v2_tag_length(tag), 10 + 6 * 1024);
        QCOMPARE(detect(tag + QByteArray(4093, '\0') + frame_128), std::optional<int>(128));
        QCOMPARE(detect(tag + QByteArray(4094, '\0') + frame_128), std::nullopt);
        // A version 4 tag with its footer flag set ends 10 bytes later.
        QCOMPARE(id3v2_tag_length(id3v2_tag(100, {}, 0x10, 4)), 120);
        QCOMPARE(id3v2_tag_length(id3v2_tag(100, {}, 0x10, 3)), 110);
    }

    // A header counts when its first byte is the last-but-two searched, on either alignment;
    // one byte later it is out of reach.
    void a_header_in_the_last_three_bytes_is_found() {
        QCOMPARE(detect(hex("00000FFFB9")), std::optional<int>(128));
        QCOMPARE(detect(QByteArray(4093, '\0') + frame_128), std::optional<int>(128));
        QCOMPARE(detect(QByteArray(4093, '\0') + hex("0FFFB9") + "tail"), std::optional<int>(128));
        QCOMPARE(detect(QByteArray(4094, '\0') + frame_128), std::nullopt);
        QCOMPARE(detect(QByteArray(4094, '\0') + hex("0FFFB9")), std::nullopt);
        QCOMPARE(detect(frame_128.left(3)), std::optional<int>(128));
        QCOMPARE(detect(frame_128.left(2)), std::nullopt);
        QCOMPARE(detect(id3v2_tag(6 * 1024).left(3000)), std::nullopt); // tag past the end
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
            {hex("FFEB9064"), false},                 // reserved version
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
        const BitrateTable& table = loaded_bitrate_table();
        QCOMPARE(read_bitrate(folder.file("tagged.mp3"), table), std::optional<int>(128));
        QCOMPARE(read_bitrate(folder.file("short.mp3"), table), std::nullopt);
        QCOMPARE(read_bitrate(folder.file("missing.mp3"), table), std::nullopt);
    }
};

VINYLIX_TEST(FrameHeaderTest)

#include "frame_header_test.moc"
