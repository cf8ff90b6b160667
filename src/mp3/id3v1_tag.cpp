#include "id3v1_tag.h"

namespace vinylix {

namespace {

constexpr char marker[] = "TAG";

QByteArray fitted_bytes(QStringView text, qsizetype width, CodePage page) {
    QByteArray bytes = encode_text(page, text, width);
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

QString read_field(QByteArrayView tag, Id3v1Field field, CodePage page) {
    return decode_text(page, tag.sliced(field.offset, field.width));
}

} // namespace

std::optional<Id3v1Tag> Id3v1Tag::parse(QByteArrayView last128, CodePage page) {
    if (last128.size() != size || !last128.startsWith(marker))
        return std::nullopt;
    Id3v1Tag tag;
    tag.title = read_field(last128, title_field, page);
    tag.artist = read_field(last128, artist_field, page);
    tag.album = read_field(last128, album_field, page);
    tag.year = read_field(last128, year_field, page);
    tag.comment = read_field(last128, comment_field, page);
    tag.genre = static_cast<std::uint8_t>(last128[genre_offset]);
    return tag;
}

QByteArray Id3v1Tag::render(CodePage page) const {
    QByteArray bytes(marker);
    bytes.reserve(size);
    bytes += fitted_bytes(title, title_field.width, page);
    bytes += fitted_bytes(artist, artist_field.width, page);
    bytes += fitted_bytes(album, album_field.width, page);
    bytes += fitted_bytes(year, year_field.width, page);
    bytes += fitted_bytes(comment, comment_field.width, page);
    bytes += static_cast<char>(genre);
    return bytes;
}

QString Id3v1Tag::fitted(QStringView text, qsizetype width, CodePage page) {
    return decode_text(page, fitted_bytes(text, width, page));
}

QString Id3v1Tag::shown(QStringView field) {
    const qsizetype nul = field.indexOf(QChar(u'\0'));
    QStringView text = nul < 0 ? field : field.first(nul);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text.toString().normalized(QString::NormalizationForm_C);
}

} // namespace vinylix
