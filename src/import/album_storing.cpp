#include "album_storing.h"

#include "store/album_batch.h"

#include <algorithm>

namespace vinylix {

StoringResult add_to_database(ImportData& data, const std::vector<int>& selected,
                              Catalogue& catalogue) {
    std::vector<int> walk = selected;
    std::sort(walk.begin(), walk.end());
    walk.erase(std::unique(walk.begin(), walk.end()), walk.end());
    std::erase_if(walk, [&](int k) { return !data.contains(k); });

    StoringResult result;
    std::vector<int> batch;
    std::vector<AlbumRecord> records;
    for (const int k : walk) {
        if (data[k].cd.isEmpty()) {
            result.missing_cd = k;
            break;
        }
        if (data[k].cover.isEmpty())
            data[k].cover = cover_no;
        batch.push_back(k);
        records.push_back(data[k].record());
    }
    const BatchResult stored = add_albums(catalogue, records);
    if (!stored.ok) {
        result.error = stored.error;
        result.missing_cd = -1;
        result.still_selected = walk;
        return result;
    }
    std::vector<int> removed;
    for (std::size_t i = 0; i < batch.size(); ++i) {
        if (stored.outcomes[i] == BatchOutcome::Stored)
            removed.push_back(batch[i]);
        else
            result.duplicates << data[batch[i]].line();
    }
    // Where an index lands once the stored albums before it have left.
    const auto shifted = [&](int k) {
        return k - int(std::lower_bound(removed.begin(), removed.end(), k) - removed.begin());
    };
    for (const int k : walk) {
        if (!std::binary_search(removed.begin(), removed.end(), k))
            result.still_selected.push_back(shifted(k));
    }
    if (result.missing_cd >= 0)
        result.missing_cd = shifted(result.missing_cd);
    for (auto k = removed.rbegin(); k != removed.rend(); ++k)
        data.remove(*k);
    result.stored = int(removed.size());
    return result;
}

} // namespace vinylix
