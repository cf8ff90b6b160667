#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace vinylix {

// The single-byte code pages people meet in MP3 collections: ID3v1 tags and old playlists carry
// no statement of their encoding, and were written in the code page of the computer that wrote
// them. Windows-1252 is the default.
enum class CodePage {
    Windows1252,
    Windows1250,
    Windows1251,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    Koi8R,
    Koi8U,
    Cp866,
    Iso8859_1,
    Windows874,
};

inline constexpr CodePage default_code_page = CodePage::Windows1252;

// Every code page, in the order they are offered (Western (Windows-1252) first).
const std::array<CodePage, 14>& code_pages();

// The page's name for people: "Cyrillic (Windows-1251)", "Cyrillic DOS (CP866)".
QString code_page_title(CodePage page);

// The name the settings file stores: "windows-1251", "koi8-r", "cp866".
QString code_page_key(CodePage page);

// The page a stored name names, in any letter case ("KOI8-R" -> Koi8R); Windows-1252 for an empty
// or unknown name, so a settings file that names none reads as before.
CodePage code_page_named(QStringView key);

// Whether this system's converters know the page. Windows-1252 and ISO-8859-1 always are known;
// a page the system lacks reads and writes as Windows-1252 instead of giving wrong letters.
bool code_page_available(CodePage page);

// The page texts are read and written with when `page` is asked for: itself when available,
// else Windows-1252.
CodePage usable_code_page(CodePage page);

// One character per byte, every byte decodes, and encoding the text gives the bytes back. A byte
// the page leaves undefined becomes the private-use character U+F700 + byte (shown as a box).
// Windows-1251 "\xCF\xF0\xE8" -> "При"; the same bytes in Windows-1252 -> "Ïðè".
QString decode_text(CodePage page, QByteArrayView bytes);

// The bytes of `text` in `page`, at most `max_bytes` of them (all when negative). A character
// the page lacks is written as its letter and accents when the page holds those (Windows-1258
// "ệ" -> "ê" + combining dot below, two bytes), else as '?'; a surrogate pair is one character.
// A character whose bytes do not all fit is left out with everything after it.
QByteArray encode_text(CodePage page, QStringView text, qsizetype max_bytes = -1);

// The characters encode_text writes as '?' because `page` holds neither them nor their letter and
// accents, each once, in the order they first come, among those that fit in `max_bytes` bytes
// (all when negative). Windows-1251 "über ü" -> {"ü"}; "?" itself, and Windows-1258 "ệ" (a letter
// and an accent there), are held.
QStringList characters_lacking(CodePage page, QStringView text, qsizetype max_bytes = -1);

} // namespace vinylix
