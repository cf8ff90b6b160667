#include "duplicate_texts.h"

#include "store/album_record.h"
#include "store/control_text.h"
#include "store/line_end.h"
#include "store/numeric_value.h"

#include <QAnyStringView>
#include <QStringList>

namespace vinylix {

namespace {

const QString dash = QStringLiteral(" \u2013 ");

// A stored value on the one line of its row: each control character a space.
QString in_row(QUtf8StringView value) {
    QString text = value.toString();
    blank_controls(text);
    return text;
}

bool has_value(QUtf8StringView field) {
    return !field.isEmpty() && !QAnyStringView::equal(field, not_applicable);
}

QString counted(qint64 count, const char* one, const char* many) {
    return count == 1 ? QString::fromLatin1(one)
                      : QString::number(count) + u' ' + QString::fromLatin1(many);
}

QString megabytes(qint64 hundredths) {
    return hundredths_text(hundredths) + QStringLiteral(" MB");
}

QString copy_line(const AlbumSummary& copy, bool best) {
    const CopyTexts texts = copy_texts(copy);
    QStringList parts;
    for (const QString& part :
         {texts.disc, texts.size, texts.bitrate, texts.year, texts.cds, texts.songs})
        if (!part.isEmpty())
            parts << part;
    if (best)
        parts << best_copy_text();
    return QStringLiteral("  ") + album_name_text(copy) + QStringLiteral(": ") +
           parts.join(QStringLiteral(", "));
}

} // namespace

QString album_name_text(const AlbumSummary& album) {
    return in_row(album.artist()) + dash + in_row(album.album());
}

QString group_heading(const DuplicateGroups& found, const DuplicateGroup& group) {
    QString heading = album_name_text(found.copies[group.first]) + QStringLiteral(": ") +
                      counted(qint64(group.count), "1 copy", "copies");
    if (group.saving_hundredths > 0)
        heading += QStringLiteral(", ") + megabytes(group.saving_hundredths) +
                   QStringLiteral(" could be freed");
    return heading;
}

CopyTexts copy_texts(const AlbumSummary& copy) {
    CopyTexts texts;
    texts.disc = QAnyStringView::equal(copy.cd(), audio_cd_label) ? audio_cd_label
                 : copy.cd().isEmpty()                            ? QStringLiteral("no disc")
                                       : QStringLiteral("Disc ") + in_row(copy.cd());
    if (has_value(copy.size()))
        texts.size = in_row(copy.size()) + QStringLiteral(" MB");
    if (has_value(copy.kbps()))
        texts.bitrate = in_row(copy.kbps()) + QStringLiteral(" kbps");
    texts.year = in_row(copy.year());
    texts.cds =
        counted(std::max<qint64>(1, whole_value(copy.cds().toString(), 0, 9999)), "1 CD", "CDs");
    texts.songs =
        copy.songs() == 0 ? QStringLiteral("no songs") : counted(copy.songs(), "1 song", "songs");
    return texts;
}

QString best_copy_text() {
    return QStringLiteral("best");
}

QString totals_text(const DuplicateGroups& found) {
    return counted(qint64(found.groups.size()), "1 group", "groups") + QStringLiteral(", ") +
           counted(qint64(found.copies.size()), "1 album", "albums") + QStringLiteral(", ") +
           megabytes(found.saving_hundredths) + QStringLiteral(" could be freed");
}

QString nothing_found_text(const DuplicateGroups& found) {
    if (!found.groups.empty())
        return {};
    if (found.albums_compared == 0)
        return QStringLiteral("The catalogue holds no albums.");
    if (found.albums_compared == 1)
        return QStringLiteral("The catalogue holds one album, so it has no duplicates.");
    return QStringLiteral("No two of the %1 albums in the catalogue are the same album.")
        .arg(found.albums_compared);
}

QString duplicates_list_text(const DuplicateGroups& found) {
    if (found.groups.empty())
        return nothing_found_text(found) + crlf;
    QString text;
    for (const DuplicateGroup& group : found.groups) {
        text += group_heading(found, group) + crlf;
        const auto copies = found.copies_of(group);
        for (std::size_t i = 0; i < copies.size(); ++i)
            text += copy_line(copies[i], i == group.best) + crlf;
        text += crlf;
    }
    return text + totals_text(found) + crlf;
}

} // namespace vinylix
