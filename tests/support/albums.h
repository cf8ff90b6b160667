#pragma once

#include "store/recordset.h"
#include "store/shared_state.h"
#include "support/temp_folder.h"

#include <QString>
#include <initializer_list>
#include <utility>

namespace vinylix::test {

// Adds one album through the recordset (fields not given stay empty); fails the process
// when the write fails, since every store test relies on its fixtures.
void add_album(Recordset& set, const QString& artist, const QString& album,
               const QString& songs = {}, const QString& cds = QStringLiteral("1"),
               const QString& cd = QStringLiteral("1"), const QString& size = {},
               const QString& year = {});

// Adds albums given only by artist and title.
void add_albums(Recordset& set, std::initializer_list<std::pair<QString, QString>> albums);

// Opens the main recordset over the catalogue file at `path`.
std::unique_ptr<Recordset> open_main(const QString& path);

// One field of the first album `artist` / `album` in the catalogue file at `path`;
// "<none>" when there is no such album.
QString stored_field(const QString& path, const QString& artist, const QString& album,
                     const QString& field);

// Opens the catalogue of the program folder `folder` into `state`, as the main window does.
void load_into(SharedState& state, const QString& folder);

// A program folder whose catalogue holds four albums of 1974 to 1994 on shelf discs 3 and 12:
// Abba "Waterloo" (12), Cure "Faith" (3), Blur "Parklife" (3), Cure "Pornography" (12).
struct Collection {
    TempFolder folder;
    Collection();
};

// A fresh catalogue in a temporary folder, with the main recordset open on it.
struct CatalogueFixture {
    TempFolder folder;
    QString path = folder.make_catalogue();
    std::unique_ptr<Recordset> set = open_main(path);
};

} // namespace vinylix::test
