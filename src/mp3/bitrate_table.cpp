#include "bitrate_table.h"

#include <string_view>

namespace vinylix {

namespace {

// One row per bitrate index 1..14: six three-digit numbers, each followed by a comma, for the
// columns 7, 6, 5, 3, 2, 1 in that order (ISO/IEC 11172-3 and 13818-3; MPEG-2 Layers II and
// III share one set of values).
constexpr std::array<std::string_view, 14> bitrate_rows = {
    "032,032,032,032,008,008,", "064,048,040,048,016,016,", "096,056,048,056,024,024,",
    "128,064,056,064,032,032,", "160,080,064,080,040,040,", "192,096,080,096,048,048,",
    "224,112,096,112,056,056,", "256,128,112,128,064,064,", "288,160,128,144,080,080,",
    "320,192,160,160,096,096,", "352,224,192,176,112,112,", "384,256,224,192,128,128,",
    "416,320,256,224,144,144,", "448,384,320,256,160,160,"};

// The order in which each row lists its columns.
constexpr std::array<int, 6> row_columns = {7, 6, 5, 3, 2, 1};

std::int16_t three_digits(const QByteArray& text, qsizetype at) {
    std::int16_t number = 0;
    for (qsizetype i = at; i < at + 3; ++i)
        number = static_cast<std::int16_t>(number * 10 + (text[i] - '0'));
    return number;
}

} // namespace

void BitrateTable::load_bitrate() {
    text_.clear();
    for (const auto row : bitrate_rows)
        text_.append(row.data(), static_cast<qsizetype>(row.size()));
    values_ = {};
    qsizetype at = 0;
    for (int index = 1; index <= 14; ++index) {
        for (const int column : row_columns) {
            values_[column][index] = three_digits(text_, at);
            at += 4; // the number and its comma
        }
    }
}

std::int16_t BitrateTable::value(int column, int index) const {
    if (column < 0 || column >= column_count || index < 0 || index >= index_count)
        return 0;
    return values_[column][index];
}

const BitrateTable& loaded_bitrate_table() {
    static const BitrateTable table = [] {
        BitrateTable loaded;
        loaded.load_bitrate();
        return loaded;
    }();
    return table;
}

std::array<std::uint8_t, 2> shift_those_bits(const std::array<std::uint8_t, 3>& dIN) {
    const auto [b1, b2, b3] = dIN;
    return {static_cast<std::uint8_t>(((b1 & 15) * 16) | ((b2 & 240) / 16)),
            static_cast<std::uint8_t>(((b2 & 15) * 16) | ((b3 & 240) / 16))};
}

} // namespace vinylix
