#include "import_data.h"

namespace vinylix {

AlbumRecord ImportedAlbum::record() const {
    AlbumRecord record;
    record[Field::Artist] = artist;
    record[Field::Album] = album;
    record[Field::Songs] = properties.song_list(chosen.value_or(SongSource::FileNames));
    record[Field::Cover] = cover.isEmpty() ? cover_no : cover;
    record[Field::Cds] = properties.cds;
    record[Field::Kbps] = properties.kbps;
    record[Field::CD] = cd;
    record[Field::Size] = properties.size;
    record[Field::Year] = properties.year;
    return record;
}

void ImportData::remove(int k) {
    if (contains(k))
        albums_.erase(albums_.begin() + k);
}

} // namespace vinylix
