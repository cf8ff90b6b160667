#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vinylix {

// Windows-1252, the code page of ID3v1 text: one byte per character, every byte decodes.
QString decode_windows_1252(QByteArrayView bytes);

// One byte per character (a surrogate pair is one character), for at most `max_bytes`
// characters; a character the code page lacks becomes '?'.
QByteArray encode_windows_1252(QStringView text, qsizetype max_bytes = -1);

} // namespace vinylix
