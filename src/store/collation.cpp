#include "collation.h"

#include "root_letters.h"

namespace vinylix {

namespace {

bool is_ascii(QStringView text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// The folded text with accents and other combining marks taken off, and each other letter
// written as the plain letters the root collation sorts it with ("œ" as "oe", "ø" as "o").
QString base_letters(const QString& folded) {
    const QString decomposed = folded.normalized(QString::NormalizationForm_KD);
    QString base;
    base.reserve(decomposed.size() + 8);
    for (QChar c : decomposed) {
        const auto category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        if (c.unicode() < 0x80 || !append_root_letters(base, c.unicode()))
            base += c;
    }
    return base;
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
    // Primary part (base letters), then the folded text itself to order accented variants.
    const QString primary = is_ascii(folded) ? folded : base_letters(folded);
    return primary + QChar(u'\0') + folded;
}

bool same_text_ignoring_case(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace vinylix
