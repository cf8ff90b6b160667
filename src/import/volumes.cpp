#include "volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace vinylix {

namespace {

QString shown_name(const QStorageInfo& storage) {
    const QString root = storage.rootPath();
    if (root == QStringLiteral("/"))
        return root + QStringLiteral(" [Root]");
    const QString label = storage.name();
    return label.isEmpty() ? root : root + QStringLiteral(" [") + label + u']';
}

bool listable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

// File systems that hold no user's files: the kernel's and the system's own.
bool pseudo(const QStorageInfo& storage) {
    static const QList<QByteArray> kinds = {
        "proc",    "sysfs",  "devtmpfs", "devpts",   "cgroup",      "cgroup2",   "securityfs",
        "pstore",  "bpf",    "tracefs",  "debugfs",  "mqueue",      "hugetlbfs", "configfs",
        "fusectl", "autofs", "nsfs",     "squashfs", "binfmt_misc", "efivarfs"};
    const QString root = storage.rootPath();
    const auto under = [&](const char* top) {
        return root == QLatin1String(top) || root.startsWith(QLatin1String(top) + u'/');
    };
    return kinds.contains(storage.fileSystemType()) || under("/proc") || under("/sys") ||
           under("/dev") || (under("/run") && !under("/run/media"));
}

} // namespace

std::vector<Volume> mounted_volumes() {
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (pseudo(storage))
            continue;
        volumes.push_back({storage.rootPath(), shown_name(storage),
                           storage.isReady() && listable(storage.rootPath())});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return volumes;
}

Volume volume_of(const QString& path) {
    const QStorageInfo storage(path);
    if (!storage.isValid())
        return {path, path, false};
    return {storage.rootPath(), shown_name(storage), storage.isReady() && listable(path)};
}

QString chooser_start(const QString& import_folder, const QString& program_folder) {
    if (import_folder.isEmpty())
        return program_folder;
    QDir folder(QDir::cleanPath(QDir(program_folder).absoluteFilePath(import_folder)));
    while (!folder.exists() && !folder.isRoot())
        folder.setPath(QDir::cleanPath(folder.absoluteFilePath(QStringLiteral(".."))));
    return folder.exists() ? folder.path() : program_folder;
}

} // namespace vinylix
