#pragma once

#include <QString>

namespace vinylix {

inline constexpr int version_major = VINYLIX_VERSION_MAJOR;
inline constexpr int version_minor = VINYLIX_VERSION_MINOR;
inline constexpr int version_revision = VINYLIX_VERSION_PATCH;

// "Vinylix 5.1 [Trackwright]": the main window's caption and the title of message boxes.
QString program_title();
// "5.1.24": major, minor and revision.
QString program_version_text();
// The name the system gives itself where no other title is set: "Vinylix".
QString program_name();

} // namespace vinylix
