// Build step: writes an empty catalogue at the given path unless a file is already there.
#include "store/catalogue.h"

#include <QFileInfo>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_catalogue PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0; // keep the catalogue that is there
    QString error;
    if (!vinylix::create_empty_catalogue(path, &error)) {
        std::fprintf(stderr, "make_catalogue: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
