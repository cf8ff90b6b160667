// Rows written behind the recordset's back by this program (an undo, a redo), read again.
#include "column_bytes.h"
#include "recordset.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <unordered_set>

namespace vinylix {

bool Recordset::write_elsewhere(const std::function<std::optional<std::vector<long long>>()>& work,
                                QString* error) {
    bool read = false;
    const bool written = catalogue_->write(
        [&] {
            const bool current = rows_are_current(); // the file is held: nothing changes it now
            const std::optional<std::vector<long long>> rowids = work();
            if (!current || !rowids)
                return;
            read_rows_again(*rowids);
            read = true;
            stamp_ = catalogue_->stamp();
        },
        error);
    if (!written && read)
        reload(nullptr); // the file rolled back: the rows in memory are the file's again
    return written;
}

void Recordset::read_rows_again(const std::vector<long long>& rowids) {
    const std::unordered_set<long long> named(rowids.begin(), rowids.end());
    const long long current = on_record() ? rows_.row(std::size_t(position_)).rowid : -1;
    cancel_update();
    songs_cache_.reset();
    std::erase_if(rows_.rows(),
                  [&](const RowStore::Row& row) { return named.contains(row.rowid); });
    std::erase_if(unordered_, [&](long long rowid) { return named.contains(rowid); });
    QStringList names;
    for (Field f : RowStore::short_fields)
        names << vinylix::field_name(f);
    SQLite::Statement read(catalogue_->database(), "SELECT " + names.join(u',').toStdString() +
                                                       " FROM vinylix WHERE rowid = ?");
    std::array<QByteArrayView, 8> texts;
    const std::size_t first_read = rows_.size();
    for (const long long rowid : rowids) {
        read.bind(1, static_cast<int64_t>(rowid));
        if (read.executeStep()) {
            for (int f = 0; f < 8; ++f)
                texts[std::size_t(f)] = column_bytes(read, f);
            rows_.append_utf8(rowid, texts);
            mark_unordered(rowid);
        }
        read.reset();
    }
    rows_.key_artists(first_read);
    rows_.forget_spellings();
    between_ = false;
    position_ = rows_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_.row(i).rowid == current)
            position_ = (long long)i;
}

} // namespace vinylix
