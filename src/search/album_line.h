#pragma once

#include "store/album_record.h"
#include "store/recordset.h"

namespace vinylix {

// "Artist - Album" of the record under the cursor: how search results and the albums of a
// field value are listed.
inline QString album_line(const Recordset& set) {
    return set.value(Field::Artist) + QStringLiteral(" - ") + set.value(Field::Album);
}

} // namespace vinylix
