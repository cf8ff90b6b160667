#pragma once

#include "options.h"
#include "private_profile.h"

#include <optional>

namespace vinylix {

// File name of the settings file, in the program's folder.
inline const QString settings_file_name = QStringLiteral("vinylix.ini");

QString settings_path(const QString& program_folder);

// Reads every option from the file over `initial`: a key that is absent, or whose text stands for
// no value (no number where a number is needed, "2" for a tick), keeps its value from `initial`.
// A medium or code page this version does not know ("701", "EBCDIC-37") reads as the default.
Options load_settings(const PrivateProfile& file, const Options& initial = {});

// Writes "settings"/"save" always, and every other option only when `options.save` is set, in
// the order the options are read. A key whose text already stands for the value keeps its bytes
// (a medium or code page this version does not know stands for the default one), so the file
// changes only where an option did; "settings"/"codepage" is added only once another page than
// Windows-1252 is chosen.
void save_settings(PrivateProfile& file, const Options& options);

// The settings file of one run of the program: read once at start, written once at exit.
class SettingsFile {
public:
    // Reads the file at `path` (a missing file holds no option yet).
    explicit SettingsFile(QString path);

    const QString& path() const { return path_; }
    // The options the file holds, over `initial` (see load_settings).
    Options options(const Options& initial = {}) const;
    // Writes the options in one piece. True when written, or when the file already says all
    // of it; otherwise the old file stays as it was and `error` says which file and why
    // ("The settings file "/x/vinylix.ini" could not be written: The file is read-only.").
    bool save(const Options& options, QString* error);

private:
    QString path_;
    std::optional<PrivateProfile> profile_; // empty when the file could not be read
    QString read_error_;
};

} // namespace vinylix
