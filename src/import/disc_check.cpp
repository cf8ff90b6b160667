#include "disc_check.h"

#include "store/collation.h"
#include "store/numeric_value.h"

#include <QRegularExpression>
#include <algorithm>

namespace vinylix {

namespace {

// The album as the folder gives it, filed under the disc checked.
AlbumRecord folder_record(ImportedAlbum album, const QString& disc, SongSource source) {
    album.chosen = source;
    album.cd = disc;
    return album.record();
}

// The catalogue's albums of one match key, not matched yet, in the table's order.
using Unmatched = QHash<MatchKey, std::vector<std::size_t>>;

// Takes the catalogue's album for a folder's album: the one with the very same names, else the
// first of its key.
std::optional<std::size_t> take_match(Unmatched& unmatched, const std::vector<StoredAlbum>& stored,
                                      const AlbumRecord& found) {
    const auto candidates = unmatched.find(match_key(found[Field::Artist], found[Field::Album]));
    if (candidates == unmatched.end() || candidates->empty())
        return std::nullopt;
    std::vector<std::size_t>& list = *candidates;
    auto pick = std::find_if(list.begin(), list.end(), [&](std::size_t k) {
        const AlbumRecord& record = stored[k].record;
        return record[Field::Artist] == found[Field::Artist] &&
               record[Field::Album] == found[Field::Album];
    });
    if (pick == list.end())
        pick = list.begin();
    const std::size_t taken = *pick;
    list.erase(pick);
    return taken;
}

void sort_by_names(std::vector<CheckedAlbum>& group) {
    std::vector<std::pair<QString, QString>> keys;
    for (const CheckedAlbum& album : group)
        keys.emplace_back(collation_key(album.artist()), collation_key(album.album()));
    std::vector<std::size_t> order(group.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<CheckedAlbum> sorted;
    sorted.reserve(group.size());
    for (const std::size_t k : order)
        sorted.push_back(std::move(group[k]));
    group = std::move(sorted);
}

} // namespace

bool is_plain_number(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^[0-9]+(?:\.[0-9]+)?$)"));
    return number.match(text).hasMatch();
}

QStringList compared_song_lines(const QString& songs) {
    QStringList lines;
    for (const QStringView line : QStringView(songs).split(u'\n')) {
        if (const QStringView kept = line.trimmed(); !kept.isEmpty())
            lines << kept.toString();
    }
    return lines;
}

bool same_field_value(Field field, const QString& a, const QString& b) {
    if (a == b)
        return true;
    if (field == Field::Songs)
        return compared_song_lines(a) == compared_song_lines(b);
    return is_plain_number(a) && is_plain_number(b) &&
           LeadingNumber::of(a).compare(LeadingNumber::of(b)) == 0;
}

const QString& CheckedAlbum::artist() const {
    return stored ? stored->record[Field::Artist] : on_disc[Field::Artist];
}

const QString& CheckedAlbum::album() const {
    return stored ? stored->record[Field::Album] : on_disc[Field::Album];
}

std::size_t DiscCheck::catalogue_count() const {
    return group(CheckGroup::Alike).size() + group(CheckGroup::Different).size() +
           group(CheckGroup::OnlyInCatalogue).size();
}

DiscCheck check_disc(const QString& disc, const QString& folder, const ImportRun& run,
                     SongSource source, const DiscCatalogue& catalogue) {
    DiscCheck check{disc, folder, run.unreadable, run.rejected, {}};
    Unmatched unmatched;
    for (std::size_t k = 0; k < catalogue.on_disc.size(); ++k) {
        const AlbumRecord& record = catalogue.on_disc[k].record;
        unmatched[match_key(record[Field::Artist], record[Field::Album])].push_back(k);
    }
    std::vector<bool> matched(catalogue.on_disc.size(), false);
    for (int k = 0; k < run.albums.size(); ++k) {
        CheckedAlbum album;
        album.found = k;
        album.on_disc = folder_record(run.albums[k], disc, source);
        const auto stored = take_match(unmatched, catalogue.on_disc, album.on_disc);
        CheckGroup group = CheckGroup::OnlyOnDisc;
        if (stored) {
            matched[*stored] = true;
            album.stored = catalogue.on_disc[*stored];
            for (const Field field : checked_fields)
                if (!same_field_value(field, album.stored->record[field], album.on_disc[field]))
                    album.differing.push_back(field);
            group = album.differing.empty() ? CheckGroup::Alike : CheckGroup::Different;
        } else {
            album.other_discs = catalogue.elsewhere.value(
                match_key(album.on_disc[Field::Artist], album.on_disc[Field::Album]));
        }
        check.groups[std::size_t(group)].push_back(std::move(album));
    }
    for (std::size_t k = 0; k < catalogue.on_disc.size(); ++k)
        if (!matched[k])
            check.groups[std::size_t(CheckGroup::OnlyInCatalogue)].push_back(
                {catalogue.on_disc[k], -1, {}, {}, {}});
    for (std::vector<CheckedAlbum>& group : check.groups)
        sort_by_names(group);
    return check;
}

} // namespace vinylix
