#include "duplicate_catalogue.h"

#include "synthetic_catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace vinylix::bench {

namespace {

// Copy `variation` (0 to 2) of an album's artist and title.
std::pair<QString, QString> copy_names(const QString& artist, const QString& album, int variation) {
    switch (variation) {
    case 0:
        return {artist.toUpper(), album + QStringLiteral(" (Remastered)")};
    case 1:
        return {QStringLiteral("The ") + artist, album + QStringLiteral(" [CD1]")};
    default:
        return {QString(artist).replace(QStringLiteral("Artist"), QStringLiteral("Ártist")),
                album + QStringLiteral(" (2011 Remaster)")};
    }
}

} // namespace

QString make_duplicate_catalogue(int albums) {
    const QString folder =
        QDir::temp().filePath(QStringLiteral("vinylix-bench-duplicates-%1").arg(albums));
    QDir().mkpath(folder);
    const QString marker = QDir(folder).filePath(QStringLiteral("duplicates.complete"));
    const QString path = make_synthetic_catalogue(folder, albums);
    if (QFileInfo::exists(marker))
        return path;
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Transaction transaction(db);
    SQLite::Statement read(db, "SELECT Artist, Album FROM vinylix WHERE rowid = ?");
    SQLite::Statement write(db, "UPDATE vinylix SET Artist = ?, Album = ?, Kbps = ?, CD = ?, "
                                "Size = ? WHERE rowid = ?");
    for (int a = 0; a + 3 < albums; a += 20) {
        read.bind(1, a + 1);
        if (!read.executeStep())
            break;
        const QString artist = QString::fromStdString(read.getColumn(0).getString());
        const QString album = QString::fromStdString(read.getColumn(1).getString());
        read.reset();
        for (int v = 0; v <= (a / 20) % 3; ++v) {
            const auto [copy_artist, copy_album] = copy_names(artist, album, v);
            const std::string fields[] = {
                copy_artist.toStdString(), copy_album.toStdString(), std::to_string(128 + 64 * v),
                std::to_string(albums / 8 + a / 20 + v), std::to_string(90 + v * 7) + ".5"};
            for (int f = 0; f < 5; ++f)
                write.bind(f + 1, fields[f]);
            write.bind(6, a + 2 + v);
            write.exec();
            write.reset();
        }
    }
    transaction.commit();
    QFile(marker).open(QIODevice::WriteOnly);
    return path;
}

} // namespace vinylix::bench
