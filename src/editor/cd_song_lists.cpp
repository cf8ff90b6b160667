#include "cd_song_lists.h"

#include "store/song_list_text.h"

#include <QRegularExpression>
#include <algorithm>

namespace vinylix {

namespace {

// The empty line that separates one CD's list from the header of another CD.
const QRegularExpression& section_break() {
    static const QRegularExpression pattern(QStringLiteral("\\r\\n\\r\\n(?=== CD \\d+ ==)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString section_text(const QString& songs, qsizetype header_at) {
    const qsizetype line_end = songs.indexOf(crlf, header_at);
    if (line_end < 0)
        return {}; // a header on the last line: no songs
    const qsizetype start = line_end + 2;
    const QRegularExpressionMatch next = section_break().match(songs, line_end + 1);
    const qsizetype end = next.hasMatch() ? next.capturedStart() : songs.size();
    return songs.mid(start, std::max<qsizetype>(0, end - start));
}

} // namespace

QStringList read_editor_sections(const QString& songs, int cd_count) {
    QStringList lists;
    for (int n = 1; n <= std::min(cd_count, max_cd_count); ++n) {
        const qsizetype at = songs.indexOf(cd_header(n), 0, Qt::CaseInsensitive);
        if (at < 0)
            break;
        lists.append(section_text(songs, at));
    }
    return lists;
}

void CdSongLists::load_single(const QString& songs) {
    lists_ = QStringList{songs};
    count_ = 1;
    current_ = 0;
}

void CdSongLists::load_sections(const QString& songs, int cd_count) {
    lists_ = read_editor_sections(songs, cd_count);
    count_ = std::clamp(cd_count, 1, max_cd_count);
    current_ = 0;
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

QString CdSongLists::stored_text(const QString& box_text) const {
    if (count_ < 2)
        return box_text;
    QStringList sections = lists_.mid(0, count_);
    while (sections.size() < count_)
        sections.append(QString());
    return write_song_sections(sections);
}

} // namespace vinylix
