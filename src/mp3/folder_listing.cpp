#include "folder_listing.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace vinylix {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

enum class Kind { Folder, File, Other };

Kind kind_of(DIR* dir, const dirent& entry) {
    switch (entry.d_type) {
    case DT_DIR:
        return Kind::Folder;
    case DT_REG:
        return Kind::File;
    case DT_LNK:
    case DT_UNKNOWN:
        break; // follow the link, or ask the file system
    default:
        return Kind::Other;
    }
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry.d_name, &info, 0) != 0)
        return Kind::Other; // a broken link, or gone already
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

void sort_by_name(std::vector<FolderEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.path < b.path;
    });
}

} // namespace

std::optional<FolderContents> list_folder(const QByteArray& native_path) {
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(native_path.constData()));
    if (!dir)
        return std::nullopt;
    const QByteArray prefix = native_path.endsWith('/') ? native_path : native_path + '/';
    FolderContents contents;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        const Kind kind = kind_of(dir.get(), *entry);
        if (kind == Kind::Other)
            continue;
        const QByteArray name(entry->d_name);
        auto& list = kind == Kind::Folder ? contents.folders : contents.files;
        list.push_back({prefix + name, QFile::decodeName(name)});
    }
    sort_by_name(contents.folders);
    sort_by_name(contents.files);
    return contents;
}

bool has_mp3_name(QStringView name) {
    return name.endsWith(QLatin1StringView(".mp3"), Qt::CaseInsensitive);
}

QStringList mp3_file_names(const QString& folder) {
    QStringList names;
    if (const auto contents = list_folder(QFile::encodeName(folder)))
        for (const FolderEntry& file : contents->files)
            if (has_mp3_name(file.name))
                names << file.name;
    return names;
}

} // namespace vinylix
