#include "disc_check_texts.h"

#include "store/disc_number.h"
#include "store/line_end.h"
#include "store/song_list_text.h"

#include <QDir>

namespace vinylix {

namespace {

QString count_of(qsizetype n, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// A value with its unit when it is a plain number.
QString shown_value(Field field, const QString& value) {
    if (value.isEmpty())
        return QStringLiteral("none");
    if (!is_plain_number(value))
        return quoted(value);
    if (field == Field::Size)
        return value + QStringLiteral(" MB");
    if (field == Field::Kbps)
        return value + QStringLiteral(" kbps");
    return value;
}

QString songs_side(const QString& songs, const QStringList& lines, qsizetype parted) {
    QString side = count_of(song_count(songs), QStringLiteral("song"), QStringLiteral("songs"));
    if (parted < lines.size())
        side += QStringLiteral(", line %1 %2").arg(parted + 1).arg(quoted(lines[parted]));
    return side;
}

FieldSides song_sides(const QString& catalogue, const QString& disc) {
    const QStringList ours = compared_song_lines(catalogue);
    const QStringList theirs = compared_song_lines(disc);
    qsizetype parted = 0;
    while (parted < ours.size() && parted < theirs.size() && ours[parted] == theirs[parted])
        ++parted;
    return {songs_side(catalogue, ours, parted), songs_side(disc, theirs, parted)};
}

QString disc_shown(const QString& cd) {
    if (is_disc_number(cd))
        return disc_number_text(cd);
    if (cd.isEmpty())
        return QStringLiteral("no disc");
    return cd == QStringLiteral("CDA") ? cd : quoted(cd);
}

QString album_line(const CheckedAlbum& album) {
    return album.artist() + QStringLiteral(" - ") + album.album();
}

void add_group(QStringList& lines, const DiscCheck& check, CheckGroup group) {
    lines << QString() << group_heading(check, group);
    for (const CheckedAlbum& album : check.group(group)) {
        const QString elsewhere = other_discs_text(album.other_discs);
        lines << QStringLiteral("  ") + album_line(album) +
                     (elsewhere.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(elsewhere));
        for (const Field field : album.differing) {
            const FieldSides sides =
                field_sides(field, album.stored->record[field], album.on_disc[field]);
            lines << QStringLiteral("    %1: catalogue %2; disc %3")
                         .arg(checked_field_name(field), sides.catalogue, sides.disc);
        }
    }
}

} // namespace

QString group_title(CheckGroup group) {
    switch (group) {
    case CheckGroup::Alike:
        return QStringLiteral("Alike");
    case CheckGroup::Different:
        return QStringLiteral("Different");
    case CheckGroup::OnlyOnDisc:
        return QStringLiteral("Only on the disc");
    case CheckGroup::OnlyInCatalogue:
        break;
    }
    return QStringLiteral("Only in the catalogue");
}

QString group_heading(const DiscCheck& check, CheckGroup group) {
    return QStringLiteral("%1 (%2)").arg(group_title(group)).arg(check.group(group).size());
}

QString checked_field_name(Field field) {
    switch (field) {
    case Field::Cds:
        return QStringLiteral("CDs");
    case Field::Songs:
        return QStringLiteral("Song list");
    case Field::Kbps:
        return QStringLiteral("Bitrate");
    default:
        return field_name(field);
    }
}

FieldSides field_sides(Field field, const QString& catalogue, const QString& disc) {
    if (field == Field::Songs)
        return song_sides(catalogue, disc);
    return {shown_value(field, catalogue), shown_value(field, disc)};
}

QString other_discs_text(const QStringList& discs) {
    if (discs.isEmpty())
        return {};
    QStringList shown;
    for (const QString& cd : discs)
        shown << disc_shown(cd);
    return QStringLiteral("in the catalogue under %1 %2")
        .arg(discs.size() == 1 ? QStringLiteral("disc") : QStringLiteral("discs"),
             shown.join(QStringLiteral(", ")));
}

QStringList summary_lines(const DiscCheck& check) {
    QStringList lines;
    const std::size_t on_disc = check.group(CheckGroup::Alike).size() +
                                check.group(CheckGroup::Different).size() +
                                check.group(CheckGroup::OnlyOnDisc).size();
    const QString folder = on_disc == 0 ? QStringLiteral("The folder holds no album")
                                        : QStringLiteral("The folder holds ") +
                                              count_of(qsizetype(on_disc), QStringLiteral("album"),
                                                       QStringLiteral("albums"));
    const std::size_t stored = check.catalogue_count();
    if (stored == 0)
        lines << QStringLiteral("%1; the catalogue holds no album under disc %2.")
                     .arg(folder, check.disc);
    else
        lines << QStringLiteral("%1; the catalogue holds %2 under disc %3.")
                     .arg(folder, QString::number(stored), check.disc);
    if (!check.unreadable.isEmpty())
        lines << QStringLiteral("%1 could not be read: %2.")
                     .arg(count_of(check.unreadable.size(), QStringLiteral("folder"),
                                   QStringLiteral("folders")),
                          check.unreadable.join(QStringLiteral(", ")));
    if (check.rejected > 0)
        lines << QStringLiteral("%1 the folder-name format.")
                     .arg(check.rejected == 1
                              ? QStringLiteral("1 folder does not fit")
                              : QStringLiteral("%1 folders do not fit").arg(check.rejected));
    return lines;
}

QString check_report(const DiscCheck& check) {
    QStringList lines{QStringLiteral("Check of disc %1").arg(check.disc),
                      QStringLiteral("Folder: %1").arg(QDir::toNativeSeparators(check.folder))};
    lines += summary_lines(check);
    for (int group = 0; group < check_group_count; ++group)
        add_group(lines, check, CheckGroup(group));
    return lines.join(crlf) + crlf;
}

} // namespace vinylix
