#include "temp_folder.h"

#include "store/catalogue.h"

#include <QFile>
#include <QTest>

namespace vinylix::test {

TempFolder::TempFolder() {
    if (!dir_.isValid())
        qFatal("cannot make a temporary folder");
}

QString TempFolder::make_catalogue() const {
    const QString path = file(QStringLiteral("Vinylix.vnx"));
    QString error;
    if (!vinylix::create_empty_catalogue(path, &error))
        qFatal("cannot make a catalogue: %s", qPrintable(error));
    return path;
}

void TempFolder::write_file(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray TempFolder::read_file(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace vinylix::test
