#pragma once

#include "store/album_record.h"
#include "store/recordset.h"

#include <QString>
#include <QStringList>

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

// True when the boxes a save needs are filled: artist and album always; for an album of MP3
// files (location not "CDA") also the location, the bitrate and the whole size.
bool boxes_filled(const AlbumForm& form);

// The record a save writes: an audio CD gets "-" for bitrate and size, no chosen cover "No".
AlbumRecord album_record(const AlbumForm& form);

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

} // namespace vinylix
