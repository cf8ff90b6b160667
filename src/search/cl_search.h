#pragma once

#include "song_hits.h"
#include "song_line_finder.h"
#include "song_line_scan.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vinylix {

class Recordset;
class SongSearchThread;

// The field a text search looks in: the entries of the search tab's field list, in order.
enum class SearchField { Artist = 0, Album = 1, Songs = 2 };

// The text search over the main recordset. It keeps, for every result line, the album it
// came from, until the next search. A search through the song lists of a large catalogue goes
// on after `search_records` returns: its first lines are there at once, the rest come on a
// thread of their own (`finished`), and the window keeps repainting meanwhile.
class CL_Search : public QObject {
    Q_OBJECT
public:
    struct Info {
        QString name;     // Artist - Album
        QString location; // "CD " and the shelf label, e.g. "CD 12" or "CD CDA"
    };

    // How many albums from the top of the recordset a song search reads before it returns:
    // a catalogue of no more albums is searched whole at once.
    static constexpr int default_head_albums = 2000;

    explicit CL_Search(int head_albums = default_head_albums, QObject* parent = nullptr);
    ~CL_Search() override;

    // Looks for `text`, ignoring letter case, in the field `field` of every album of `artists`,
    // in the recordset's order: one line per match, the "Artist - Album" line, or for songs the
    // song line once for every occurrence in it. No match gives the single line
    // "(Nothing found)". An empty text,
    // or a catalogue that is empty or not open (null), gives no line; so does a catalogue
    // whose song lists cannot be read, with the reason in `error`. The recordset's cursor is
    // left where it was. A search under way is stopped first.
    // For the song lists of more than the head albums, the lines of the head albums are listed
    // at once and `running()` is true until `finished` says the rest were added after them.
    void search_records(Recordset* artists, const QString& text, SearchField field, QString* error);

    int line_count() const;
    // Line `line`'s text. A song line is read from the file as it is now, through `catalogue`
    // (the main window's): the empty text when its album is no longer the one found or no
    // longer holds that line.
    QString line(int line, Catalogue* catalogue) const;
    // The album and location of result line `line`; nothing for "(Nothing found)", before any
    // search, for a line that is not a result, or for a song line whose album changed since.
    std::optional<Info> display_info(int line, Catalogue* catalogue) const;

    bool running() const;
    // Stops a search under way: the lines listed so far stay, and `finished` is not said.
    void stop();
    // Forgets the results, so that no line shows album details until the next search.
    void clear_results();

    static QString nothing_found_text();

signals:
    // A search under way has added the rest of its lines after the ones listed (or, when
    // there were none, maybe the "(Nothing found)" line); or it failed, with the reason in
    // `error` and no line left.
    void finished(const QString& error);

private:
    void search_songs(Recordset& set, const QString& text, QString* error);
    void tail_found(std::shared_ptr<const SongHits> hits, const QString& error);
    // Song line `line` (after lines_) as the file holds it now.
    std::optional<FoundLine> song_line(int line, Catalogue* catalogue) const;

    int head_albums_;
    QStringList lines_;                        // the lines of a name search, or a message
    std::vector<Info> albums_;                 // each album a name search found, once
    std::vector<std::uint32_t> album_of_line_; // for each line of a name search, its album
    // A song search: the head's lines, then the rest's.
    std::vector<std::shared_ptr<const SongHits>> songs_;
    mutable std::unique_ptr<SongLineFinder> song_finder_;
    SongSearchThread* thread_;
};

} // namespace vinylix
