#pragma once

#include <QString>

namespace vinylix {

// CR LF: the line break of every song list and of every list and file the program writes.
inline const QString crlf = QStringLiteral("\r\n");

} // namespace vinylix
