#pragma once

#include "result_line.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vinylix {

class Recordset;

// The field a text search looks in: the entries of the search tab's field list, in order.
enum class SearchField { Artist = 0, Album = 1, Songs = 2 };

// The text search over the main recordset. It keeps, for every result line, the album it
// came from and where that album stands on the shelf, until the next search.
class CL_Search {
public:
    struct Info {
        QString name;     // Artist - Album
        QString location; // "CD " and the shelf label, e.g. "CD 12" or "CD CDA"
    };

    // Looks for `text`, ignoring letter case, in the field `field` of every
    // album of `artists`, in the recordset's order, and returns one line per match: the
    // "Artist - Album" line, or for songs the song line once for every occurrence in it.
    // No match gives the single line
    // "(Nothing found)". An empty text, or a catalogue that is empty or not open (null),
    // gives no line; so does a catalogue whose song lists cannot be read, with the reason in
    // `error`. The recordset's cursor is left where it was.
    ResultLines search_records(Recordset* artists, const QString& text, SearchField field,
                               QString* error);

    // The album and location of result line `line`; nothing for "(Nothing found)", before any
    // search, or for a line that is not a result.
    std::optional<Info> display_info(int line) const;

    // Forgets the results, so that no line shows album details until the next search.
    void clear_results();

    static QString nothing_found_text();

private:
    std::vector<Info> albums_;                 // each album found once
    std::vector<std::uint32_t> album_of_line_; // for each result line, its album in albums_
};

} // namespace vinylix
