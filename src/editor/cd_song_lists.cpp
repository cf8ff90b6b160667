#include "cd_song_lists.h"

#include "store/numeric_value.h"

#include <algorithm>

namespace vinylix {

namespace {

// The box shows LF and CR LF alike and gives CR LF back: a list is the same whichever it has.
QString with_crlf(QString text) {
    return text.replace(crlf, QStringLiteral("\n")).replace(u'\n', crlf);
}

bool same_list(const QString& edited, const QString& loaded) {
    return edited == loaded || with_crlf(edited) == with_crlf(loaded);
}

QStringList padded(QStringList lists, int count) {
    lists = lists.mid(0, count);
    while (lists.size() < count)
        lists.append(QString());
    return lists;
}

} // namespace

int editor_cd_count(QStringView cds) {
    return int(whole_value(cds, 0, max_cd_count));
}

void CdSongLists::load_single(const QString& songs) {
    lists_ = QStringList{songs};
    count_ = 1;
    current_ = 0;
    loaded_ = Loaded::Single;
    stored_ = songs;
    stored_lists_ = lists_;
    sections_.clear();
}

void CdSongLists::load_sections(const QString& songs, int cd_count) {
    count_ = std::clamp(cd_count, 1, max_cd_count);
    stored_count_ = count_;
    current_ = 0;
    loaded_ = Loaded::Sections;
    stored_ = songs;
    // Sections past the count are read too: raising the count shows them, as the browser does.
    sections_ = find_song_sections(songs, max_cd_count);
    lists_.clear();
    for (const SongSection& section : sections_)
        lists_.append(songs.mid(section.start, section.length));
    stored_lists_ = lists_;
}

void CdSongLists::load(const QString& songs, const QString& cds) {
    const int count = editor_cd_count(cds);
    if (count < 2)
        load_single(songs);
    else
        load_sections(songs, count);
}

QString CdSongLists::label() const {
    return QStringLiteral("CD # %1").arg(current_ + 1);
}

std::optional<QString> CdSongLists::shown_list() const {
    if (current_ < lists_.size())
        return lists_[current_];
    return std::nullopt;
}

void CdSongLists::keep_edits(const QString& box_text) {
    if (!changed_)
        return;
    while (lists_.size() <= current_)
        lists_.append(QString());
    lists_[current_] = box_text;
}

CdSongLists::Shown CdSongLists::set_count(int value, const QString& box_text) {
    keep_edits(box_text);
    Shown shown;
    if (value > 1) {
        count_ = std::min(value, max_cd_count);
        while (lists_.size() < count_)
            lists_.append(QString());
        current_ = std::min(current_, count_ - 1);
        shown.text = shown_list();
    } else {
        count_ = 1;
        current_ = 0;
        shown.text = shown_list();
        shown.reset_count_text = value <= 0;
    }
    changed_ = false;
    return shown;
}

bool CdSongLists::can_step(int direction) const {
    const int target = current_ + direction;
    return target >= 0 && target < count_;
}

std::optional<QString> CdSongLists::step(int direction, bool keep, const QString& box_text) {
    if (!can_step(direction))
        return std::nullopt;
    if (keep)
        keep_edits(box_text);
    current_ += direction;
    changed_ = false;
    return lists_.value(current_);
}

QStringList CdSongLists::lists_with_box(const QString& box_text) const {
    QStringList lists = lists_;
    if (changed_) {
        while (lists.size() <= current_)
            lists.append(QString());
        lists[current_] = box_text;
    }
    return lists;
}

QString CdSongLists::stored_text(const QString& box_text) const {
    const QStringList lists = lists_with_box(box_text);
    if (count_ < 2) {
        const QString first = lists.value(0);
        if (loaded_ == Loaded::Single && same_list(first, stored_))
            return stored_;
        return first;
    }
    if (loaded_ != Loaded::Sections)
        return write_song_sections(padded(lists, count_));
    return with_edited_sections(lists);
}

QString CdSongLists::with_edited_sections(const QStringList& lists) const {
    const int found = int(sections_.size());
    QString text = stored_;
    // A count lowered below the stored one drops the CDs past it, and with them every later
    // section: the last CD kept then runs to the end of the text, as the reader expects.
    if (count_ < stored_count_ && found > count_) {
        const SongSection& last = sections_[std::size_t(count_ - 1)];
        text.truncate(last.start + last.length);
    }
    // Sections stand in the order of their CDs, so replacing from the last keeps the places
    // of the ones before.
    for (int k = std::min(found, count_) - 1; k >= 0; --k) {
        if (same_list(lists.value(k), stored_lists_[k]))
            continue;
        const SongSection& section = sections_[std::size_t(k)];
        QString list = lists.value(k);
        // A header stored last, with no line break after it: its songs start on a line of
        // their own, so that the header stays a line the reader knows.
        if (!list.isEmpty() && section.start > 0 && text[section.start - 1] != u'\n')
            list.prepend(crlf);
        text.replace(section.start, section.length, list);
    }
    // The CDs from the first missing section on are added only when one of them was filled,
    // each with its header, since the reader stops at the first missing one. The last section
    // found runs to the end of the text, so what is added comes right after it.
    bool filled = false;
    for (int k = found; k < count_; ++k)
        filled = filled || !lists.value(k).isEmpty();
    if (!filled)
        return text;
    for (int k = found; k < count_; ++k) {
        if (!text.isEmpty())
            text += crlf + crlf;
        text += cd_header(k + 1) + crlf + lists.value(k);
    }
    return text;
}

} // namespace vinylix
