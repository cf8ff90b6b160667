#include "title_preview.h"

#include "mp3/code_page_guess.h"

namespace vinylix {

QList<PreviewLine> title_preview(const std::optional<Id3v1Tag>& tag, CodePage chosen) {
    if (!tag)
        return {};
    // A field read in a page gives its bytes back when written in that page; what follows a NUL
    // is not part of the title.
    QStringView title = tag->title;
    if (const qsizetype nul = title.indexOf(QChar(u'\0')); nul >= 0)
        title = title.first(nul);
    const QByteArray bytes = encode_text(chosen, title);
    QList<PreviewLine> lines = {{chosen, Id3v1Tag::shown(tag->title)}};
    for (const CodePage page : letter_pages(bytes, chosen))
        lines.append({page, Id3v1Tag::shown(decode_text(page, bytes))});
    return lines;
}

} // namespace vinylix
