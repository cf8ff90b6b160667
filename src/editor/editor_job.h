#pragma once

#include "store/recordset.h"

#include <QString>
#include <QStringList>

namespace vinylix {

// The four jobs of the album editor.
enum class EditorJob {
    NewAlbum,          // every box empty
    NewAlbumForArtist, // a new album of the artist being browsed
    EditAlbum,         // the album the recordset stands on
    RenameArtist,      // give the albums selected in the browser another artist name
};

// What the album editor is opened with.
struct EditorRequest {
    EditorJob job = EditorJob::NewAlbum;
    // The main recordset; for NewAlbumForArtist and EditAlbum it stands on the browsed album.
    Recordset* albums = nullptr;
    // RenameArtist: the artist being browsed, the titles selected in the browser (top to
    // bottom) and the title at the browser's current line.
    QString artist;
    QStringList selected_albums;
    QString current_album;
};

// What the album editor did: when it wrote to the catalogue, the album to show afterwards.
struct EditorResult {
    bool written = false;
    QString artist;
    QString album;
};

} // namespace vinylix
