#include "cl_fields.h"

#include "album_line.h"
#include "store/album_record.h"
#include "store/collation.h"
#include "store/kept_cursor.h"
#include "store/numeric_value.h"
#include "store/song_list_text.h"

#include <algorithm>
#include <cmath>

namespace vinylix {

namespace {

const QString cd_entry_prefix = QStringLiteral("CD n\u00BA");
const QChar ordinal_sign = QChar(0x00BA);

// The count of CDs as a whole number; text without a leading number counts as 0.
qint64 cd_count(const QString& text) {
    return std::llround(std::clamp(numeric_value(text), -1e15, 1e15));
}

// The value list's order: alphabetical, ignoring letter case.
QStringList sorted_alphabetically(QStringList entries) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(std::size_t(entries.size()));
    for (QString& entry : entries)
        keyed.emplace_back(collation_key(entry), std::move(entry));
    std::sort(keyed.begin(), keyed.end());
    QStringList sorted;
    sorted.reserve(qsizetype(keyed.size()));
    for (auto& [key, entry] : keyed)
        sorted.append(std::move(entry));
    return sorted;
}

QStringList to_list(const std::vector<QString>& values) {
    return QStringList(values.begin(), values.end());
}

} // namespace

QStringList CL_Fields::field_captions() {
    return {QStringLiteral("Cover"), QStringLiteral("Nr. of Cds"), QStringLiteral("Bitrate"),
            cd_entry_prefix, QStringLiteral("Year")};
}

QStringList CL_Fields::cover_values() {
    return {QStringLiteral("Yes"), QStringLiteral("No")};
}

void CL_Fields::load_props(Recordset* artists, const ProgressFn& progress) {
    cds_.clear();
    kbps_.clear();
    cd_.clear();
    year_.clear();
    if (!artists || artists->record_count() == 0)
        return;
    const KeptCursor kept(*artists);
    const qint64 total = artists->record_count();
    for (artists->move_first(); !artists->eof(); artists->move_next()) {
        collect(*artists);
        report_progress(progress, artists->absolute_position() + 1, total);
    }
}

void CL_Fields::collect(const Recordset& set) {
    cds_.add(cd_count(set.value(Field::Cds)));
    kbps_.add(set.value(Field::Kbps));
    cd_.add(set.value(Field::CD));
    if (QString year = set.value(Field::Year); !year.isEmpty())
        year_.add(year);
}

QStringList CL_Fields::display_sub_prop(const Recordset* artists, BrowsedField field) const {
    if (!artists || artists->record_count() == 0)
        return {};
    QStringList entries;
    switch (field) {
    case BrowsedField::Cover:
        entries = cover_values();
        break;
    case BrowsedField::Cds:
        for (qint64 count : cds_.values())
            entries.append(QString::number(count));
        break;
    case BrowsedField::Kbps:
        entries = to_list(kbps_.values());
        break;
    case BrowsedField::CD:
        entries = cd_entries();
        break;
    case BrowsedField::Year:
        entries = to_list(year_.values());
        break;
    }
    return sorted_alphabetically(std::move(entries));
}

// Shelf numbers padded with zeros to the width of the largest one; "CDA" as it is.
QStringList CL_Fields::cd_entries() const {
    LeadingNumber largest;
    for (const QString& cd : cd_.values())
        if (const LeadingNumber number = LeadingNumber::of(cd);
            cd != audio_cd_label && number.compare(largest) > 0)
            largest = number;
    const qsizetype width = largest.text().size();
    QStringList entries;
    for (const QString& cd : cd_.values()) {
        if (cd == audio_cd_label)
            entries.append(cd);
        else
            entries.append(cd_entry_prefix +
                           QString(std::max<qsizetype>(0, width - cd.size()), u'0') + cd);
    }
    return entries;
}

std::optional<Criteria> CL_Fields::criteria_for(BrowsedField field, const QString& entry) {
    switch (field) {
    case BrowsedField::Cover:
        return Criteria{field_name(Field::Cover), entry};
    case BrowsedField::Cds:
        return Criteria{field_name(Field::Cds), entry};
    case BrowsedField::Kbps:
        return Criteria{field_name(Field::Kbps), entry};
    case BrowsedField::CD: {
        const qsizetype sign = entry.indexOf(ordinal_sign, 0, Qt::CaseInsensitive);
        if (sign < 0)
            return Criteria{field_name(Field::CD), audio_cd_label};
        // The padding zeros drop: "CD nº007" finds the albums on shelf CD 7.
        const QString number = numeric_text(QStringView(entry).mid(sign + 1));
        return Criteria{field_name(Field::CD), number};
    }
    case BrowsedField::Year:
        return Criteria{field_name(Field::Year), entry};
    }
    return std::nullopt;
}

QStringList CL_Fields::display_prop(Recordset* artists, BrowsedField field, const QString& entry) {
    const std::optional<Criteria> criteria = criteria_for(field, entry);
    if (!criteria || !artists || artists->record_count() == 0)
        return {};
    const KeptCursor kept(*artists);
    QStringList albums;
    for (bool found = artists->find_first(*criteria); found; found = artists->find_next(*criteria))
        albums.append(album_line(*artists));
    return albums;
}

QString CL_Fields::results_text(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + crlf;
    return text;
}

} // namespace vinylix
