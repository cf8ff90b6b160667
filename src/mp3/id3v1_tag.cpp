#include "id3v1_tag.h"

#include "windows_1252.h"

namespace vinylix {

namespace {

constexpr char marker[] = "TAG";

QByteArray fitted_bytes(QStringView text, qsizetype width) {
    QByteArray bytes = encode_windows_1252(text, width);
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

QString read_field(QByteArrayView tag, Id3v1Field field) {
    return decode_windows_1252(tag.sliced(field.offset, field.width));
}

} // namespace

std::optional<Id3v1Tag> Id3v1Tag::parse(QByteArrayView last128) {
    if (last128.size() != size || !last128.startsWith(marker))
        return std::nullopt;
    Id3v1Tag tag;
    tag.title = read_field(last128, title_field);
    tag.artist = read_field(last128, artist_field);
    tag.album = read_field(last128, album_field);
    tag.year = read_field(last128, year_field);
    tag.comment = read_field(last128, comment_field);
    tag.genre = static_cast<std::uint8_t>(last128[genre_offset]);
    return tag;
}

QByteArray Id3v1Tag::render() const {
    QByteArray bytes(marker);
    bytes.reserve(size);
    bytes += fitted_bytes(title, title_field.width);
    bytes += fitted_bytes(artist, artist_field.width);
    bytes += fitted_bytes(album, album_field.width);
    bytes += fitted_bytes(year, year_field.width);
    bytes += fitted_bytes(comment, comment_field.width);
    bytes += static_cast<char>(genre);
    return bytes;
}

QString Id3v1Tag::fitted(QStringView text, qsizetype width) {
    return decode_windows_1252(fitted_bytes(text, width));
}

QString Id3v1Tag::shown(QStringView field) {
    const qsizetype nul = field.indexOf(QChar(u'\0'));
    QStringView text = nul < 0 ? field : field.first(nul);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text.toString();
}

} // namespace vinylix
