// Feeds arbitrary formats and folder names to the format split and the name match, and checks
// what any split and any match must hold.
#include "import/folder_name_format.h"
#include "require.h"

#include <cstddef>
#include <cstdint>

using namespace vinylix;

namespace {

// The input is a format and a name separated by the first NUL.
std::pair<QString, QString> format_and_name(QByteArrayView bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul < 0)
        return {QString::fromUtf8(bytes), QString::fromUtf8(bytes)};
    return {QString::fromUtf8(bytes.first(nul)), QString::fromUtf8(bytes.sliced(nul + 1))};
}

// A split format put back together around its placeholders is the format again.
void check_split(const QString& text, const FolderNameFormat& format) {
    const QString first = format.artist_first ? QStringLiteral("%1") : QStringLiteral("%2");
    const QString second = format.artist_first ? QStringLiteral("%2") : QStringLiteral("%1");
    require(format.prefix + first + format.middle + second + format.suffix == text);
    require(!format.middle.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [text, name] = format_and_name(QByteArrayView(data, static_cast<qsizetype>(size)));
    const auto split = FolderNameFormat::split(text);
    require(split.format.has_value() == split.reason.isEmpty());
    if (!split.format)
        return 0;
    check_split(text, *split.format);

    if (const auto fields = match_folder_name(*split.format, name)) {
        // Both fields are non-empty pieces of the name, apart from each other.
        require(!fields->artist.isEmpty() && !fields->album.isEmpty());
        require(name.contains(fields->artist) && name.contains(fields->album));
        require(fields->artist.size() + fields->album.size() + split.format->middle.size() <=
                name.size());
        (void)arrange_case(fields->artist);
    }
    // A name made by the format from fields that hold none of its texts gives those fields.
    const QString artist = QStringLiteral("a");
    const QString album = QStringLiteral("b");
    const FolderNameFormat& format = *split.format;
    const QString made = format.prefix + (format.artist_first ? artist : album) + format.middle +
                         (format.artist_first ? album : artist) + format.suffix;
    const bool plain =
        !(format.prefix + format.middle + format.suffix).contains(artist, Qt::CaseInsensitive) &&
        !(format.prefix + format.middle + format.suffix).contains(album, Qt::CaseInsensitive);
    if (plain && !format.prefix.contains(format.middle, Qt::CaseInsensitive)) {
        const auto back = match_folder_name(format, made);
        require(back.has_value() && back->artist == artist && back->album == album);
    }
    return 0;
}
