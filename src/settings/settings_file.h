#pragma once

#include "options.h"
#include "private_profile.h"

#include <functional>

namespace vinylix {

// File name of the settings file, in the program's folder.
inline const QString settings_file_name = QStringLiteral("vinylix.ini");

QString settings_path(const QString& program_folder);

// Reads every option from the file over `initial`: a key that is absent, or whose text is not
// a usable number where a number is needed, keeps its value from `initial`.
Options load_settings(const PrivateProfile& file, const Options& initial = {});

// Called once for each key that could not be written.
using WriteFailure = std::function<void(const QString& section, const QString& key)>;

// Writes "settings"/"save" always, and every other option only when `options.save` is 1.
// Returns the number of keys that could not be written.
int save_settings(const PrivateProfile& file, const Options& options,
                  const WriteFailure& on_failure = {});

} // namespace vinylix
