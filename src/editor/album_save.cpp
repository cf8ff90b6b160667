#include "album_save.h"

#include "field_text.h"
#include "store/album_lookup.h"
#include "store/collation.h"

#include <tuple>

namespace vinylix {

namespace {

bool is_audio_cd(const AlbumForm& form) {
    return form.location == audio_cd_label;
}

// Sets the fields in the order the save writes them.
void set_fields(Recordset& set, const AlbumRecord& record) {
    for (Field f : {Field::Artist, Field::Album, Field::Songs, Field::Cover, Field::Cds,
                    Field::Kbps, Field::CD, Field::Year, Field::Size})
        set.set_value(field_name(f), record[f]);
}

// True when a number box still shows `shown`, as loaded or as leaving the box wrote it.
bool same_number(const QString& box, const QString& shown) {
    return box == shown || (!shown.isEmpty() && box == normalised_number(shown));
}

} // namespace

AlbumForm boxes_of(const AlbumRecord& record) {
    AlbumForm form;
    form.artist = record[Field::Artist];
    form.album = record[Field::Album];
    form.songs = record[Field::Songs];
    for (const QString& entry : {QStringLiteral("No"), QStringLiteral("Yes")})
        if (record[Field::Cover].compare(entry, Qt::CaseInsensitive) == 0)
            form.cover = entry;
    form.cds = record[Field::Cds];
    form.location = record[Field::CD];
    form.year = record[Field::Year];
    if (form.location != audio_cd_label) {
        form.bitrate = record[Field::Kbps];
        std::tie(form.size_whole, form.size_fraction) = split_size(record[Field::Size]);
    }
    return form;
}

bool boxes_filled(const AlbumForm& form) {
    if (form.artist.isEmpty() || form.album.isEmpty())
        return false;
    if (is_audio_cd(form))
        return true;
    return !form.location.isEmpty() && !form.bitrate.isEmpty() && !form.size_whole.isEmpty();
}

AlbumRecord album_record(const AlbumForm& form) {
    AlbumRecord record;
    record[Field::Artist] = form.artist;
    record[Field::Album] = form.album;
    record[Field::Songs] = form.songs;
    record[Field::Cover] = form.cover.isEmpty() ? QStringLiteral("No") : form.cover;
    record[Field::Cds] = form.cds;
    record[Field::Kbps] = is_audio_cd(form) ? not_applicable : form.bitrate;
    record[Field::CD] = shelf_location(form.location);
    record[Field::Year] = form.year;
    record[Field::Size] =
        is_audio_cd(form) ? not_applicable : join_size(form.size_whole, form.size_fraction);
    return record;
}

AlbumRecord album_record(const AlbumForm& form, const LoadedAlbum& loaded) {
    AlbumRecord record = album_record(form);
    const AlbumForm& shown = loaded.shown;
    const auto keep = [&](Field field, bool unchanged) {
        if (unchanged)
            record[field] = loaded.stored[field];
    };
    const bool location =
        form.location == shown.location || form.location == shelf_location(shown.location);
    keep(Field::Artist, form.artist == shown.artist);
    keep(Field::Album, form.album == shown.album);
    keep(Field::Cover, form.cover == shown.cover);
    keep(Field::Cds, same_number(form.cds, shown.cds));
    keep(Field::Kbps, location && same_number(form.bitrate, shown.bitrate));
    keep(Field::CD, location);
    keep(Field::Year, form.year == shown.year);
    keep(Field::Size, location && same_number(form.size_whole, shown.size_whole) &&
                          form.size_fraction == shown.size_fraction);
    return record;
}

bool artist_has_album(Recordset& set, const QString& artist, const QString& album) {
    const Criteria criteria{field_name(Field::Artist), artist};
    for (bool found = set.find_first(criteria); found; found = set.find_next(criteria))
        if (same_text_ignoring_case(set.value(field_name(Field::Album)), album))
            return true;
    return false;
}

bool title_taken(const QStringList& albums, const QString& original, const QString& title) {
    if (same_text_ignoring_case(title, original))
        return false;
    for (const QString& other : albums)
        if (same_text_ignoring_case(other, title))
            return true;
    return false;
}

bool write_new_album(Recordset& set, const AlbumRecord& record, QString* error) {
    set.add_new();
    set_fields(set, record);
    if (set.update(error))
        return true;
    set.cancel_update();
    return false;
}

bool write_album_over(Recordset& set, const QString& original_artist, const QString& original_album,
                      const AlbumRecord& record, QString* error) {
    if (!position_on_album(set, original_artist, original_album) || !set.edit()) {
        *error = set.catalogue().album_gone(original_artist, original_album);
        return false;
    }
    set_fields(set, record);
    if (set.update(error))
        return true;
    set.cancel_update();
    return false;
}

SaveOutcome save_album(Recordset& set, const AlbumRecord& record,
                       const std::optional<AlbumName>& original, QString* error) {
    RecordsetTransaction transaction(set, error);
    if (!transaction.ok() || !set.catch_up(error))
        return SaveOutcome::Failed;
    const QString& album = record[Field::Album];
    const bool duplicate =
        original ? title_taken(albums_of_artist(set, original->artist), original->album, album)
                 : artist_has_album(set, record[Field::Artist], album);
    if (duplicate)
        return SaveOutcome::Duplicate;
    const bool written =
        original ? write_album_over(set, original->artist, original->album, record, error)
                 : write_new_album(set, record, error);
    return written && transaction.commit(error) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

} // namespace vinylix
