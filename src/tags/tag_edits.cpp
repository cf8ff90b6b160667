#include "tag_edits.h"

#include "mp3/genre_list.h"

#include <array>

namespace vinylix {

namespace {

void replace(QString& field, const std::optional<QString>& value, Id3v1Field where, CodePage page) {
    if (value)
        field = Id3v1Tag::fitted(*value, where.width, page);
}

struct TextProperty {
    std::optional<QString> TagEdits::*property;
    Id3v1Field field;
};

constexpr std::array<TextProperty, 5> text_properties = {{
    {&TagEdits::title, Id3v1Tag::title_field},
    {&TagEdits::artist, Id3v1Tag::artist_field},
    {&TagEdits::album, Id3v1Tag::album_field},
    {&TagEdits::year, Id3v1Tag::year_field},
    {&TagEdits::comment, Id3v1Tag::comment_field},
}};

} // namespace

QList<LackingLetters> letters_lacking(const TagEdits& edits, CodePage page) {
    QList<LackingLetters> lacking;
    for (const TextProperty& text : text_properties) {
        const std::optional<QString>& value = edits.*text.property;
        if (!value)
            continue;
        QStringList characters = characters_lacking(page, *value, text.field.width);
        if (!characters.isEmpty())
            lacking.append({text.property, std::move(characters)});
    }
    return lacking;
}

Id3v1Tag edited_tag(Id3v1Tag tag, const TagEdits& edits, CodePage page) {
    replace(tag.title, edits.title, Id3v1Tag::title_field, page);
    replace(tag.artist, edits.artist, Id3v1Tag::artist_field, page);
    replace(tag.album, edits.album, Id3v1Tag::album_field, page);
    replace(tag.year, edits.year, Id3v1Tag::year_field, page);
    replace(tag.comment, edits.comment, Id3v1Tag::comment_field, page);
    if (edits.genre)
        tag.genre = genre_byte(*edits.genre).value_or(tag.genre);
    return tag;
}

QList<TagWriteResult> apply_tag_edits(const QList<ListedFile>& files, const TagEdits& edits,
                                      CodePage page) {
    const TagChange change = [&edits, page](const Id3v1Tag& current) {
        return edited_tag(current, edits, page);
    };
    QList<TagWriteResult> outcomes;
    outcomes.reserve(files.size());
    for (const ListedFile& file : files)
        outcomes.append(change_tag(file.path, change, file.stamp, page));
    return outcomes;
}

} // namespace vinylix
