#include "banner.h"

#include "banner_font.h"
#include "store/line_end.h"

#include <vector>

namespace vinylix {

namespace {

std::vector<const Glyph*> glyphs_of(QStringView text) {
    std::vector<const Glyph*> glyphs;
    for (const QChar character : text) {
        if (const Glyph* glyph = find_glyph(character.toUpper().unicode()))
            glyphs.push_back(glyph);
    }
    return glyphs;
}

} // namespace

QString create_ascii(QStringView resposta) {
    if (resposta.isEmpty())
        return {};
    const std::vector<const Glyph*> glyphs = glyphs_of(resposta);
    QString banner;
    for (int row = 0; row < Glyph::row_count; ++row) {
        for (const Glyph* glyph : glyphs) {
            const std::u16string_view text = glyph->rows[row];
            banner += QStringView(text.data(), static_cast<qsizetype>(text.size()));
            banner += u' ';
        }
        banner += crlf;
    }
    return banner;
}

} // namespace vinylix
