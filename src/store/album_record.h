#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vinylix {

// The nine text fields of one album, in the table's order.
enum class Field { Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, Year };

inline constexpr int field_count = 9;

inline const std::array<QString, field_count>& field_names() {
    static const std::array<QString, field_count> names = {
        QStringLiteral("Artist"), QStringLiteral("Album"), QStringLiteral("Songs"),
        QStringLiteral("Cover"),  QStringLiteral("Cds"),   QStringLiteral("Kbps"),
        QStringLiteral("CD"),     QStringLiteral("Size"),  QStringLiteral("Year")};
    return names;
}

inline const QString& field_name(Field f) {
    return field_names()[static_cast<int>(f)];
}

// The shelf label of an album that is an audio CD rather than MP3 files.
inline const QString audio_cd_label = QStringLiteral("CDA");
// Bitrate and size of an audio CD: not applicable.
inline const QString not_applicable = QStringLiteral("-");

// An album by its artist and title.
struct AlbumName {
    QString artist;
    QString album;
};

// One album as stored: every field as text.
struct AlbumRecord {
    std::array<QString, field_count> fields;

    const QString& operator[](Field f) const { return fields[static_cast<int>(f)]; }
    QString& operator[](Field f) { return fields[static_cast<int>(f)]; }
};

} // namespace vinylix
