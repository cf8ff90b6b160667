#pragma once

#include "disc_check.h"

#include <QString>
#include <QStringList>

namespace vinylix {

// The heading of a group without its count: "Alike", "Different", "Only on the disc", "Only in
// the catalogue"; and with it: "Different (2)".
QString group_title(CheckGroup group);
QString group_heading(const DiscCheck& check, CheckGroup group);

// A checked field's name as the check shows it: "CDs", "Song list", "Size", "Bitrate", "Year".
QString checked_field_name(Field field);

// One differing field side by side: the catalogue's value and the disc's, each as shown.
// Numbers carry their unit ("45.7 MB", "128 kbps"), an empty value reads "none", any other
// text is quoted; a song list gives its number of songs and, where the two lists part, that
// line of it: "12 songs, line 3 "Dancing Queen"" beside "12 songs, line 3 "Dancing Quen"".
struct FieldSides {
    QString catalogue;
    QString disc;
};
FieldSides field_sides(Field field, const QString& catalogue, const QString& disc);

// Where the catalogue holds an album of the folder instead: "in the catalogue under disc 4",
// "in the catalogue under discs 4, CDA"; empty when nowhere.
QString other_discs_text(const QStringList& discs);

// What the check found, a line each: the albums on either side ("The folder holds 9 albums;
// the catalogue holds 10 under disc 12." or "The catalogue holds no album under disc 12."),
// then the folders that could not be read, by name, and the number of folders whose names do
// not fit the folder-name format, when there are some.
QStringList summary_lines(const DiscCheck& check);

// The whole check as text, for "Copy" and "Save Report...": a heading naming the disc and the
// folder, the summary, then each group under its heading with its albums ("Artist - Album"),
// each differing field under its album ("Year: catalogue 1991; disc 1992") and, for an album
// only on the disc, where the catalogue holds it instead. Lines end in CR LF.
QString check_report(const DiscCheck& check);

} // namespace vinylix
