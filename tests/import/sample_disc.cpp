#include "sample_disc.h"

#include "store/line_end.h"
#include "support/album_tree.h"
#include "support/albums.h"

#include <QFile>
#include <sys/syscall.h>
#include <unistd.h>

namespace vinylix::test {

namespace {

void add(Recordset& set, const QString& artist, const QString& album, const QString& songs,
         const QString& cds, const QString& kbps, const QString& cd, const QString& size,
         const QString& year) {
    const QString values[] = {artist, album, songs, "No", cds, kbps, cd, size, year};
    set.add_new();
    for (int f = 0; f < field_count; ++f)
        set.set_value(field_names()[std::size_t(f)], values[f]);
    QString error;
    if (!set.update(&error))
        qFatal("cannot add an album: %s", qPrintable(error));
}

} // namespace

SampleDisc::SampleDisc() : catalogue(folder.make_catalogue()), disc(folder.file("Disc 12")) {
    write_file(disc + "/Motorhead - ACE OF SPADES/01 - Ace of Spades.mp3",
               mp3_file("Ace of Spades", "1980"));
    write_file(disc + "/Blur - 13/01 - Tender.mp3", mp3_file("Tender", "1999"));
    write_file(disc + "/Blur - 13/02 - Bugman.mp3", mp3_file("Bugman", "1999"));
    write_file(disc + "/Abba - Gold/CD1/a.mp3", mp3_file("a", "1992"));
    write_file(disc + "/Abba - Gold/CD2/b.mp3", mp3_file("b", "1992"));
    write_file(disc + "/Cure - Faith/01 - The Holy Hour.mp3", mp3_file("Hour", "1981"));
    write_file(disc + "/Pulp - His N Hers/01 - Joyriders.mp3",
               QByteArray(1000, 'x') + id3v1_tag("Joy", "1994")); // no frame
    write_file(disc + "/Suede - Dog Man Star/01 - Introducing the Band.mp3",
               mp3_file("Band", "1994"));
    write_file(disc + "/Pulp - Different Class/01 - Mis-Shapes.mp3", mp3_file("Mis", "1995"));
    write_file(disc + "/Suede - Coming Up/01 - Trash.mp3", mp3_file("Trash", "1996"));
    write_file(disc + "/Verve - Urban Hymns/01 - Bitter Sweet Symphony.mp3", mp3_file());
    QFile::setPermissions(disc + "/Verve - Urban Hymns", {});
    write_file(disc + "/Scans/cover.jpg", "picture");

    auto set = open_main(catalogue);
    add(*set, "Motörhead", "Ace of Spades", "01 - Ace of Spades", "1", "128", "12", "0.0", "1980");
    add(*set, "Blur", "13", "Tender\r\nBugman", "1", "128", "12", "0", "1999");
    add(*set, "Abba", "Gold", "== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb", "1", "128", "12", "0",
        "1992");
    add(*set, "Cure", "Faith", "01 - The Holy Hour", "1", "128", "12", "45", "1981");
    add(*set, "Pulp", "His N Hers", "01 - Joyriders", "1", "192", "12", "0", "1994");
    add(*set, "Suede", "Dog Man Star", "01 - Introducing the Band", "1", "128", "12", "0", "1993");
    add(*set, "Suede", "Coming Up", "01 - Trash", "1", "128", "7", "0", "1996");
    add(*set, "Oasis", "Definitely Maybe", "", "1", "128", "012", "50", "1994");
    add(*set, "Blur", "Parklife", "", "1", "128", "3", "60", "1994");
}

SampleDisc::~SampleDisc() {
    QFile::setPermissions(disc + "/Verve - Urban Hymns",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

PermissionsHeld::PermissionsHeld() {
    syscall(SYS_capget, &header_, before_);
    __user_cap_data_struct held[2] = {before_[0], before_[1]};
    held[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header_, held);
}

PermissionsHeld::~PermissionsHeld() {
    syscall(SYS_capset, &header_, before_);
}

} // namespace vinylix::test
