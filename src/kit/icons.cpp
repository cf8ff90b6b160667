#include "icons.h"

#include "settings/data_folder.h"

#include <algorithm>
#include <iterator>

// The pictures are compiled into the window library (resources/icons/icons.qrc); a static
// library registers them only when asked. Q_INIT_RESOURCE cannot stand inside a namespace.
static void register_icon_resources() {
    Q_INIT_RESOURCE(icons);
}

namespace vinylix {

namespace {

// A command's key and the freedesktop name of its icon in the desktop's theme, if one fits.
struct CommandPicture {
    const char* key;
    const char* theme_name;
};

constexpr CommandPicture command_pictures[] = {
    {"add", "document-new"},
    {"addtoartist", nullptr},
    {"edit", "document-properties"},
    {"del", "edit-delete"},
    {"delall", "edit-clear"},
    {"settings", "preferences-system"},
    {"stats", nullptr},
    {"tagrenamer", nullptr},
    {"about", "help-about"},
    {"copy", "edit-copy"},
    {"previous_cd", "go-previous"},
    {"next_cd", "go-next"},
    {"up", "go-up"},
    {"down", "go-down"},
    {"editartist", nullptr},
    {"shelf", nullptr},
    {"duplicates", nullptr},
    {"check", nullptr},
    {"undo", "edit-undo"},
    {"redo", "edit-redo"},
    {"extract_files", nullptr},
    {"extract_playlists", nullptr},
    {"extract_tags", nullptr},
    {"list_text", "text-x-generic"},
    {"list_html", "text-html"},
};

const CommandPicture* find_picture(const QString& key) {
    const auto* found =
        std::find_if(std::begin(command_pictures), std::end(command_pictures),
                     [&](const CommandPicture& p) { return key == QLatin1String(p.key); });
    return found == std::end(command_pictures) ? nullptr : found;
}

QIcon own_picture(const QString& name) {
    static const bool registered = (register_icon_resources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace

QIcon command_icon(const QString& key) {
    const CommandPicture* picture = find_picture(key);
    if (!picture)
        return {};
    const QIcon own = own_picture(key);
    if (!picture->theme_name)
        return own;
    return QIcon::fromTheme(QString::fromLatin1(picture->theme_name), own);
}

QStringList command_icon_keys() {
    QStringList keys;
    for (const CommandPicture& picture : command_pictures)
        keys << QString::fromLatin1(picture.key);
    return keys;
}

QIcon program_icon() {
    return QIcon::fromTheme(application_id, own_picture(QStringLiteral("vinylix")));
}

} // namespace vinylix
