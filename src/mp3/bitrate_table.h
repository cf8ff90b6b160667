#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

namespace vinylix {

// Bitrates in kbps of MPEG audio frames, by column code and bitrate index. The column code is
// version bit x 4 OR layer bits: 7, 6, 5 are MPEG-1 Layer I, II, III; 3, 2, 1 the same layers
// of MPEG-2. Columns 0 and 4 (reserved layer), index 0 (free format) and index 15 (forbidden)
// stay 0.
class BitrateTable {
public:
    static constexpr int column_count = 8;
    static constexpr int index_count = 16;

    // Builds the table text from its fourteen rows and parses it into the table.
    void load_bitrate();

    // The bitrate at (column code, bitrate index); 0 outside the filled cells or the table.
    std::int16_t value(int column, int index) const;
    // The fourteen rows joined, as load_bitrate parsed them (empty before the first load).
    const QByteArray& text() const { return text_; }

private:
    std::array<std::array<std::int16_t, index_count>, column_count> values_{};
    QByteArray text_;
};

// A table loaded once, for callers that keep none of their own.
const BitrateTable& loaded_bitrate_table();

// Moves the 24-bit value of the three bytes four bits to the left and keeps its middle 16 bits:
// the low nibble of byte 1 and the high nibble of byte 2, then the low nibble of byte 2 and the
// high nibble of byte 3.
std::array<std::uint8_t, 2> shift_those_bits(const std::array<std::uint8_t, 3>& dIN);

} // namespace vinylix
