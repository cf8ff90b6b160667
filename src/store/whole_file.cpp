#include "whole_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vinylix {

bool marked_read_only(const QString& path) {
    return marked_read_only(QFileInfo(path).permissions());
}

bool write_whole_file(const QString& path, const std::function<bool(const FileSink&)>& make,
                      QString* error) {
    QSaveFile file(path);
    // Unbuffered, so that each write reports how much the system took.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    bool refused = false;
    const FileSink to_file = [&](QByteArrayView bytes) {
        while (!bytes.isEmpty()) {
            const qint64 written = file.write(bytes.data(), bytes.size());
            if (written <= 0) {
                *error = file.errorString();
                refused = true;
                return false;
            }
            bytes = bytes.sliced(written);
        }
        return true;
    };
    if (!make(to_file) || refused) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error) {
    return write_whole_file(
        path, [&](const FileSink& sink) { return sink(bytes); }, error);
}

} // namespace vinylix
