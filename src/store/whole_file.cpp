#include "whole_file.h"

#include <QSaveFile>

namespace vinylix {

bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered, so that each write reports how much the system took.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) {
            *error = file.errorString();
            file.cancelWriting();
            return false;
        }
        bytes = bytes.sliced(written);
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace vinylix
