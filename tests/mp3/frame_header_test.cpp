#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "mp3/frame_header.h"

#include <QTest>

using namespace vinylix;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int value : values)
        out.append(static_cast<char>(value));
    return out;
}

// An MPEG-1 Layer III frame header at 128 kbps, and one at 64 kbps.
const QByteArray frame_128 = bytes({0xFF, 0xFB, 0x90, 0x64});
const QByteArray frame_64 = bytes({0xFF, 0xFB, 0x50, 0x64});

// An ID3v2 tag of `body_size` bytes after its header, the body filled by `body`.
QByteArray id3v2_tag(int body_size, const QByteArray& body, int flags = 0, int version = 3) {
    QByteArray tag =
        "ID3" + bytes({version, 0, flags, (body_size >> 21) & 0x7F, (body_size >> 14) & 0x7F,
                       (body_size >> 7) & 0x7F, body_size & 0x7F});
    tag += body;
    tag.append(body_size - body.size(), '\0');
    return tag;
}

// A picture frame whose image data holds a 64 kbps frame pattern.
QByteArray picture_with_sync() {
    return "APIC" + QByteArray(200, '\x11') + frame_64 + QByteArray(300, '\x22');
}

std::optional<int> detect(const QByteArray& start) {
    return detect_bitrate(start, loaded_bitrate_table());
}

} // namespace

class FrameHeaderTest : public QObject {
    Q_OBJECT

private slots:
    void mpeg1_layer3_header_gives_key_b9_and_128() {
        QCOMPARE(find_frame_key(frame_128), std::optional<std::uint8_t>(0xB9));
        const FrameKey key = FrameKey::from_byte(0xB9);
        QCOMPARE(key.version_bit, 1);
        QCOMPARE(key.layer_bits, 1);
        QCOMPARE(key.protection_bit, 1);
        QCOMPARE(key.bitrate_index, 9);
        QCOMPARE(key.column(), 5);
        QCOMPARE(key.to_byte(), 0xB9);
        QCOMPARE(detect(frame_128), std::optional<int>(128));
    }

    void mpeg2_layer3_index_8_gives_64() {
        const QByteArray header = bytes({0xFF, 0xF3, 0x84, 0x00});
        QCOMPARE(FrameKey::from_byte(*find_frame_key(header)).column(), 1);
        QCOMPARE(detect(header), std::optional<int>(64));
    }

    void every_lookup_of_48_stores_128() {
        const BitrateTable& table = loaded_bitrate_table();
        int cells_of_48 = 0;
        for (int key = 0; key < 256; ++key) {
            const FrameKey fields = FrameKey::from_byte(static_cast<std::uint8_t>(key));
            QCOMPARE(fields.to_byte(), key);
            const int in_table = table.value(fields.column(), fields.bitrate_index);
            const int stored = bitrate_of_key(static_cast<std::uint8_t>(key), table);
            QCOMPARE(stored, in_table == 48 ? 128 : in_table);
            cells_of_48 += in_table == 48 && (key & 16) != 0 ? 1 : 0; // count each cell once
        }
        QCOMPARE(cells_of_48, 5);
        // MPEG-1 Layer III index 3, MPEG-1 Layer II index 2, MPEG-2 Layer I index 2.
        QCOMPARE(detect(bytes({0xFF, 0xFB, 0x30, 0})), std::optional<int>(128));
        QCOMPARE(detect(bytes({0xFF, 0xFD, 0x20, 0})), std::optional<int>(128));
        QCOMPARE(detect(bytes({0xFF, 0xF7, 0x20, 0})), std::optional<int>(128));
        // MPEG-2 Layers II and III, index 6.
        QCOMPARE(detect(bytes({0xFF, 0xF5, 0x60, 0})), std::optional<int>(128));
        QCOMPARE(detect(bytes({0xFF, 0xF3, 0x60, 0})), std::optional<int>(128));
    }

    void free_format_forbidden_index_and_reserved_layer_give_0() {
        QCOMPARE(detect(bytes({0xFF, 0xFB, 0x00, 0})), std::optional<int>(0));
        QCOMPARE(detect(bytes({0xFF, 0xFB, 0xF0, 0})), std::optional<int>(0));
        QCOMPARE(detect(bytes({0xFF, 0xF9, 0x90, 0})), std::optional<int>(0));
        QCOMPARE(detect(bytes({0xFF, 0xF1, 0x90, 0})), std::optional<int>(0));
    }

