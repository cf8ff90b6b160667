#pragma once

#include <QString>
#include <vector>

namespace vinylix {

// A mounted volume as the folder chooser lists it in place of drives: the root folder (the
// root file system, a removable medium, a mounted CD), the name the list shows, and whether it
// can be read now. "/" -> "/ [Root]"; "/media/cdrom0" labelled "MUSIC_07" ->
// "/media/cdrom0 [MUSIC_07]".
struct Volume {
    QString root;
    QString name;
    bool ready = false;
    bool operator==(const Volume&) const = default;
};

// The mounted volumes holding real files (no pseudo file systems), by root folder.
std::vector<Volume> mounted_volumes();

// The volume of `path` as the list names it; the ready flag is whether the folder can be listed.
Volume volume_of(const QString& path);

// Where the folder chooser opens: the import folder when it is set (or the nearest folder above
// it that still exists), otherwise the program's folder.
QString chooser_start(const QString& import_folder, const QString& program_folder);

} // namespace vinylix
