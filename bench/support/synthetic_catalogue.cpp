#include "synthetic_catalogue.h"

#include "store/catalogue.h"
#include "store/song_list_text.h"

#include <QDir>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <stdexcept>

namespace vinylix::bench {

namespace {

const char* const words[] = {"love",  "night", "blue", "river", "fire",  "dream", "road",
                             "heart", "rain",  "gold", "stone", "light", "city",  "song"};

QString song_name(int album, int song) {
    return QStringLiteral("%1 %2 of the %3 (%4)")
        .arg(QString::fromLatin1(words[(album + song) % 14]),
             QString::fromLatin1(words[(album * 7 + song * 3) % 14]),
             QString::fromLatin1(words[(song * 5) % 14]))
        .arg(song + 1);
}

QString songs_text(int album, int songs, int cds) {
    QStringList lines;
    for (int s = 0; s < songs; ++s)
        lines << song_name(album, s);
    if (cds == 1)
        return lines.join(crlf);
    const int half = songs / 2;
    return write_song_sections({lines.mid(0, half).join(crlf), lines.mid(half).join(crlf)});
}

QString artist_name(int album) {
    const int artist = album / 5;
    QString name =
        QStringLiteral("Artist %1 %2").arg(QString::fromLatin1(words[artist % 14])).arg(artist);
    if (artist % 7 == 0 && album % 5 == 4)
        name = name.toUpper();
    return name;
}

} // namespace

QString bench_folder(int albums) {
    const QString path = QDir::temp().filePath(QStringLiteral("vinylix-bench-%1").arg(albums));
    QDir().mkpath(path);
    return path;
}

QString make_synthetic_catalogue(const QString& folder, int albums, int songs) {
    const QString path = catalogue_path(folder);
    const QString marker = path + QStringLiteral(".complete");
    if (QFileInfo::exists(marker))
        return path;
    QFile::remove(path);
    QString error;
    if (!create_empty_catalogue(path, &error))
        throw std::runtime_error(error.toStdString());
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Transaction transaction(db);
    SQLite::Statement insert(db, "INSERT INTO vinylix VALUES (?,?,?,?,?,?,?,?,?)");
    for (int a = 0; a < albums; ++a) {
        const bool audio = a % 10 == 3;
        const int cds = a % 20 == 7 ? 2 : 1;
        const QString fields[] = {
            artist_name(a),
            QStringLiteral("Album %1 %2").arg(QString::fromLatin1(words[a % 14])).arg(a),
            songs_text(a, songs, cds),
            a % 3 ? QStringLiteral("Yes") : QStringLiteral("No"),
            QString::number(cds),
            audio ? QStringLiteral("-") : QStringLiteral("192"),
            audio ? QStringLiteral("CDA") : QString::number(a / 8 + 1),
            audio ? QStringLiteral("-") : QStringLiteral("%1.%2").arg(80 + a % 600).arg(a % 100),
            QString::number(1960 + a % 60)};
        for (int f = 0; f < 9; ++f)
            insert.bind(f + 1, fields[f].toStdString());
        insert.exec();
        insert.reset();
    }
    transaction.commit();
    QFile marker_file(marker);
    marker_file.open(QIODevice::WriteOnly);
    return path;
}

} // namespace vinylix::bench
