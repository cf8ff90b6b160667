#include "collation.h"

#include "root_letters.h"

#include <algorithm>

namespace vinylix {

namespace {

bool is_ascii(QStringView text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

bool is_mark(QChar c) {
    const auto category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Appends the base letters of `folded`: accents and other combining marks taken off, and each
// other letter written as the plain letters the root collation sorts it with ("œ" as "oe",
// "ø" as "o").
void append_base_letters(QString& key, const QString& folded) {
    const QString decomposed = folded.normalized(QString::NormalizationForm_KD);
    key.reserve(key.size() + 2 * decomposed.size()); // a letter gives at most two
    for (QChar c : decomposed) {
        if (c.unicode() < 0x80)
            key += c;
        else if (!is_mark(c) && !append_root_letters(key, c.unicode()))
            key += c;
    }
}

} // namespace

QString collation_key(QStringView text) {
    if (is_ascii(text)) {
        // The common case, without the general folding: small letters, twice over.
        QString key(text.size() * 2 + 1, QChar(u'\0'));
        QChar* out = key.data();
        for (qsizetype i = 0; i < text.size(); ++i) {
            char16_t c = text[i].unicode();
            if (c >= u'A' && c <= u'Z')
                c = char16_t(c - u'A' + u'a');
            out[i] = out[text.size() + 1 + i] = QChar(c);
        }
        return key;
    }
    const QString folded = text.toString().toCaseFolded();
    if (is_ascii(folded))
        return folded + QChar(u'\0') + folded;
    // Primary part (base letters), then the folded text itself to order accented variants;
    // the key is made to measure, as it is kept for every distinct name.
    QString primary;
    append_base_letters(primary, folded);
    return primary + QChar(u'\0') + folded;
}

bool same_text_ignoring_case(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The first part of the key, up to its first NUL; a NUL of the text itself (which the key
// reserves) reads as a blank.
QString fold_case_and_accents(QStringView text) {
    QString key = collation_key(text.toString().replace(QChar(u'\0'), QChar(u' ')));
    if (const qsizetype end = key.indexOf(QChar(u'\0')); end >= 0)
        key.truncate(end);
    return key;
}

void fold_case_and_accents(QUtf8StringView utf8, QString& out) {
    const bool plain_ascii = std::all_of(utf8.begin(), utf8.end(),
                                         [](char c) { return uchar(c) >= 1 && uchar(c) < 0x80; });
    if (!plain_ascii) {
        out = fold_case_and_accents(utf8.toString());
        return;
    }
    out.resize(utf8.size());
    QChar* to = out.data();
    for (const char c : utf8)
        *to++ = QChar(c >= 'A' && c <= 'Z' ? char16_t(c - 'A' + 'a') : char16_t(c));
}

} // namespace vinylix
