#include "cl_search.h"

#include "album_line.h"
#include "caseless_finder.h"
#include "store/album_record.h"
#include "store/kept_cursor.h"
#include "store/recordset.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace vinylix {

namespace {

// The song lines of the occurrences in one song list, the occurrences taken in order. A line
// starts just after a CR LF (or at 0) and ends at the first CR after its start (or at the end
// of the text). Each character is looked at once for all the occurrences together, so a long
// line with many occurrences costs no more than its length.
class SongLines {
public:
    explicit SongLines(const QString& songs) : songs_(songs) {}

    // Where the line that holds the occurrence at `at` starts, and its length; `at` grows from
    // call to call.
    std::pair<qsizetype, qsizetype> line_of(qsizetype at) {
        for (qsizetype i = std::max<qsizetype>(scanned_, 2); i <= at; ++i)
            if (songs_[i - 2] == u'\r' && songs_[i - 1] == u'\n')
                start_ = i;
        scanned_ = std::max(scanned_, at + 1);
        if (end_of_ != start_) {
            end_of_ = start_;
            const qsizetype cr = songs_.indexOf(u'\r', start_);
            end_ = cr < 0 ? songs_.size() : cr;
        }
        return {start_, end_ - start_};
    }

private:
    const QString& songs_;
    qsizetype scanned_ = 0; // line starts up to here are known
    qsizetype start_ = 0;
    qsizetype end_of_ = -1; // the line start whose end is `end_`
    qsizetype end_ = 0;
};

// The result lines of one search, each with its album's name and location (kept once an
// album, however many of its lines are found).
class Results {
public:
    Results(std::vector<CL_Search::Info>& albums, std::vector<std::uint32_t>& album_of_line)
        : albums_(albums), album_of_line_(album_of_line) {}

    // Adds a line of the album under the cursor of `set`.
    void add(const Recordset& set, ResultLine line) {
        if (set.absolute_position() != album_) {
            album_ = set.absolute_position();
            albums_.push_back({album_line(set), QStringLiteral("CD ") + set.value(Field::CD)});
        }
        lines_.push_back(std::move(line));
        album_of_line_.push_back(std::uint32_t(albums_.size() - 1));
    }

    void reserve(std::size_t lines) {
        lines_.reserve(lines);
        album_of_line_.reserve(lines);
    }

    ResultLines take_lines() { return std::move(lines_); }

private:
    std::vector<CL_Search::Info>& albums_;
    std::vector<std::uint32_t>& album_of_line_;
    ResultLines lines_;
    int album_ = -1;
};

void search_names(Recordset& set, const CaselessFinder& finder, Field field, Results& results) {
    for (set.move_first(); !set.eof(); set.move_next())
        if (finder.find(set.value(int(field))) >= 0)
            results.add(set, {album_line(set)});
}

// A song line found: its album's place in the recordset and where its text stands among the
// search's texts.
struct FoundLine {
    int position;
    std::uint32_t chunk;
    qsizetype start;
    qsizetype length;
};

// The texts of the lines found, one after another in chunks of fixed room: none is ever copied
// to grow, and the lines share their chunk's text.
class LineTexts {
public:
    // Keeps `line` and says where it stands.
    std::pair<std::uint32_t, qsizetype> keep(QStringView line) {
        if (chunks_.empty() || chunks_.back().size() + line.size() > chunks_.back().capacity()) {
            chunks_.emplace_back();
            chunks_.back().reserve(std::max<qsizetype>(chunk_room, line.size()));
        }
        QString& chunk = chunks_.back();
        const qsizetype start = chunk.size();
        chunk.append(line);
        return {std::uint32_t(chunks_.size() - 1), start};
    }

    const QString& chunk(std::uint32_t i) const { return chunks_[i]; }

private:
    static constexpr qsizetype chunk_room = 1 << 19; // characters: a megabyte
    std::vector<QString> chunks_;
};

// Every occurrence lists the song line that holds it, so a line holding the text twice is
// listed twice; overlapping occurrences count as well. The song lists are read from the file in
// one pass, in the file's order; the lines are then listed in the recordset's order. The texts
// of the lines found are kept, not the song lists they came from. False when the song lists
// cannot be read.
bool search_songs(Recordset& set, const CaselessFinder& finder, Results& results, QString* error) {
    std::vector<FoundLine> found;
    LineTexts texts;
    const bool read = set.for_each_song_list(
        [&](int position, const QString& songs) {
            SongLines lines(songs);
            qsizetype last_start = -1;
            for (const qsizetype at : finder.find_all(songs)) {
                const auto [start, length] = lines.line_of(at);
                if (start == last_start) { // a line holding the text again is kept once
                    found.push_back(found.back());
                    continue;
                }
                last_start = start;
                const auto [chunk, kept_at] = texts.keep(QStringView(songs).sliced(start, length));
                found.push_back({position, chunk, kept_at, length});
            }
        },
        error);
    if (!read)
        return false;
    // The lines in the recordset's order, each album's in the order found: a counting sort
    // by position.
    std::vector<std::size_t> first(std::size_t(set.record_count()) + 1, 0);
    for (const FoundLine& line : found)
        ++first[std::size_t(line.position) + 1];
    std::partial_sum(first.begin(), first.end(), first.begin());
    std::vector<std::size_t> order(found.size());
    for (std::size_t i = 0; i < found.size(); ++i)
        order[first[std::size_t(found[i].position)]++] = i;
    results.reserve(found.size());
    for (const std::size_t i : order) {
        const FoundLine& line = found[i];
        set.set_absolute_position(line.position);
        results.add(set, {texts.chunk(line.chunk), line.start, line.length});
    }
    return true;
}

} // namespace

QString CL_Search::nothing_found_text() {
    return QStringLiteral("(Nothing found)");
}

ResultLines CL_Search::search_records(Recordset* artists, const QString& text, SearchField field,
                                      QString* error) {
    clear_results();
    if (text.isEmpty() || !artists || artists->record_count() == 0)
        return {};
    Results results(albums_, album_of_line_);
    bool read = true;
    {
        const KeptCursor kept(*artists);
        const CaselessFinder finder(text);
        switch (field) {
        case SearchField::Artist:
            search_names(*artists, finder, Field::Artist, results);
            break;
        case SearchField::Album:
            search_names(*artists, finder, Field::Album, results);
            break;
        case SearchField::Songs:
            read = search_songs(*artists, finder, results, error);
            break;
        }
    }
    if (!read) {
        clear_results();
        return {};
    }
    ResultLines lines = results.take_lines();
    if (lines.empty())
        lines.push_back({nothing_found_text()});
    return lines;
}

std::optional<CL_Search::Info> CL_Search::display_info(int line) const {
    if (line < 0 || std::size_t(line) >= album_of_line_.size())
        return std::nullopt;
    return albums_[album_of_line_[std::size_t(line)]];
}

void CL_Search::clear_results() {
    albums_.clear();
    album_of_line_.clear();
}

} // namespace vinylix
