#pragma once

#include "mp3/tag_file.h"

#include <QString>

class QWidget;

namespace vinylix {

// "Vinylix 5.1[Trackwright]": the title of the write-protected message (no blank before the
// bracket, unlike the program title).
QString write_protected_title();

// Tells the user why the tag of `path` was not written: the path and " is write protected" on
// the next line with the information icon; the path and " was changed by another program, or is
// gone, since it was listed" on the next line with the information icon (also when the change
// came while its tag was written); or the system's description without an icon. Says nothing
// when the tag was written.
void show_tag_write_message(QWidget* parent, const QString& path, const TagWriteResult& result);

} // namespace vinylix
