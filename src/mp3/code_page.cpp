#include "code_page.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace vinylix {

namespace {

struct PageName {
    CodePage page;
    const char* title;
    const char* key; // also the name the system's converters know it by
};

constexpr std::array<PageName, 14> page_names = {{
    {CodePage::Windows1252, "Western (Windows-1252)", "windows-1252"},
    {CodePage::Windows1250, "Central European (Windows-1250)", "windows-1250"},
    {CodePage::Windows1251, "Cyrillic (Windows-1251)", "windows-1251"},
    {CodePage::Windows1253, "Greek (Windows-1253)", "windows-1253"},
    {CodePage::Windows1254, "Turkish (Windows-1254)", "windows-1254"},
    {CodePage::Windows1255, "Hebrew (Windows-1255)", "windows-1255"},
    {CodePage::Windows1256, "Arabic (Windows-1256)", "windows-1256"},
    {CodePage::Windows1257, "Baltic (Windows-1257)", "windows-1257"},
    {CodePage::Windows1258, "Vietnamese (Windows-1258)", "windows-1258"},
    {CodePage::Koi8R, "Cyrillic (KOI8-R)", "koi8-r"},
    {CodePage::Koi8U, "Cyrillic (KOI8-U)", "koi8-u"},
    {CodePage::Cp866, "Cyrillic DOS (CP866)", "cp866"},
    {CodePage::Iso8859_1, "Western (ISO-8859-1)", "iso-8859-1"},
    {CodePage::Windows874, "Thai (Windows-874)", "windows-874"},
}};

const PageName& name_of(CodePage page) {
    return page_names[std::size_t(page)];
}

// Windows-1252 from 0x80 to 0x9F; the rest is ISO-8859-1. The default page reads right even on
// a system whose converters lack it.
constexpr std::array<char16_t, 32> windows_1252_row_8 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t undefined_base = 0xF700;

using Characters = std::array<char16_t, 256>;

// A page both ways: the character of every byte, and every (character, byte) sorted by
// character for the way back.
struct CodeTable {
    Characters chars{};
    std::array<std::pair<char16_t, std::uint8_t>, 256> bytes{};
    bool available = false;
};

Characters latin_1() {
    Characters chars{};
    for (std::size_t i = 0; i < chars.size(); ++i)
        chars[i] = char16_t(i);
    return chars;
}

Characters windows_1252_built_in() {
    Characters chars = latin_1();
    std::copy(windows_1252_row_8.begin(), windows_1252_row_8.end(), chars.begin() + 0x80);
    return chars;
}

// The characters of the 256 bytes as the system's converter gives them, one per byte; none
// when it lacks the page or gives anything but one character per byte.
std::optional<Characters> decoded_bytes(const char* name) {
    QStringDecoder decoder(name);
    if (!decoder.isValid())
        return std::nullopt;
    QByteArray every_byte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        every_byte[i] = static_cast<char>(i);
    const QString text = decoder.decode(every_byte);
    if (text.size() != 256)
        return std::nullopt;
    Characters chars{};
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char16_t c = text[qsizetype(i)].unicode();
        const bool undefined = c == QChar::ReplacementCharacter || QChar::isSurrogate(c);
        chars[i] = undefined ? char16_t(undefined_base + i) : c;
    }
    return chars;
}

