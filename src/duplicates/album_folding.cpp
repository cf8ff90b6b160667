#include "album_folding.h"

#include "store/collation.h"

#include <QRegularExpression>

namespace vinylix {

namespace {

// The characters that make words: letters and digits (outside the first plane as well).
// Returns how many UTF-16 units the character at `i` takes, or 0 when it makes no word.
qsizetype word_character_at(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80)
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ? 1
                                                                                                : 0;
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::isLetterOrNumber(QChar::surrogateToUcs4(c, text[i + 1])) ? 2 : 0;
    return c.isLetterOrNumber() ? 1 : 0;
}

// The words of a folded text, into `words`: letters and digits kept, "&" read as "and",
// anything else a blank; one blank between words, none at the ends.
void words_of(QStringView text, QString& words) {
    words.resize(text.size() * 4); // room for "&" written " and"
    QChar* const begin = words.data();
    QChar* out = begin;
    bool blank = false;
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype length = word_character_at(text, i); length > 0) {
            if (blank && out != begin)
                *out++ = u' ';
            blank = false;
            for (const qsizetype end = i + length; i < end; ++i)
                *out++ = text[i];
            continue;
        }
        if (text[i] == u'&') {
            if (out != begin)
                *out++ = u' ';
            *out++ = u'a';
            *out++ = u'n';
            *out++ = u'd';
        }
        blank = true;
        ++i;
    }
    words.resize(out - begin);
}

bool has_words(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (word_character_at(text, i) > 0 || text[i] == u'&')
            return true;
    return false;
}

// The words of a name, or its folded characters when it has no word.
void words_or_characters(QStringView folded, QString& out) {
    words_of(folded, out);
    if (out.isEmpty())
        out = folded.trimmed().toString();
}

// Where the bracketed group that closes `title` opens; -1 when the title ends otherwise.
qsizetype qualifier_start(QStringView title) {
    if (title.isEmpty() || (title.back() != u')' && title.back() != u']'))
        return -1;
    const QChar close = title.back();
    const QChar open = close == u')' ? u'(' : u'[';
    int depth = 0;
    for (qsizetype i = title.size() - 1; i >= 0; --i) {
        if (title[i] == close)
            ++depth;
        else if (title[i] == open && --depth == 0)
            return i;
    }
    return -1;
}

// A qualifier that tells albums apart: a volume, a part, or a disc after the first.
bool tells_apart(QStringView qualifier) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(?:vol|volume|part|pt)\b|^(?:cd|disc|disk) ?0*+(?!1\b)\d)"));
    QString words;
    words_of(qualifier, words);
    return pattern.match(words).hasMatch();
}

// The title without the qualifiers that end it.
QStringView without_qualifiers(QStringView title) {
    QStringView kept = title.trimmed();
    for (qsizetype open = qualifier_start(kept); open >= 0; open = qualifier_start(kept)) {
        const QStringView before = kept.first(open).trimmed();
        if (!has_words(before) || tells_apart(kept.sliced(open + 1).chopped(1)))
            break;
        kept = before;
    }
    return kept;
}

void fold_artist(const QString& base, QString& out) {
    words_or_characters(base, out);
    if (out.size() > 4 && out.startsWith(QLatin1String("the ")))
        out.remove(0, 4);
}

void fold_title(const QString& base, QString& out) {
    words_or_characters(without_qualifiers(base), out);
}

} // namespace

QString album_key(QUtf8StringView artist, QUtf8StringView title) {
    return AlbumKeys().key(artist, title).toString();
}

// The artist's length first, in two units: no artist and title run into another pair.
QStringView AlbumKeys::key(QUtf8StringView artist, QUtf8StringView title) {
    fold_case_and_accents(artist, artist_base_);
    fold_case_and_accents(title, title_base_);
    fold_artist(artist_base_, artist_);
    fold_title(title_base_, title_);
    key_.resize(0);
    key_ += QChar(char16_t(quint64(artist_.size()) >> 16));
    key_ += QChar(char16_t(artist_.size()));
    key_ += artist_;
    key_ += title_;
    return key_;
}

QString comparison_rule_text() {
    return QStringLiteral(
        "Albums are the same when artist and title match, ignoring letter case, accents, "
        "punctuation, a leading \"The\" of the artist, \"&\" for \"and\" and a qualifier such as "
        "\"(Remastered)\" or \"[CD1]\" at the end of the title.");
}

} // namespace vinylix
