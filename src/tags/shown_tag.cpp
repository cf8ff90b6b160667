#include "shown_tag.h"

#include "mp3/genre_list.h"

namespace vinylix {

std::optional<int> shown_genre_entry(std::uint8_t genre) {
    if (genre == Id3v1Tag::no_genre)
        return 0;
    if (genre >= genre_list().size())
        return std::nullopt;
    return genre;
}

ShownTag shown_tag(const std::optional<Id3v1Tag>& tag) {
    if (!tag)
        return {};
    return {Id3v1Tag::shown(tag->title),   Id3v1Tag::shown(tag->artist),
            Id3v1Tag::shown(tag->album),   Id3v1Tag::shown(tag->year),
            Id3v1Tag::shown(tag->comment), shown_genre_entry(tag->genre)};
}

} // namespace vinylix
