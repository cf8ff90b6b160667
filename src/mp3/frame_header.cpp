#include "frame_header.h"

#include "regular_file.h"

#include <QFile>
#include <algorithm>

namespace vinylix {

namespace {

constexpr qsizetype id3v2_header_length = 10;
constexpr qsizetype id3v2_footer_length = 10;
constexpr std::uint8_t id3v2_footer_flag = 0x10;

std::uint8_t byte_at(QByteArrayView bytes, qsizetype i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

// FF Fx: twelve set bits starting at byte i.
bool sync_on_byte(QByteArrayView bytes, qsizetype i) {
    return byte_at(bytes, i) == 0xFF && (byte_at(bytes, i + 1) & 0xF0) == 0xF0;
}

// Bytes i to i + 2; a byte past the end reads 0 (only the low bits of the key come from it).
std::array<std::uint8_t, 3> three_bytes(QByteArrayView bytes, qsizetype i) {
    const auto at = [&](qsizetype k) -> std::uint8_t {
        return k < bytes.size() ? byte_at(bytes, k) : 0;
    };
    return {at(i), at(i + 1), at(i + 2)};
}

} // namespace

FrameKey FrameKey::from_byte(std::uint8_t key) {
    return {(key & 128) / 128, (key & 96) / 32, (key & 16) / 16, key & 15};
}

std::uint8_t FrameKey::to_byte() const {
    return static_cast<std::uint8_t>((version_bit & 1) << 7 | (layer_bits & 3) << 5 |
                                     (protection_bit & 1) << 4 | (bitrate_index & 15));
}

qsizetype id3v2_tag_length(QByteArrayView start) {
    if (start.size() < id3v2_header_length || !start.startsWith("ID3"))
        return 0;
    // Version and revision are never FF, and each size byte carries 7 bits (synchsafe).
    if (byte_at(start, 3) == 0xFF || byte_at(start, 4) == 0xFF)
        return 0;
    qsizetype size = 0;
    for (qsizetype i = 6; i < id3v2_header_length; ++i) {
        if (byte_at(start, i) >= 0x80)
            return 0;
        size = size * 128 + byte_at(start, i);
    }
    const bool footer = byte_at(start, 3) >= 4 && (byte_at(start, 5) & id3v2_footer_flag) != 0;
    return id3v2_header_length + size + (footer ? id3v2_footer_length : 0);
}

std::optional<std::uint8_t> find_frame_key(QByteArrayView window) {
    // Either alignment decides its key from three bytes, so a header found on the last three
    // bytes counts; the byte after them, when there is one, changes nothing in the key.
    for (qsizetype i = 0; i + 2 < window.size(); ++i) {
        if (byte_at(window, i) != 0xFF && byte_at(window, i + 1) != 0xFF)
            continue; // neither alignment can start here
        if (sync_on_byte(window, i))
            return shift_those_bits(three_bytes(window, i + 1))[0];
        const auto shifted = shift_those_bits(three_bytes(window, i));
        if (shifted[0] == 0xFF && (shifted[1] & 0xF0) == 0xF0)
            return byte_at(window, i + 2);
    }
    return std::nullopt;
}

bool is_frame_header(QByteArrayView bytes) {
    if (bytes.size() < 4 || byte_at(bytes, 0) != 0xFF || (byte_at(bytes, 1) & 0xE0) != 0xE0)
        return false;
    const int version = (byte_at(bytes, 1) >> 3) & 3;     // 1 is reserved
    const int layer = (byte_at(bytes, 1) >> 1) & 3;       // 0 is reserved
    const int bitrate_index = byte_at(bytes, 2) >> 4;     // 15 is forbidden
    const int sample_rate = (byte_at(bytes, 2) >> 2) & 3; // 3 is reserved
    return version != 1 && layer != 0 && bitrate_index != 15 && sample_rate != 3;
}

bool starts_with_mpeg_audio(QIODevice& file) {
    const QByteArray head = file.read(id3v2_header_length);
    const qsizetype skip = id3v2_tag_length(head);
    if (skip == 0)
        return is_frame_header(head);
    return file.seek(skip) && is_frame_header(file.read(4));
}

int bitrate_of_key(std::uint8_t key, const BitrateTable& table) {
    const FrameKey fields = FrameKey::from_byte(key);
    const int found = table.value(fields.column(), fields.bitrate_index);
    return found == 48 ? 128 : found;
}

std::optional<int> search_bitrate(QByteArrayView window, const BitrateTable& table) {
    const auto key = find_frame_key(window.first(std::min(window.size(), header_search_length)));
    if (!key)
        return std::nullopt;
    return bitrate_of_key(*key, table);
}

std::optional<int> detect_bitrate(QByteArrayView start, const BitrateTable& table) {
    const qsizetype skip = id3v2_tag_length(start);
    if (skip >= start.size())
        return std::nullopt;
    return search_bitrate(start.sliced(skip), table);
}

std::optional<int> read_bitrate(const QString& path, const BitrateTable& table) {
    QFile file(path);
    if (!open_regular_file(file, QIODevice::ReadOnly))
        return std::nullopt;
    return read_bitrate(file, table);
}

std::optional<int> read_bitrate(QIODevice& file, const BitrateTable& table) {
    QByteArray window = file.read(header_search_length);
    const qsizetype skip = id3v2_tag_length(window);
    if (skip > 0) {
        if (!file.seek(skip))
            return std::nullopt;
        window = file.read(header_search_length);
    }
    return search_bitrate(window, table);
}

} // namespace vinylix