    void header_on_a_half_byte_boundary() {
        const QByteArray data = bytes({0x00, 0x0F, 0xFF, 0xB9, 0x06, 0x40});
        QCOMPARE(find_frame_key(data), std::optional<std::uint8_t>(0xB9));
        QCOMPARE(detect(data), std::optional<int>(128));
        QCOMPARE(detect(bytes({0x3F, 0xFF, 0x38, 0x00})), std::optional<int>(64));
    }

    void first_sync_pattern_in_leading_data_wins() {
        QByteArray data = QByteArray(100, ' ') + bytes({0xFF, 0xF3, 0x84, 0x00});
        data += QByteArray(100, ' ') + frame_128;
        QCOMPARE(detect(data), std::optional<int>(64));
    }

    void id3v2_tag_is_skipped_before_the_search() {
        const QByteArray tag = id3v2_tag(6 * 1024, picture_with_sync());
        QCOMPARE(id3v2_tag_length(tag), 10 + 6 * 1024);
        QCOMPARE(detect(tag + frame_128 + QByteArray(500, '\x55')), std::optional<int>(128));
        QCOMPARE(detect(picture_with_sync() + frame_128), std::optional<int>(64));
    }

    void the_4096_bytes_searched_follow_the_id3v2_tag() {
        const QByteArray tag = id3v2_tag(6 * 1024, picture_with_sync());
        QCOMPARE(detect(tag + QByteArray(4092, '\0') + frame_128), std::optional<int>(128));
        QCOMPARE(detect(tag + QByteArray(4093, '\0') + frame_128), std::nullopt);
    }

    void id3v24_footer_is_skipped_too() {
        const QByteArray tag = id3v2_tag(100, {}, 0x10, 4) + "3DI" + QByteArray(7, '\0');
        QCOMPARE(id3v2_tag_length(tag), 120);
        QCOMPARE(detect(tag + frame_128), std::optional<int>(128));
        QCOMPARE(id3v2_tag_length(id3v2_tag(100, {}, 0x10, 3)), 110);
    }

    void malformed_id3v2_header_is_searched_as_data() {
        // A size byte with its high bit set is no ID3v2 size.
        QByteArray data = "ID3" + bytes({3, 0, 0, 0, 0, 1, 0x80}) + bytes({0xFF, 0xF3, 0x84, 0});
        QCOMPARE(id3v2_tag_length(data), 0);
        data += QByteArray(400, '\0') + frame_128;
        QCOMPARE(detect(data), std::optional<int>(64));
        QCOMPARE(id3v2_tag_length("ID3" + bytes({0xFF, 0, 0, 0, 0, 0, 1})), 0);
        QCOMPARE(id3v2_tag_length("id3" + bytes({3, 0, 0, 0, 0, 0, 1})), 0);
    }

    void no_header_within_the_first_4096_bytes_is_unknown() {
        QCOMPARE(detect(QByteArray(5000, '\x12')), std::nullopt);
        QCOMPARE(detect(QByteArray(4096, '\0') + frame_128), std::nullopt);
        QCOMPARE(detect(QByteArray(4092, '\0') + frame_128), std::optional<int>(128));
        QCOMPARE(detect(QByteArray(4093, '\0') + frame_128), std::nullopt);
        QCOMPARE(detect(id3v2_tag(6 * 1024, {}).left(3000)), std::nullopt); // tag past the end
    }

    void fewer_than_four_bytes_hold_no_header() {
        QCOMPARE(detect({}), std::nullopt);
        QCOMPARE(detect(frame_128.left(3)), std::nullopt);
        QCOMPARE(detect(bytes({0x00, 0xFF, 0xFB, 0x90})), std::nullopt);
        QCOMPARE(detect(bytes({0x00, 0xFF, 0xFB, 0x90, 0x00})), std::optional<int>(128));
    }

    void read_bitrate_reads_the_file() {
        const test::TempFolder folder;
        const QByteArray tagged = id3v2_tag(6 * 1024, picture_with_sync()) + frame_128;
        folder.write_file("tagged.mp3", tagged + QByteArray(9000, '\x55'));
        folder.write_file("plain.mp3", frame_64 + QByteArray(100, '\x55'));
        folder.write_file("short.mp3", id3v2_tag(6 * 1024, {}).left(4000));
        const BitrateTable& table = loaded_bitrate_table();
        QCOMPARE(read_bitrate(folder.file("tagged.mp3"), table), std::optional<int>(128));
        QCOMPARE(read_bitrate(folder.file("plain.mp3"), table), std::optional<int>(64));
        QCOMPARE(read_bitrate(folder.file("short.mp3"), table), std::nullopt);
        QCOMPARE(read_bitrate(folder.file("missing.mp3"), table), std::nullopt);
    }
};

VINYLIX_TEST(FrameHeaderTest)

#include "frame_header_test.moc"
