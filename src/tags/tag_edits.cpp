#include "tag_edits.h"

#include "mp3/genre_list.h"

namespace vinylix {

namespace {

void replace(QString& field, const std::optional<QString>& value, Id3v1Field where) {
    if (value)
        field = Id3v1Tag::fitted(*value, where.width);
}

} // namespace

Id3v1Tag edited_tag(Id3v1Tag tag, const TagEdits& edits) {
    replace(tag.title, edits.title, Id3v1Tag::title_field);
    replace(tag.artist, edits.artist, Id3v1Tag::artist_field);
    replace(tag.album, edits.album, Id3v1Tag::album_field);
    replace(tag.year, edits.year, Id3v1Tag::year_field);
    replace(tag.comment, edits.comment, Id3v1Tag::comment_field);
    if (edits.genre)
        tag.genre = genre_byte(*edits.genre).value_or(tag.genre);
    return tag;
}

QList<TagWriteResult> apply_tag_edits(const QList<ListedFile>& files, const TagEdits& edits) {
    const TagChange change = [&edits](const Id3v1Tag& current) {
        return edited_tag(current, edits);
    };
    QList<TagWriteResult> outcomes;
    outcomes.reserve(files.size());
    for (const ListedFile& file : files)
        outcomes.append(change_tag(file.path, change, file.stamp));
    return outcomes;
}

} // namespace vinylix
