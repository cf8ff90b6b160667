#include "cl_search.h"

#include "album_line.h"
#include "caseless_finder.h"
#include "kept_cursor.h"
#include "store/album_record.h"
#include "store/recordset.h"

namespace vinylix {

namespace {

// Start of the line that holds position `at`: just after the CR LF before it, or 0.
qsizetype line_start(const QString& songs, qsizetype at) {
    for (qsizetype i = at; i >= 2; --i)
        if (songs[i - 2] == u'\r' && songs[i - 1] == u'\n')
            return i;
    return 0;
}

// The song line that starts at `start`: up to the next CR, or to the end of the text.
ResultLine line_from(const QString& songs, qsizetype start) {
    const qsizetype end = songs.indexOf(u'\r', start);
    return {songs, start, end < 0 ? songs.size() - start : end - start};
}

// The result lines of one search, each with its album's name and location.
class Results {
public:
    Results(QStringList& names, QStringList& locations) : names_(names), locations_(locations) {}

    // Adds a line of the album under the cursor of `set`.
    void add(const Recordset& set, ResultLine line) {
        if (set.absolute_position() != album_) {
            album_ = set.absolute_position();
            name_ = album_line(set);
            location_ = QStringLiteral("CD ") + set.value(Field::CD);
        }
        lines_.push_back(std::move(line));
        names_.append(name_);
        locations_.append(location_);
    }

    ResultLines take_lines() { return std::move(lines_); }

private:
    QStringList& names_;
    QStringList& locations_;
    ResultLines lines_;
    int album_ = -1;
    QString name_;
    QString location_;
};

void search_names(Recordset& set, const CaselessFinder& finder, Field field, Results& results) {
    for (set.move_first(); !set.eof(); set.move_next())
        if (finder.find(set.value(int(field))) >= 0)
            results.add(set, {album_line(set)});
}

// Every occurrence lists the song line that holds it, so a line holding the text twice is
// listed twice; overlapping occurrences count as well.
void search_songs(Recordset& set, const CaselessFinder& finder, Results& results) {
    for (set.move_first(); !set.eof(); set.move_next()) {
        const QString songs = set.value(Field::Songs);
        for (qsizetype at = finder.find(songs); at >= 0; at = finder.find(songs, at + 1))
            results.add(set, line_from(songs, line_start(songs, at)));
    }
}

} // namespace

QString CL_Search::nothing_found_text() {
    return QStringLiteral("(Nothing found)");
}

ResultLines CL_Search::search_records(Recordset* artists, const QString& text, int field) {
    clear_results();
    if (text.isEmpty() || !artists || artists->record_count() == 0)
        return {};
    Results results(result_names_, result_locations_);
    {
        const KeptCursor kept(*artists);
        const CaselessFinder finder(text);
        switch (field) {
        case int(SearchField::Artist):
            search_names(*artists, finder, Field::Artist, results);
            break;
        case int(SearchField::Album):
            search_names(*artists, finder, Field::Album, results);
            break;
        case int(SearchField::Songs):
            search_songs(*artists, finder, results);
            break;
        default:
            break;
        }
    }
    ResultLines lines = results.take_lines();
    if (lines.empty()) {
        lines.push_back({nothing_found_text()});
        result_names_ = QStringList{QString()};
        result_locations_ = QStringList{QString()};
    }
    return lines;
}

std::optional<CL_Search::Info> CL_Search::display_info(int line) const {
    if (result_names_.isEmpty() || result_names_.first().isEmpty())
        return std::nullopt;
    if (line < 0 || line >= result_names_.size())
        return std::nullopt;
    return Info{result_names_[line], result_locations_[line]};
}

void CL_Search::clear_results() {
    result_names_.clear();
    result_locations_.clear();
}

} // namespace vinylix
