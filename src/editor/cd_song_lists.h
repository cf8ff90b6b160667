#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vinylix {

// The largest CD count the editor works with; larger counts are taken as this one.
inline constexpr int max_cd_count = 999;

// Reads the per-CD song lists of an album of `cd_count` CDs from its stored text, the way the
// album editor reads them: each CD's header is searched from the start of the text in any
// letter case (so sections may stand in any order), and its list runs from the line after
// the header up to the empty line that precedes the next header, or to the end of the text.
// Reading stops at the first CD whose header is missing.
QStringList read_editor_sections(const QString& songs, int cd_count);

// The song lists of the CDs of the album open in the editor, the CD shown and whether the
// shown list has been edited since it was put into the song-list box. Texts use CR LF.
class CdSongLists {
public:
    // What the song-list box and the CD controls show after a change of the CD count.
    struct Shown {
        std::optional<QString> text;   // the list to put into the box; none: leave the box
        bool reset_count_text = false; // the count box is to read "1" again
    };

    // An album of one CD: one list holding the stored text.
    void load_single(const QString& songs);
    // An album of several CDs: the lists read from the stored text.
    void load_sections(const QString& songs, int cd_count);

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

    // The song-list text to store: for one CD the box's text as it stands; for several CDs
    // the sectioned text of exactly `count()` CDs (lists beyond the count are left out).
    QString stored_text(const QString& box_text) const;

private:
    QStringList lists_;
    int count_ = 1;
    int current_ = 0;
    bool changed_ = false;
};

} // namespace vinylix
