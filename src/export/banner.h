#pragma once

#include <QString>
#include <QStringView>

namespace vinylix {

// The banner of `resposta` in big letters: nine lines, each ending in CR LF, where line r joins
// row r of the glyph of every character (upper-cased) followed by one blank. Characters without
// a glyph are left out; an empty text gives an empty banner.
QString create_ascii(QStringView resposta);

} // namespace vinylix
