#pragma once

#include <QString>

class QWidget;

namespace vinylix {

// A save dialog asked before replacing the file the user chose; when the program writes to
// `path` instead (`chosen` with an extension added), this asks before replacing that file.
// True when `path` may be written: nothing stands there, it is the file chosen, or the user
// agreed to replace it.
bool may_replace(QWidget* parent, const QString& chosen, const QString& path);

} // namespace vinylix
