#include "disc_texts.h"

#include "store/album_record.h"
#include "store/control_text.h"
#include "store/line_end.h"
#include "store/numeric_value.h"

#include <QFileInfo>

namespace vinylix {

namespace {

const QString dash = QStringLiteral(" \u2013 ");

// A field on the one line of its album: each control character a space.
QString in_line(QString text) {
    blank_controls(text);
    return text;
}

bool has_size(const ShelfAlbum& album) {
    return !album.size.isEmpty() && album.size != not_applicable;
}

QString artist_and_album(const ShelfAlbum& album) {
    return in_line(album.artist) + dash + in_line(album.album);
}

QString size_suffix(const ShelfAlbum& album) {
    return has_size(album) ? QStringLiteral(", ") + megabytes_text(hundredths_value(album.size))
                           : QString();
}

} // namespace

QString disc_title(const ShelfDisc& disc) {
    return QStringLiteral("Disc ") + disc.number;
}

QString album_count_text(std::size_t count) {
    return count == 1 ? QStringLiteral("1 album") : QStringLiteral("%1 albums").arg(count);
}

QString megabytes_text(qint64 hundredths) {
    return hundredths_text(hundredths) + QStringLiteral(" MB");
}

QString disc_line(const ShelfDisc& disc, Medium medium) {
    QString line = disc_title(disc) + QStringLiteral(": ") + album_count_text(disc.albums.size()) +
                   QStringLiteral(", ") + megabytes_text(disc.size_hundredths);
    if (const qint64 excess = excess_hundredths(disc.size_hundredths, medium); excess > 0)
        line += QStringLiteral(", over by ") + megabytes_text(excess);
    return line;
}

QString audio_cds_line(std::size_t count) {
    return QStringLiteral("CDA: ") + album_count_text(count) + QStringLiteral(" (audio CDs)");
}

QString album_line(const ShelfAlbum& album) {
    return artist_and_album(album) + size_suffix(album);
}

QString not_disc_number_line(const ShelfAlbum& album) {
    return u'"' + in_line(album.cd) + QStringLiteral("\": ") + artist_and_album(album);
}

QString disc_insert(const ShelfDisc& disc, const std::vector<ShelfAlbum>& albums) {
    QString text = disc_title(disc) + crlf + crlf;
    for (std::size_t p : in_album_order(albums, disc.albums)) {
        const ShelfAlbum& album = albums[p];
        text += artist_and_album(album);
        if (const QString year = in_line(album.year).trimmed(); !year.isEmpty())
            text += QStringLiteral(" (") + year + u')';
        text += size_suffix(album) + crlf;
    }
    text += crlf + QStringLiteral("Total: ") + album_count_text(disc.albums.size()) +
            QStringLiteral(", ") + megabytes_text(disc.size_hundredths) + crlf;
    return text;
}

QString insert_file_name(const QString& chosen) {
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".txt") : chosen;
}

} // namespace vinylix
