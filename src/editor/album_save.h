#pragma once

#include "store/album_record.h"
#include "store/recordset.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vinylix {

// What the editor's boxes hold when an album is saved.
struct AlbumForm {
    QString artist;
    QString album;
    QString songs; // the song-list text to store
    QString cover; // the chosen cover entry; empty when none is chosen
    QString cds;
    QString bitrate;
    QString location; // the shelf disc, or "CDA"
    QString year;
    QString size_whole;
    QString size_fraction;
};

// The album as the editor loaded it: the stored record, and what the boxes show once loading
// has filled them. A box may show less than is stored (three characters of a longer bitrate,
// no cover entry for a cover text other than "Yes" or "No", the count "1" for a count that is
// no number).
struct LoadedAlbum {
    AlbumRecord stored;
    AlbumForm shown;
};

// What loading puts into the boxes for a stored album, before the boxes' own limits: the
// cover entry ("Yes" or "No" in any letter case; none for another text), the size split at its
// first ".", and empty bitrate and size for an audio CD. The song lists are CdSongLists'.
AlbumForm boxes_of(const AlbumRecord& record);

// True when the boxes a save needs are filled: artist and album always; for an album of MP3
// files (location not "CDA") also the location, the bitrate and the whole size.
bool boxes_filled(const AlbumForm& form);

// The record a save writes for a new album: an audio CD gets "-" for bitrate and size, no
// chosen cover "No", and the location is written as shelf_location gives it.
AlbumRecord album_record(const AlbumForm& form);

// The record a save writes for an edited album: a field keeps its stored text, byte for byte,
// when every box it is written from still shows what loading put there, or for a number box
// that text's number as leaving the box writes it ("007" shown, "7" after leaving). The other
// fields are written from the boxes as for a new album. Bitrate and size are also written
// from the location box (an audio CD has "-"). `form.songs` is taken as given: the song lists
// keep the stored text themselves (CdSongLists::stored_text).
AlbumRecord album_record(const AlbumForm& form, const LoadedAlbum& loaded);

// True when the artist (letter case ignored) already has an album of that title (letter case
// ignored). Leaves the recordset where the search ended.
bool artist_has_album(Recordset& set, const QString& artist, const QString& album);

// True when an edited album's new title is another album of its artist: `albums` are the
// artist's titles, `original` the title the album had. Letter case is ignored.
bool title_taken(const QStringList& albums, const QString& original, const QString& title);

// Adds the album as a new record.
bool write_new_album(Recordset& set, const AlbumRecord& record, QString* error);
// Writes the album over the record of `original_artist`'s album `original_album`.
bool write_album_over(Recordset& set, const QString& original_artist, const QString& original_album,
                      const AlbumRecord& record, QString* error);

enum class SaveOutcome { Saved, Duplicate, Failed };

// Saves `record` as a new album, or over the album `original` (an edit), in one transaction
// that holds the file from its start. Inside it the rows are read again when another program
// changed the file since they were read, so the duplicate rule sees what the file holds: a new
// album is a duplicate when its artist already has an album of that title; an edited album
// when its new title is another album of its original artist (letter case ignored both
// times). A duplicate writes nothing. An edited album another program took away fails with
// the catalogue's reason in `error` ("... another program has deleted or changed it.").
SaveOutcome save_album(Recordset& set, const AlbumRecord& record,
                       const std::optional<AlbumName>& original, QString* error);

} // namespace vinylix
