#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vinylix {

// The shelf disc number that names propose for a folder: the one number of `folder_name`, else
// the one number of `volume_label`, written as disc_number_text writes it. A name holding no
// number, or more than one, or one too long for a disc, proposes nothing; the word "mp3" holds
// none: "Disc 07" -> "7"; "MP3 Disc 5" -> "5"; "mp3", "MUSIC_12" -> "12"; "2 of 3", "" -> none.
std::optional<QString> proposed_disc_number(QStringView folder_name, QStringView volume_label);

// The same for a folder on disk: its own name, unless it is the root of its volume (a mount
// point such as "cdrom0" says nothing of the disc), and its volume's label.
std::optional<QString> proposed_disc_number(const QString& folder);

// The disc number the user typed, checked: the disc as disc_number_text writes it, or else why
// it is none, in words.
struct DiscEntry {
    std::optional<QString> disc;
    QString refusal;
};
DiscEntry entered_disc_number(const QString& text);

} // namespace vinylix
