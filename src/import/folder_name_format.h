#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vinylix {

// The folder-name format of the import: "%1" stands for the artist, "%2" for the album, every
// other character is literal. Split once per run around the two placeholders:
//   "[%1] - %2"      -> prefix "[", middle "] - ", suffix "",      artist first
//   "%2 - %1 (mp3)"  -> prefix "",  middle " - ",  suffix " (mp3)", album first
// A format without "%1" or "%2", or with nothing between them, cannot be matched and is refused
// with the reason in words.
struct FolderNameFormat {
    QString prefix;
    QString middle;
    QString suffix;
    bool artist_first = true;

    struct Split;
    static Split split(QStringView format);

    bool operator==(const FolderNameFormat&) const = default;
};

struct FolderNameFormat::Split {
    std::optional<FolderNameFormat> format; // empty when refused
    QString reason;                         // why it was refused
};

// Artist and album as a folder name gives them.
struct FolderNameFields {
    QString artist;
    QString album;
    bool operator==(const FolderNameFields&) const = default;
};

// Matches a folder's own name against the format. The middle text is looked for from the start
// of the name, the prefix and suffix ignoring letter case as well:
//   "[%1] - %2", "[Metallica] - Black Album"      -> Metallica, Black Album
//   "%1 - %2 (mp3)", "Artist - Album"             -> Artist, Album (an absent suffix leaves the
//                                                    rest of the name to the second field)
//   "%1 - %2", "Artist_Album"                     -> no match (middle absent)
// An absent prefix lets the first field start at the name's first character. A name whose middle
// text is found before the end of its prefix, or that leaves the artist or the album empty, does
// not match.
std::optional<FolderNameFields> match_folder_name(const FolderNameFormat& format, QStringView name);

// Re-cases a name whose letters are all upper or all lower case: the first character upper case
// and every other lower case, then each character right after a space upper case. Only the space
// separates words: "pInK fLoYd" -> "Pink Floyd", "AC/DC" -> "Ac/dc", "o'brien" -> "O'brien".
QString arrange_case(QStringView text);

} // namespace vinylix
