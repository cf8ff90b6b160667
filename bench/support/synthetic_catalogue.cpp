#include "synthetic_catalogue.h"

#include "store/catalogue.h"
#include "store/song_list_text.h"

#include <QDir>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <array>
#include <functional>
#include <random>
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

using Fields = std::array<QString, 9>;

// Writes `albums` rows made by `row` into `folder`'s catalogue, unless a complete one is there.
QString write_catalogue(const QString& folder, int albums,
                        const std::function<Fields(int album)>& row) {
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
        const Fields fields = row(a);
        for (int f = 0; f < 9; ++f)
            insert.bind(f + 1, fields[std::size_t(f)].toStdString());
        insert.exec();
        insert.reset();
    }
    transaction.commit();
    QFile marker_file(marker);
    marker_file.open(QIODevice::WriteOnly);
    return path;
}

QString capitalised(const char* word) {
    QString text = QString::fromLatin1(word);
    text[0] = text[0].toUpper();
    return text;
}

// "01 Love night": the song's number and two words, about 15 characters.
QString short_songs_text(std::mt19937& random, int cds) {
    QStringList lines;
    for (int s = 0; s < 12; ++s) {
        const QString first = capitalised(words[random() % 14]);
        const QString second = QString::fromLatin1(words[random() % 14]);
        lines << QStringLiteral("%1 %2 %3").arg(s + 1, 2, 10, QChar(u'0')).arg(first, second);
    }
    if (cds == 1)
        return lines.join(crlf);
    return write_song_sections({lines.mid(0, 6).join(crlf), lines.mid(6).join(crlf)});
}

} // namespace

QString bench_folder(int albums) {
    const QString path = QDir::temp().filePath(QStringLiteral("vinylix-bench-%1").arg(albums));
    QDir().mkpath(path);
    return path;
}

QString short_song_folder(int albums) {
    const QString path =
        QDir::temp().filePath(QStringLiteral("vinylix-bench-short-songs-%1").arg(albums));
    QDir().mkpath(path);
    return path;
}

QString make_synthetic_catalogue(const QString& folder, int albums, int songs) {
    return write_catalogue(folder, albums, [songs](int a) -> Fields {
        const bool audio = a % 10 == 3;
        const int cds = a % 20 == 7 ? 2 : 1;
        return {artist_name(a),
                QStringLiteral("Album %1 %2").arg(QString::fromLatin1(words[a % 14])).arg(a),
                songs_text(a, songs, cds),
                a % 3 ? QStringLiteral("Yes") : QStringLiteral("No"),
                QString::number(cds),
                audio ? QStringLiteral("-") : QStringLiteral("192"),
                audio ? QStringLiteral("CDA") : QString::number(a / 8 + 1),
                audio ? QStringLiteral("-")
                      : QStringLiteral("%1.%2").arg(80 + a % 600).arg(a % 100),
                QString::number(1960 + a % 60)};
    });
}

QString make_short_song_catalogue(const QString& folder, int albums) {
    std::mt19937 random(24);
    static const char* const bitrates[] = {"128", "160", "192", "224", "256", "320"};
    return write_catalogue(folder, albums, [&random](int a) -> Fields {
        const bool audio = a % 25 == 24;
        const int cds = a % 10 == 9 ? 2 : 1;
        QString songs = short_songs_text(random, cds);
        const QString kbps = QString::fromLatin1(bitrates[random() % 6]);
        const unsigned megabytes = 40 + random() % 700;
        const QString size = QStringLiteral("%1.%2").arg(megabytes).arg(random() % 100);
        return {artist_name(a),
                QStringLiteral("%1 %2").arg(capitalised(words[a % 14])).arg(a),
                std::move(songs),
                a % 3 ? QStringLiteral("Yes") : QStringLiteral("No"),
                QString::number(cds),
                audio ? QStringLiteral("-") : kbps,
                audio ? QStringLiteral("CDA") : QString::number(a / 8 + 1),
                audio ? QStringLiteral("-") : size,
                QString::number(1950 + random() % 75)};
    });
}

} // namespace vinylix::bench
