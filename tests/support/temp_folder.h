#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vinylix::test {

// A fresh folder for one test: the program folder, holding an empty catalogue when asked.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes an empty catalogue file (table vinylix) into the folder; returns its path.
    QString make_catalogue() const;
    void write_file(const QString& name, const QByteArray& bytes) const;
    QByteArray read_file(const QString& name) const;

private:
    QTemporaryDir dir_;
};

} // namespace vinylix::test
