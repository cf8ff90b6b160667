#include "cl_search.h"

#include "album_line.h"
#include "caseless_finder.h"
#include "song_line_scan.h"
#include "song_search_thread.h"
#include "store/album_record.h"
#include "store/kept_cursor.h"
#include "store/recordset.h"

#include <algorithm>

namespace vinylix {

CL_Search::CL_Search(int head_albums, QObject* parent)
    : QObject(parent), head_albums_(std::max(head_albums, 0)), thread_(new SongSearchThread(this)) {
    connect(thread_, &SongSearchThread::finished, this, &CL_Search::tail_found);
}

CL_Search::~CL_Search() = default;

QString CL_Search::nothing_found_text() {
    return QStringLiteral("(Nothing found)");
}

void CL_Search::search_records(Recordset* artists, const QString& text, SearchField field,
                               QString* error) {
    clear_results();
    if (text.isEmpty() || !artists || artists->record_count() == 0)
        return;
    if (field == SearchField::Songs) {
        search_songs(*artists, text, error);
        return;
    }
    {
        const Field searched = field == SearchField::Artist ? Field::Artist : Field::Album;
        const KeptCursor kept(*artists);
        const CaselessFinder finder(text);
        for (artists->move_first(); !artists->eof(); artists->move_next()) {
            if (finder.find(artists->value(searched)) < 0)
                continue;
            const QString line = album_line(*artists);
            lines_ << line;
            albums_.push_back({line, QStringLiteral("CD ") + artists->value(Field::CD)});
            album_of_line_.push_back(std::uint32_t(albums_.size() - 1));
        }
    }
    if (lines_.isEmpty())
        lines_ << nothing_found_text();
}

// The head albums are read one by one in the recordset's order, so that their lines are
// listed at once; the rest of the file is read in one pass on the search thread.
void CL_Search::search_songs(Recordset& set, const QString& text, QString* error) {
    song_finder_ = std::make_unique<SongLineFinder>(text);
    std::vector<long long> rowids = set.rowids();
    const std::size_t head = std::min(rowids.size(), std::size_t(head_albums_));
    auto hits = std::make_shared<SongHits>();
    if (!find_song_lines_in(set.catalogue(), std::span(rowids).first(head), *song_finder_, *hits,
                            error)) {
        clear_results();
        return;
    }
    if (hits->line_count() > 0)
        songs_.push_back(std::move(hits));
    if (head < rowids.size())
        thread_->start({set.catalogue().path(), std::move(rowids), int(head), text});
    else if (songs_.empty())
        lines_ << nothing_found_text();
}

void CL_Search::tail_found(std::shared_ptr<const SongHits> hits, const QString& error) {
    if (!error.isEmpty()) {
        clear_results();
        emit finished(error);
        return;
    }
    if (hits->line_count() > 0)
        songs_.push_back(std::move(hits));
    if (songs_.empty())
        lines_ << nothing_found_text();
    emit finished({});
}

int CL_Search::line_count() const {
    std::size_t count = std::size_t(lines_.size());
    for (const auto& part : songs_)
        count += part->line_count();
    return int(count);
}

std::optional<FoundLine> CL_Search::song_line(int line, Catalogue* catalogue) const {
    auto k = std::size_t(line) - std::size_t(lines_.size());
    for (const auto& part : songs_) {
        if (k < part->line_count())
            return catalogue ? read_found_line(*catalogue, part->line(k), *song_finder_)
                             : std::nullopt;
        k -= part->line_count();
    }
    return std::nullopt;
}

QString CL_Search::line(int line, Catalogue* catalogue) const {
    if (line < 0)
        return {};
    if (line < lines_.size())
        return lines_[line];
    const std::optional<FoundLine> found = song_line(line, catalogue);
    return found ? found->text : QString();
}

std::optional<CL_Search::Info> CL_Search::display_info(int line, Catalogue* catalogue) const {
    if (line < 0)
        return std::nullopt;
    if (std::size_t(line) < album_of_line_.size())
        return albums_[album_of_line_[std::size_t(line)]];
    if (line < lines_.size())
        return std::nullopt;
    const std::optional<FoundLine> found = song_line(line, catalogue);
    return found ? std::optional(Info{found->album, found->disc}) : std::nullopt;
}

bool CL_Search::running() const {
    return thread_->running();
}

void CL_Search::stop() {
    thread_->stop();
}

void CL_Search::clear_results() {
    thread_->stop();
    lines_.clear();
    albums_.clear();
    album_of_line_.clear();
    songs_.clear();
}

} // namespace vinylix
