#include "windows_1252.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace vinylix {

namespace {

using CodeTable = std::array<char16_t, 256>;

// The character of every byte, as Qt's "windows-1252" codec gives it (bytes the code page leaves
// undefined map to the C1 control of the same number, so every byte survives a round trip).
const CodeTable& code_table() {
    static const CodeTable table = [] {
        QByteArray every_byte(256, '\0');
        for (int i = 0; i < 256; ++i)
            every_byte[i] = static_cast<char>(i);
        QStringDecoder decoder("windows-1252");
        QString text = decoder.isValid() ? decoder.decode(every_byte) : QString();
        if (text.size() != 256)
            text = QString::fromLatin1(every_byte);
        CodeTable built{};
        for (int i = 0; i < 256; ++i)
            built[i] = text[i].unicode();
        return built;
    }();
    return table;
}

std::optional<char> byte_of(char32_t code_point) {
    if (code_point < 0x80)
        return static_cast<char>(code_point);
    const CodeTable& table = code_table();
    if (code_point <= 0xFF && table[code_point] == code_point)
        return static_cast<char>(code_point);
    for (int i = 0x80; i < 0xA0; ++i) {
        if (table[i] == code_point)
            return static_cast<char>(i);
    }
    return std::nullopt;
}

} // namespace

QString decode_windows_1252(QByteArrayView bytes) {
    const CodeTable& table = code_table();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QByteArray encode_windows_1252(QStringView text, qsizetype max_bytes) {
    const qsizetype limit = max_bytes < 0 ? text.size() : std::min(max_bytes, text.size());
    QByteArray bytes;
    bytes.reserve(limit);
    for (qsizetype i = 0; i < text.size() && bytes.size() < limit; ++i) {
        char32_t code_point = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code_point = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        bytes.append(byte_of(code_point).value_or('?'));
    }
    return bytes;
}

} // namespace vinylix
