#pragma once

#include "mp3/id3v1_tag.h"

#include <QList>
#include <QString>
#include <optional>

namespace vinylix {

// One line of the tag editor's preview: a code page and a file's title as read in it.
struct PreviewLine {
    CodePage page;
    QString title;

    bool operator==(const PreviewLine&) const = default;
};

// The title of `tag`, read in `chosen`, as the chosen page and up to three others that give
// letters rather than symbols for its bytes read it (see letter_pages), the chosen page first.
// A Windows-1251 title "Привет" read as Windows-1252 shows "Ïðèâåò" and then "Привет" in
// Windows-1251 among the others; a title of plain ASCII reads alike everywhere and gives the
// chosen line alone; a file without a tag gives no line.
QList<PreviewLine> title_preview(const std::optional<Id3v1Tag>& tag, CodePage chosen);

} // namespace vinylix
