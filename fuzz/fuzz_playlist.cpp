// Feeds arbitrary bytes to the M3U and PLS readers and checks what any list of titles must hold.
#include "import/playlist.h"
#include "require.h"

#include <cstddef>
#include <cstdint>

using namespace vinylix;

namespace {

// A title is one line's rest: it never holds a line break and is a piece of the text.
void check_titles(const QStringList& titles, const QString& text, const QString& marker) {
    require(titles.size() <= text.count(marker, Qt::CaseInsensitive));
    for (const QString& title : titles) {
        require(!title.contains(u'\r') && !title.contains(u'\n'));
        require(text.contains(title));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString text = playlist_text(bytes);
    check_titles(m3u_titles(text), text, QStringLiteral("#EXTINF:"));
    check_titles(pls_titles(text), text, QStringLiteral("Title"));

    for (const PlaylistKind kind : {PlaylistKind::M3u, PlaylistKind::Pls}) {
        const QStringList after_others = playlist_songs(kind, bytes, false);
        const QStringList first = playlist_songs(kind, bytes, true);
        // Only a plain M3U read first gives more than its titles: its lines.
        if (kind == PlaylistKind::Pls || !after_others.isEmpty())
            require(first == after_others);
        for (const QString& song : first)
            require(!song.contains(u'\r') && !song.contains(u'\n'));
    }
    return 0;
}
