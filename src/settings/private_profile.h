#pragma once

#include <QString>
#include <optional>

namespace vinylix {

// An INI file read and written one key at a time, with the usual profile rules: section and
// key names match in any letter case, values come back with surrounding blanks removed, a key
// that is absent reads as the default text, and a write changes only the line of its key
// (adding the key, the section or the file when missing) and keeps every other line as it is.
class PrivateProfile {
public:
    explicit PrivateProfile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The trimmed value of the key, or `default_text` when the file, section or key is absent.
    QString read_key(const QString& section, const QString& key,
                     const QString& default_text = QStringLiteral("error")) const;

    // The trimmed value of the key, or nothing when the file, section or key is absent.
    std::optional<QString> find_key(const QString& section, const QString& key) const;

    // Writes the value; false when the file cannot be written (the file is then unchanged).
    bool write_key(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
};

} // namespace vinylix
