#include "albums.h"

#include "store/catalogue_load.h"

namespace vinylix::test {

void add_album(Recordset& set, const QString& artist, const QString& album, const QString& songs,
               const QString& cds, const QString& cd, const QString& size, const QString& year) {
    set.add_new();
    set.set_value(u"Artist", artist);
    set.set_value(u"Album", album);
    set.set_value(u"Songs", songs);
    set.set_value(u"Cover", QStringLiteral("No"));
    set.set_value(u"Cds", cds);
    set.set_value(u"Kbps", cd == QLatin1String("CDA") ? QStringLiteral("-") : "128");
    set.set_value(u"CD", cd);
    set.set_value(u"Size", size);
    set.set_value(u"Year", year);
    QString error;
    if (!set.update(&error))
        qFatal("cannot add an album: %s", qPrintable(error));
}

void add_albums(Recordset& set, std::initializer_list<std::pair<QString, QString>> albums) {
    for (const auto& [artist, album] : albums)
        add_album(set, artist, album);
}

std::unique_ptr<Recordset> open_main(const QString& path) {
    QString error;
    auto db = Catalogue::open(path, &error);
    auto set = db ? Recordset::open(db, Query::Main, &error) : nullptr;
    if (!set)
        qFatal("cannot open the catalogue: %s", qPrintable(error));
    return set;
}

QString stored_field(const QString& path, const QString& artist, const QString& album,
                     const QString& field) {
    auto set = open_main(path);
    for (set->move_first(); !set->eof(); set->move_next())
        if (set->value(u"Artist") == artist && set->value(u"Album") == album)
            return set->value(field);
    return QStringLiteral("<none>");
}

void load_into(SharedState& state, const QString& folder) {
    CatalogueLoad load = load_catalogue(folder);
    state.vinylixdb = std::move(load.catalogue);
    state.artists = std::move(load.artists);
    state.catalogue_error = load.error;
}

Collection::Collection() {
    auto set = open_main(folder.make_catalogue());
    add_album(*set, "Abba", "Waterloo", {}, "1", "12", "650.5", "1974");
    add_album(*set, "Cure", "Faith", {}, "1", "3", "98", "1981");
    add_album(*set, "Blur", "Parklife", {}, "1", "3", "612.4", "1994");
    add_album(*set, "Cure", "Pornography", {}, "1", "12", "20", "1982");
}

} // namespace vinylix::test
