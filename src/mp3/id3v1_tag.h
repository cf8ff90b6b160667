#pragma once

#include "code_page.h"

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

// The ID3v1 tag: the last 128 bytes of an MP3 file, "TAG" and then fixed-width fields in a
// single-byte code page (Windows-1252 unless the user chose another). The text fields hold their
// whole width as read, one character per byte (padding included), so rendering in the page they
// were read with gives their bytes back; rendering fits each text to its width in bytes of the
// page, cutting or padding with spaces.
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

    // The tag in `last128`, the last 128 bytes of a file, its texts read in `page`; empty unless
    // they are exactly 128 and begin with "TAG" (in capitals).
    static std::optional<Id3v1Tag> parse(QByteArrayView last128, CodePage page = default_code_page);
    // The 128 bytes of the tag, its texts written in `page`.
    QByteArray render(CodePage page = default_code_page) const;

    // `text` as it is stored in a field of `width` bytes of `page`: cut or padded with spaces
    // ("Việt" in Windows-1258 takes 5 bytes, "ệ" being a letter and an accent).
    static QString fitted(QStringView text, qsizetype width, CodePage page = default_code_page);
    // A field as it is shown: cut before its first NUL, without trailing spaces, with letters
    // and their accents composed ("e" + U+0302 -> "ê").
    static QString shown(QStringView field);

    bool operator==(const Id3v1Tag&) const = default;

private:
    static QString blank(Id3v1Field field) { return QString(field.width, u' '); }
};

} // namespace vinylix
