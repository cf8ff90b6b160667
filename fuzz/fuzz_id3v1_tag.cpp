// Feeds arbitrary tag bytes and field texts to the ID3v1 tag and checks that parsing and
// rendering mirror each other.
#include "mp3/id3v1_tag.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using vinylix::Id3v1Tag;

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Every tag read renders back to the very bytes it was read from.
void check_round_trip(QByteArrayView last128) {
    const auto tag = Id3v1Tag::parse(last128);
    require(tag.has_value() == (last128.size() == Id3v1Tag::size && last128.startsWith("TAG")));
    if (tag)
        require(tag->render() == last128);
}

// Any text put in the fields renders as 128 bytes that read back as the fitted fields.
void check_fitting(const QString& text) {
    Id3v1Tag tag;
    tag.title = text;
    tag.year = text;
    tag.comment = Id3v1Tag::shown(text);
    const QByteArray bytes = tag.render();
    require(bytes.size() == Id3v1Tag::size);
    const auto back = Id3v1Tag::parse(bytes);
    require(back.has_value());
    require(back->title == Id3v1Tag::fitted(text, Id3v1Tag::title_field.width));
    require(back->year == Id3v1Tag::fitted(text, Id3v1Tag::year_field.width));
    require(back->genre == Id3v1Tag::no_genre);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    check_round_trip(bytes);
    if (bytes.size() >= Id3v1Tag::size)
        check_round_trip(bytes.last(Id3v1Tag::size));
    QByteArray tagged = "TAG" + bytes.toByteArray();
    tagged.resize(Id3v1Tag::size, ' ');
    check_round_trip(tagged);

    check_fitting(QString::fromUtf8(bytes));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    check_fitting(QString::fromStdU16String(units));
    return 0;
}
