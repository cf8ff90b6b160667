#include "code_page_guess.h"

#include <QString>
#include <algorithm>

namespace vinylix {

namespace {

enum class Reading { Letter, Neutral, Symbol };

Reading reading_of(QChar c) {
    if (c.isLetter() || c.isMark())
        return Reading::Letter;
    if (c.isPunct() || c.isSpace() || c.category() == QChar::Other_Format)
        return Reading::Neutral;
    return Reading::Symbol;
}

// Whether every byte from 0x80 up reads as a letter, an accent, punctuation or a space in
// `text`, its decoding, and at least one as a letter.
bool reads_as_letters(QByteArrayView bytes, QStringView text) {
    bool letter = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80)
            continue;
        const Reading reading = reading_of(text[i]);
        if (reading == Reading::Symbol)
            return false;
        letter = letter || reading == Reading::Letter;
    }
    return letter;
}

// The script a character belongs to; the Arabic vowel marks, which Unicode lets follow any
// script, count as Arabic (no other language writes them).
QChar::Script script_of(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 0x064B && u <= 0x065F) || u == 0x0670)
        return QChar::Script_Arabic;
    return c.script();
}

bool accented_latin(QChar c, QChar::Script script) {
    return script == QChar::Script_Latin && c.unicode() >= 0x80;
}

// How many ways a run of letters and accents does not look like a word of one language: it mixes
// scripts, has a capital after a small letter, begins with an accent, has two accented Latin
// letters in a row, or is made mostly of three or more accented Latin letters.
int word_faults(QStringView word) {
    QChar::Script script = QChar::Script_Unknown;
    bool mixed_scripts = false;
    bool capital_after_small = false;
    bool accented_pair = false;
    int accented = 0;
    int plain = 0;
    QChar previous;
    QChar::Script previous_script = QChar::Script_Unknown;
    for (const QChar c : word) {
        const QChar::Script s = script_of(c);
        if (s != QChar::Script_Common && s != QChar::Script_Inherited) {
            if (script == QChar::Script_Unknown)
                script = s;
            mixed_scripts = mixed_scripts || s != script;
        }
        capital_after_small = capital_after_small || (c.isUpper() && previous.isLower());
        accented_pair =
            accented_pair || (accented_latin(c, s) && accented_latin(previous, previous_script));
        if (s == QChar::Script_Latin)
            ++(c.unicode() < 0x80 ? plain : accented);
        previous = c;
        previous_script = s;
    }
    const bool mostly_accented = accented >= 3 && accented > plain;
    return int(word.front().isMark()) + int(mixed_scripts) + int(capital_after_small) +
           int(accented_pair) + int(mostly_accented);
}

int text_faults(QStringView text) {
    int faults = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool in_word = i < text.size() && (text[i].isLetter() || text[i].isMark());
        if (in_word && start < 0) {
            start = i;
        } else if (!in_word && start >= 0) {
            faults += word_faults(text.sliced(start, i - start));
            start = -1;
        }
    }
    return faults;
}

} // namespace

QList<CodePage> letter_pages(QByteArrayView bytes, CodePage chosen, qsizetype count) {
    struct Candidate {
        CodePage page;
        int faults;
    };
    QList<QString> seen = {decode_text(chosen, bytes)};
    QList<Candidate> candidates;
    for (const CodePage page : code_pages()) {
        if (page == chosen || !code_page_available(page))
            continue;
        QString text = decode_text(page, bytes);
        if (seen.contains(text) || !reads_as_letters(bytes, text))
            continue;
        candidates.append({page, text_faults(text.normalized(QString::NormalizationForm_C))});
        seen.append(std::move(text));
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.faults < b.faults; });
    QList<CodePage> pages;
    for (qsizetype i = 0; i < candidates.size() && i < count; ++i)
        pages.append(candidates[i].page);
    return pages;
}

} // namespace vinylix
