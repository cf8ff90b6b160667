// Feeds arbitrary tag bytes and field texts to the ID3v1 tag, in a code page the first byte
// picks, and checks that parsing and rendering mirror each other.
#include "mp3/code_page_guess.h"
#include "mp3/id3v1_tag.h"
#include "require.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using vinylix::CodePage;
using vinylix::Id3v1Tag;

namespace {

// Every tag read renders back to the very bytes it was read from.
void check_round_trip(QByteArrayView last128, CodePage page) {
    const auto tag = Id3v1Tag::parse(last128, page);
    require(tag.has_value() == (last128.size() == Id3v1Tag::size && last128.startsWith("TAG")));
    if (tag)
        require(tag->render(page) == last128);
}

// Any text put in the fields renders as 128 bytes that read back as the fitted fields.
void check_fitting(const QString& text, CodePage page) {
    Id3v1Tag tag;
    tag.title = text;
    tag.year = text;
    tag.comment = Id3v1Tag::shown(text);
    const QByteArray bytes = tag.render(page);
    require(bytes.size() == Id3v1Tag::size);
    const auto back = Id3v1Tag::parse(bytes, page);
    require(back.has_value());
    require(back->title == Id3v1Tag::fitted(text, Id3v1Tag::title_field.width, page));
    require(back->year == Id3v1Tag::fitted(text, Id3v1Tag::year_field.width, page));
    require(back->genre == Id3v1Tag::no_genre);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const auto& pages = vinylix::code_pages();
    const CodePage page = size > 0 ? pages[data[0] % pages.size()] : CodePage::Windows1252;
    check_round_trip(bytes, page);
    if (bytes.size() >= Id3v1Tag::size)
        check_round_trip(bytes.last(Id3v1Tag::size), page);
    QByteArray tagged = "TAG" + bytes.toByteArray();
    tagged.resize(Id3v1Tag::size, ' ');
    check_round_trip(tagged, page);
    require(vinylix::letter_pages(bytes, page).size() <= 3);

    check_fitting(QString::fromUtf8(bytes), page);
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    check_fitting(QString::fromStdU16String(units), page);
    return 0;
}
