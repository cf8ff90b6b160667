#pragma once

#include <array>
#include <string_view>

namespace vinylix {

// One big letter of the banner: nine rows of equal width, row 0 at the top.
struct Glyph {
    static constexpr int row_count = 9;
    char16_t character;
    std::array<std::u16string_view, row_count> rows;
};

// The glyph drawn for `character` (compared as given, so pass it upper-cased); null when the
// font has none.
const Glyph* find_glyph(char16_t character);

} // namespace vinylix
