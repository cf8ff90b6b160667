#include "shelf_albums.h"

#include "raw_statement.h"
#include "table_span.h"

#include <QAnyStringView>
#include <QUtf8StringView>
#include <SQLiteCpp/Database.h>
#include <algorithm>

namespace vinylix {

namespace {

// How often the reading reports how far it got.
constexpr qint64 progress_every = 4096;

QString text_of(QByteArrayView utf8) {
    return QString::fromUtf8(utf8);
}

// The text of a column, sharing the string of the row before when it holds the same text: an
// artist's albums, the albums of one disc and their years mostly follow one another, and a
// shared string costs no memory of its own.
QString text_like(QByteArrayView utf8, const QString& before) {
    return QAnyStringView::equal(QUtf8StringView(utf8), before) ? before : text_of(utf8);
}

} // namespace

bool read_shelf_albums(Catalogue& catalogue, std::vector<ShelfAlbum>& albums, QString* error,
                       const ProgressFn& progress) {
    albums.clear();
    const bool read = catalogue.run(
        [&] {
            const qint64 expected =
                progress ? expected_rows(catalogue.database(), rowid_span(catalogue.database()))
                         : 0;
            RawStatement row(catalogue.database(), "SELECT Artist, Album, CD, Size, Year "
                                                   "FROM vinylix ORDER BY rowid");
            ShelfAlbum before;
            while (row.step()) {
                const auto done = qint64(albums.size());
                if (done % progress_every == 0 &&
                    !report_progress(progress, done, std::max(expected, done)))
                    return;
                ShelfAlbum album{text_like(row.text(0), before.artist), text_of(row.text(1)),
                                 text_like(row.text(2), before.cd), text_of(row.text(3)),
                                 text_like(row.text(4), before.year)};
                before = album;
                albums.push_back(std::move(album));
            }
        },
        error);
    if (!read)
        albums.clear();
    return read;
}

} // namespace vinylix
