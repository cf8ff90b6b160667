#include "text_tools.h"

#include "mp3/folder_listing.h"
#include "store/control_text.h"
#include "store/line_end.h"

namespace vinylix {

QString replace_ignoring_case(const QString& text, const QString& find, const QString& with) {
    if (find.isEmpty())
        return text;
    QString result = text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = result.indexOf(find, from, Qt::CaseInsensitive);
        if (at < 0)
            return result;
        result.replace(at, find.size(), with);
        from = at + with.size();
    }
}

QString upper_case_after_spaces(const QString& text) {
    QString result = text;
    for (qsizetype space = result.indexOf(u' '); space >= 0 && space + 1 < result.size();
         space = result.indexOf(u' ', space + 1))
        result[space + 1] = result[space + 1].toUpper();
    return result;
}

std::optional<QString> song_names_from_files(const QStringList& names) {
    if (names.isEmpty())
        return std::nullopt;
    QStringList songs;
    for (const QString& name : names) {
        if (name.size() < 4)
            return std::nullopt;
        songs << one_line(name.chopped(4));
    }
    return songs.join(crlf);
}

std::optional<QString> song_list_from_folder(const QString& folder) {
    return song_names_from_files(mp3_file_names(folder));
}

} // namespace vinylix