CodeTable table_of_characters(const Characters& chars, bool available) {
    CodeTable table;
    table.chars = chars;
    table.available = available;
    for (std::size_t i = 0; i < chars.size(); ++i)
        table.bytes[i] = {chars[i], std::uint8_t(i)};
    std::stable_sort(table.bytes.begin(), table.bytes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return table;
}

CodeTable built_table(CodePage page) {
    if (page == CodePage::Iso8859_1)
        return table_of_characters(latin_1(), true);
    if (const auto chars = decoded_bytes(name_of(page).key))
        return table_of_characters(*chars, true);
    return table_of_characters(windows_1252_built_in(), page == CodePage::Windows1252);
}

const CodeTable& table_of(CodePage page) {
    static const std::array<CodeTable, 14> tables = [] {
        std::array<CodeTable, 14> built;
        for (const PageName& name : page_names)
            built[std::size_t(name.page)] = built_table(name.page);
        return built;
    }();
    return tables[std::size_t(page)];
}

std::optional<char> byte_of(const CodeTable& table, char16_t c) {
    if (c < 0x80 && table.chars[c] == c)
        return static_cast<char>(c);
    const auto at = std::lower_bound(table.bytes.begin(), table.bytes.end(), c,
                                     [](const auto& entry, char16_t v) { return entry.first < v; });
    if (at == table.bytes.end() || at->first != c)
        return std::nullopt;
    return static_cast<char>(at->second);
}

// A character the page lacks, as its letter and accents: the accents the page holds on their own
// follow the letter, the others are composed with it ("ấ" in Windows-1258: "â" + acute).
std::optional<QByteArray> decomposed_bytes(const CodeTable& table, QChar c) {
    const QString parts = QString(c).normalized(QString::NormalizationForm_D);
    if (parts == QString(c))
        return std::nullopt;
    QString letter = parts.first(1);
    QByteArray accents;
    for (const QChar part : QStringView(parts).sliced(1)) {
        const auto byte = part.isMark() ? byte_of(table, part.unicode()) : std::nullopt;
        if (byte)
            accents += *byte;
        else
            letter += part;
    }
    letter = letter.normalized(QString::NormalizationForm_C);
    const auto byte = letter.size() == 1 ? byte_of(table, letter[0].unicode()) : std::nullopt;
    if (!byte)
        return std::nullopt;
    return *byte + accents;
}

QByteArray character_bytes(const CodeTable& table, QStringView character) {
    if (character.size() == 1) {
        if (const auto byte = byte_of(table, character[0].unicode()))
            return QByteArray(1, *byte);
        if (const auto bytes = decomposed_bytes(table, character[0]))
            return *bytes;
    }
    return QByteArrayLiteral("?");
}

// Calls `take` with each character of `text` in turn (a surrogate pair being one) and the bytes
// `page` writes it as, as long as they fit in `max_bytes` bytes (all when negative).
template <typename Take>
void for_each_character(CodePage page, QStringView text, qsizetype max_bytes, Take take) {
    const CodeTable& table = table_of(page);
    const qsizetype limit = max_bytes < 0 ? std::numeric_limits<qsizetype>::max() : max_bytes;
    qsizetype used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        const QByteArray bytes = character_bytes(table, character);
        if (used + bytes.size() > limit)
            break;
        used += bytes.size();
        take(character, bytes);
        i += character.size();
    }
}

} // namespace

const std::array<CodePage, 14>& code_pages() {
    static const std::array<CodePage, 14> pages = [] {
        std::array<CodePage, 14> list{};
        std::transform(page_names.begin(), page_names.end(), list.begin(),
                       [](const PageName& name) { return name.page; });
        return list;
    }();
    return pages;
}

QString code_page_title(CodePage page) {
    return QString::fromLatin1(name_of(page).title);
}

QString code_page_key(CodePage page) {
    return QString::fromLatin1(name_of(page).key);
}

CodePage code_page_named(QStringView key) {
    for (const PageName& name : page_names) {
        if (key.compare(QLatin1StringView(name.key), Qt::CaseInsensitive) == 0)
            return name.page;
    }
    return default_code_page;
}

bool code_page_available(CodePage page) {
    return table_of(page).available;
}

CodePage usable_code_page(CodePage page) {
    return code_page_available(page) ? page : default_code_page;
}

QString decode_text(CodePage page, QByteArrayView bytes) {
    const Characters& chars = table_of(page).chars;
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(chars[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QByteArray encode_text(CodePage page, QStringView text, qsizetype max_bytes) {
    QByteArray bytes;
    bytes.reserve(std::min(max_bytes < 0 ? text.size() : max_bytes, text.size()));
    for_each_character(page, text, max_bytes,
                       [&bytes](QStringView, const QByteArray& character) { bytes += character; });
    return bytes;
}

QStringList characters_lacking(CodePage page, QStringView text, qsizetype max_bytes) {
    QStringList lacking;
    for_each_character(page, text, max_bytes,
                       [&lacking](QStringView character, const QByteArray& bytes) {
                           if (bytes == "?" && character != u"?" && !lacking.contains(character))
                               lacking += character.toString();
                       });
    return lacking;
}

} // namespace vinylix
