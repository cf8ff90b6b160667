#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vinylix {

// Where a text field lies in the 128-byte tag, and how many bytes it has.
struct Id3v1Field {
    qsizetype offset;
    qsizetype width;
};

// The ID3v1 tag: the last 128 bytes of an MP3 file, "TAG" and then fixed-width fields in
// Windows-1252. The text fields hold their whole width as read (padding included); rendering
// fits each text to its width in bytes, cutting or padding with spaces.
struct Id3v1Tag {
    static constexpr qsizetype size = 128;
    static constexpr qsizetype body_offset = 3; // title to genre follow the marker
    static constexpr Id3v1Field title_field{3, 30};
    static constexpr Id3v1Field artist_field{33, 30};
    static constexpr Id3v1Field album_field{63, 30};
    static constexpr Id3v1Field year_field{93, 4};
    static constexpr Id3v1Field comment_field{97, 30};
    static constexpr qsizetype genre_offset = 127;
    static constexpr std::uint8_t no_genre = 255;

    // The empty record: every text field blank, no genre.
    QString title = blank(title_field);
    QString artist = blank(artist_field);
    QString album = blank(album_field);
    QString year = blank(year_field);
    QString comment = blank(comment_field);
    std::uint8_t genre = no_genre;

    // The tag in `last128`, the last 128 bytes of a file; empty unless they are exactly 128 and
    // begin with "TAG" (in capitals).
    static std::optional<Id3v1Tag> parse(QByteArrayView last128);
    // The 128 bytes of the tag.
    QByteArray render() const;

    // `text` as it is stored in a field of `width` bytes: cut or padded with spaces.
    static QString fitted(QStringView text, qsizetype width);
    // A field as it is shown: cut before its first NUL and without trailing spaces.
    static QString shown(QStringView field);

    bool operator==(const Id3v1Tag&) const = default;

private:
    static QString blank(Id3v1Field field) { return QString(field.width, u' '); }
};

} // namespace vinylix
