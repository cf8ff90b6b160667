#pragma once

#include "import_data.h"

#include "store/catalogue.h"

#include <QStringList>
#include <vector>

namespace vinylix {

// What "Add to Database" did.
struct StoringResult {
    int stored = 0;         // albums added to the catalogue; they left the import data
    QStringList duplicates; // lines of albums the catalogue already holds; they stay
    int missing_cd = -1;    // index (after the stored albums left) of the selected album without
                            // a shelf disc at which storing stopped; -1 when none
    std::vector<int> still_selected; // indices of the selected albums that stay, after the gap
                                     // closed
    QString error; // why nothing could be stored (the catalogue could not be written)
};

// Stores the selected albums (indices in `selected`, any order) in the catalogue, in list order,
// as one batch: they stop at the first selected album without a shelf disc (albums before it
// are stored all the same); a cover not chosen is stored, and kept, as "No"; an album whose
// artist already has an album of that title (ignoring letter case) stays in the list and is
// reported. Stored albums leave `data`, the albums after them moving down.
StoringResult add_to_database(ImportData& data, const std::vector<int>& selected,
                              Catalogue& catalogue);

} // namespace vinylix
