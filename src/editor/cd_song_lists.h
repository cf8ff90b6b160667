#pragma once

#include "store/song_list_text.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vinylix {

// The largest CD count the editor works with; larger counts are taken as this one.
inline constexpr int max_cd_count = 999;

// The number of CDs the editor reads from a stored or typed CD count: its numeric value,
// at most max_cd_count; 0 for a text without a number or a negative one. "1000" gives 999.
int editor_cd_count(QStringView cds);

// The song lists of the CDs of the album open in the editor, the CD shown and whether the
// shown list has been edited since it was put into the song-list box. Texts use CR LF.
//
// A stored album's lists are read as the browser reads them (read_song_sections), and the
// stored text is kept beside them: a save writes back the stored text byte for byte, with only
// the lists the user edited put in place of their sections. So an unchanged save stores what
// was stored, whatever its layout (LF line ends, text before the first header, sections past
// the CD count, headers the reader does not know), and an edit never drops text the editor
// could not show.
class CdSongLists {
public:
    // What the song-list box and the CD controls show after a change of the CD count.
    struct Shown {
        std::optional<QString> text;   // the list to put into the box; none: leave the box
        bool reset_count_text = false; // the count box is to read "1" again
    };

    // An album of one CD: one list holding the stored text.
    void load_single(const QString& songs);
    // An album of several CDs: the lists read from the stored text, also those of sections
    // past `cd_count`, which raising the count shows.
    void load_sections(const QString& songs, int cd_count);
    // The album stored with song list `songs` and CD count `cds`: one list or several.
    void load(const QString& songs, const QString& cds);

    // Loading is over and the count box shows the album's count: a count lowered below the
    // one shown now drops the sections past it when saved. (The box may show less than was
    // stored: a count of 1000 in a box of three characters reads 100, and saving it unchanged
    // must not drop CDs 101 to 1000.)
    void loading_done() { stored_count_ = count_; }

    const QStringList& lists() const { return lists_; }
    int count() const { return count_; }
    int current() const { return current_; }
    bool multi() const { return count_ > 1; }
    // "CD # n" for the CD shown.
    QString label() const;
    // The list of the CD shown; none when nothing is held for it.
    std::optional<QString> shown_list() const;

    bool changed() const { return changed_; }
    void mark_changed() { changed_ = true; }
    void clear_changed() { changed_ = false; }

    // Keeps the box's text as the list of the CD shown when it has been edited.
    void keep_edits(const QString& box_text);

    // A new CD count `value` (the numeric value of the count box). Edits of the CD shown are
    // kept first, so changing the count never loses typed text.
    Shown set_count(int value, const QString& box_text);

    // Whether stepping by `direction` (+1 next, -1 previous) is possible.
    bool can_step(int direction) const;
    // Steps to the next or previous CD; `keep` stores the box's edits first. Returns the list
    // to show.
    std::optional<QString> step(int direction, bool keep, const QString& box_text);

    // The song-list text to store, with the box's text as the list of the CD shown when it
    // has been edited. A list counts as edited when its text differs from the list loaded
    // (line ends aside: the box shows LF and CR LF alike).
    // - One CD: the stored text when CD 1's list is the one loaded from a one-CD album;
    //   otherwise CD 1's list.
    // - Several CDs of an album loaded with several: the stored text with each edited list of
    //   CDs 1 to count() put in place of its section; when a CD from the first whose section
    //   is missing onwards has been filled, sections for the CDs from that one up to count()
    //   are added at the end. A count lowered below the one shown when loading was done drops
    //   the sections past it; sections past a count that was not lowered stay as they were.
    // - Several CDs otherwise (a new album, or a one-CD album given more CDs): the sectioned
    //   text of exactly count() CDs.
    QString stored_text(const QString& box_text) const;

private:
    enum class Loaded { Nothing, Single, Sections };

    QStringList lists_with_box(const QString& box_text) const;
    QString with_edited_sections(const QStringList& lists) const;

    QStringList lists_;
    int count_ = 1;
    int current_ = 0;
    bool changed_ = false;

    // The album as stored: its text, how it was read, and the lists read and where they stand.
    Loaded loaded_ = Loaded::Nothing;
    QString stored_;
    int stored_count_ = 1;
    QStringList stored_lists_;
    std::vector<SongSection> sections_;
};

} // namespace vinylix
