#include "folder_name_format.h"

namespace vinylix {

namespace {

const QString artist_placeholder = QStringLiteral("%1");
const QString album_placeholder = QStringLiteral("%2");

FolderNameFormat::Split refused(const QString& reason) {
    return {std::nullopt, reason};
}

} // namespace

FolderNameFormat::Split FolderNameFormat::split(QStringView format) {
    const qsizetype p1 = format.indexOf(artist_placeholder);
    const qsizetype p2 = format.indexOf(album_placeholder);
    if (p1 < 0 || p2 < 0)
        return refused(QStringLiteral("The folder names format must hold %1 for the artist and "
                                      "%2 for the album."));
    const qsizetype first = std::min(p1, p2);
    const qsizetype second = std::max(p1, p2);
    const qsizetype middle_start = first + artist_placeholder.size();
    if (second <= middle_start)
        return refused(QStringLiteral("The folder names format needs some text between %1 and "
                                      "%2, to tell the artist from the album."));
    FolderNameFormat split;
    split.prefix = format.first(first).toString();
    split.middle = format.sliced(middle_start, second - middle_start).toString();
    split.suffix = format.sliced(second + album_placeholder.size()).toString();
    split.artist_first = p1 < p2;
    return {split, {}};
}

std::optional<FolderNameFields> match_folder_name(const FolderNameFormat& format,
                                                  QStringView name) {
    if (format.middle.isEmpty())
        return std::nullopt;
    qsizetype first_start = 0;
    if (!format.prefix.isEmpty()) {
        const qsizetype at = name.indexOf(format.prefix, 0, Qt::CaseInsensitive);
        if (at >= 0)
            first_start = at + format.prefix.size();
    }
    const qsizetype middle = name.indexOf(format.middle, 0, Qt::CaseInsensitive);
    if (middle < first_start)
        return std::nullopt; // absent, or inside the prefix
    const qsizetype second_start = middle + format.middle.size();
    qsizetype second_end = name.size();
    if (!format.suffix.isEmpty()) {
        const qsizetype at = name.lastIndexOf(format.suffix, -1, Qt::CaseInsensitive);
        if (at >= second_start)
            second_end = at;
    }
    const QString first = name.sliced(first_start, middle - first_start).toString();
    const QString second = name.sliced(second_start, second_end - second_start).toString();
    if (first.isEmpty() || second.isEmpty())
        return std::nullopt;
    if (format.artist_first)
        return FolderNameFields{first, second};
    return FolderNameFields{second, first};
}

QString arrange_case(QStringView text) {
    QString arranged = text.toString().toLower();
    for (qsizetype i = 0; i < arranged.size(); ++i) {
        if (i == 0 || arranged[i - 1] == u' ')
            arranged[i] = arranged[i].toUpper();
    }
    return arranged;
}

} // namespace vinylix
