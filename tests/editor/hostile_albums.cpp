#include "hostile_albums.h"

#include <QStringList>

namespace vinylix::test {

namespace {

struct Layout {
    QString songs, cds;
};

// 1000 CDs of two songs each, in the program's own layout.
QString thousand_cds() {
    QStringList sections;
    for (int n = 1; n <= 1000; ++n)
        sections << QStringLiteral("== CD %1 ==\r\nsong %1a\r\nsong %1b").arg(n);
    return sections.join(QStringLiteral("\r\n\r\n"));
}

std::vector<Layout> layouts() {
    return {
        {"== CD 1 ==\na\n\n== CD 2 ==\nb", "2"},
        {"a\r\nb\r\nc", "2"},
        {"== CD 01 ==\r\na\r\n\r\n== CD 02 ==\r\nb", "2"},
        {"intro\r\n== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", "2"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 1 ==\r\nb\r\n\r\n== CD 2 ==\r\nc", "2"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb\r\n\r\n== CD 3 ==\r\nc", "2"},
        {thousand_cds(), "1000"},
        {"== CD 2 ==\r\nb\r\n\r\n== CD 1 ==\r\na", "2"},
        {"== CD 1 ==\r\na\r\n\r\nb\r\n\r\n== CD 2 ==\r\nc", "2"},
        {"== CD 1 ==\r\na\nb\r\n\r\n== CD 2 ==\nc\r\n", "2"},
        {"a\rb\r\nc", "1"},
        {"== CD 1 ==\r\na\r\n\r\n\r\n== CD 2 ==\r\nb\r\n\r\n", "2"},
        {"== cd 1 ==\r\na\r\n\r\n== Cd 2 ==\r\nb", "2"},
        {"", "3"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==", "2"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", "1"},
        {"Caf\u00e9 \"Noir\" & <Blue>\r\n\u00a0tab\there", "1"},
        {"== CD 1 ==\r\n" + QString(10000, u'x') + "\r\n\r\n== CD 2 ==\r\ny", "2"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", "abc"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", "-2"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb\r\n\r\n== CD 3 ==\r\nc", "2.5"},
        {"a\r\nb", ""},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", " 2"},
        {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", "02"},
        {"== CD 1 ==\r\na", "99999999999"},
        {"== CD 1 ==\r\na\r\n== CD 2 ==\r\nb", "2"},
    };
}

} // namespace

std::vector<AlbumRecord> hostile_albums() {
    const QStringList covers = {"Yes", "No", "yes", "NO", "Maybe", "", " Yes"};
    const QStringList bitrates = {"128", "1280", "-", "abc", "", "0128", "320kbps", "64"};
    const QStringList locations = {"12", "CDA", "cda", "CD33", "7CDA8", "012", "", "-", "5"};
    const QStringList sizes = {"650.25", "650", "650,25", "1.2.3", "-", "", "abc", "700.05"};
    const QStringList years = {"1999", "99", "19999", "abcd", "", "2001 "};
    const QStringList artists = {"ABBA",      "Guns \"N\" Roses", "Simon & Garfunkel",
                                 "<Unknown>", "Bj\u00f6rk",       "Sigur R\u00f3s"};
    const std::vector<Layout> songs = layouts();
    std::vector<AlbumRecord> albums;
    for (int i = 0; i < 106; ++i) {
        const Layout& layout = songs[std::size_t(i) % songs.size()];
        AlbumRecord album;
        album[Field::Artist] = artists[i % artists.size()];
        album[Field::Album] = QStringLiteral("Album %1 '\u00e0 <b> & \"q\"'").arg(i);
        album[Field::Songs] = layout.songs;
        album[Field::Cover] = covers[i % covers.size()];
        album[Field::Cds] = layout.cds;
        album[Field::Kbps] = bitrates[i % bitrates.size()];
        album[Field::CD] = locations[i % locations.size()];
        album[Field::Size] = sizes[i % sizes.size()];
        album[Field::Year] = years[i % years.size()];
        albums.push_back(album);
    }
    return albums;
}

} // namespace vinylix::test
