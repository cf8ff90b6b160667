#include "album_removal.h"

#include "browse/browser.h"
#include "store/catalogue.h"

#include <SQLiteCpp/Database.h>

namespace vinylix {

bool delete_album(Recordset& set, const QString& artist, const QString& album, QString* error) {
    if (!position_on_album(set, artist, album)) {
        *error = QStringLiteral("The album is no longer in the catalogue.");
        return false;
    }
    return set.delete_current(error);
}

bool delete_all_albums(Catalogue& catalogue, QString* error) {
    CatalogueTransaction transaction(catalogue, error);
    if (!transaction.ok())
        return false;
    try {
        catalogue.database().exec("DELETE FROM vinylix");
    } catch (const std::exception& e) {
        *error = QString::fromUtf8(e.what());
        return false; // the transaction rolls back
    }
    return transaction.commit(error);
}

} // namespace vinylix
