#pragma once

#include "bitrate_table.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <optional>

namespace vinylix {

// How many bytes of an MP3 file are searched for the first frame header.
inline constexpr qsizetype header_search_length = 4096;

// The key byte of a frame header holds, from its high bit down: the version bit (1 = MPEG-1),
// the two layer bits (3 = Layer I, 2 = II, 1 = III), the protection bit and the bitrate index.
struct FrameKey {
    int version_bit = 0;
    int layer_bits = 0;
    int protection_bit = 0;
    int bitrate_index = 0;

    static FrameKey from_byte(std::uint8_t key);
    std::uint8_t to_byte() const;
    int column() const { return version_bit * 4 | layer_bits; }
};

// The length of the ID3v2 tag that `start` (the first bytes of a file) begins with: its 10-byte
// header, the size the header gives and the footer when there is one; 0 without such a tag.
qsizetype id3v2_tag_length(QByteArrayView start);

// The key byte of the first frame header in `window`, byte-aligned or starting on the low nibble
// of a byte; only the 12 sync bits are checked. A header counts when the window holds the three
// bytes its key is read from: 00 00 0F FF B9 gives B9. Empty when there is none.
std::optional<std::uint8_t> find_frame_key(QByteArrayView window);

// Whether `bytes` begin with the four bytes of a valid MPEG audio frame header: eleven sync bits,
// a known version and layer, a bitrate index other than 15 and a sample rate other than the
// reserved one. FF FB 90 64 (MPEG-1 Layer III, 128 kbps, 44.1 kHz) is one; "ID3", text or
// FF FF FF FF are not.
bool is_frame_header(QByteArrayView bytes);

// Whether `file`, open for reading and standing at its start, begins with MPEG audio: a frame
// header at its first byte, or right after a leading ID3v2 tag.
bool starts_with_mpeg_audio(QIODevice& file);

// The bitrate an album takes from a key byte: the table's value, where 48 counts as 128.
int bitrate_of_key(std::uint8_t key, const BitrateTable& table);

// The bitrate of the first frame header in the first 4096 bytes of `window`; empty when there
// is none.
std::optional<int> search_bitrate(QByteArrayView window, const BitrateTable& table);

// The bitrate of a file that begins with `start`: an ID3v2 tag there is skipped and the 4096
// bytes after it are searched. Empty when no header is found.
std::optional<int> detect_bitrate(QByteArrayView start, const BitrateTable& table);

// detect_bitrate over `file`, open for reading and standing at its start; reads only the bytes it
// needs (the head, and 4096 bytes past a leading ID3v2 tag). Empty when no header is found.
std::optional<int> read_bitrate(QIODevice& file, const BitrateTable& table);

// detect_bitrate over the file at `path`, reading only the bytes it needs; empty when the file
// cannot be read or holds no header where it is searched.
std::optional<int> read_bitrate(const QString& path, const BitrateTable& table);

} // namespace vinylix
