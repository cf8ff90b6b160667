#include "private_profile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

namespace vinylix {

namespace {

// Lines of the file without their line ends; the file's line end is remembered for writing.
struct ProfileText {
    QStringList lines;
    QString line_end = QStringLiteral("\r\n");
};

std::optional<ProfileText> read_profile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QStringDecoder("windows-1252").decode(bytes);
    ProfileText profile;
    if (!text.contains(QStringLiteral("\r\n")) && text.contains(u'\n'))
        profile.line_end = QStringLiteral("\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    profile.lines = text.split(u'\n');
    if (!profile.lines.isEmpty() && profile.lines.last().isEmpty())
        profile.lines.removeLast(); // the line end of the last line
    return profile;
}

// The name inside "[name]", or nothing when the line is not a section header.
std::optional<QString> section_name(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

bool is_key_line(const QString& line, const QString& key) {
    const qsizetype eq = line.indexOf(u'=');
    return eq >= 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

// Index of the section's header line, or -1.
qsizetype find_section(const QStringList& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = section_name(lines[i]);
        if (name && name->compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// One past the last line of the section whose header is at `header`.
qsizetype section_end(const QStringList& lines, qsizetype header) {
    qsizetype i = header + 1;
    while (i < lines.size() && !section_name(lines[i]))
        ++i;
    return i;
}

} // namespace

std::optional<QString> PrivateProfile::find_key(const QString& section, const QString& key) const {
    const auto profile = read_profile(path_);
    if (!profile)
        return std::nullopt;
    const QStringList& lines = profile->lines;
    const qsizetype header = find_section(lines, section);
    if (header < 0)
        return std::nullopt;
    const qsizetype end = section_end(lines, header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (is_key_line(lines[i], key))
            return lines[i].mid(lines[i].indexOf(u'=') + 1).trimmed();
    return std::nullopt;
}

QString PrivateProfile::read_key(const QString& section, const QString& key,
                                 const QString& default_text) const {
    return find_key(section, key).value_or(default_text.trimmed());
}

bool PrivateProfile::write_key(const QString& section, const QString& key,
                               const QString& value) const {
    ProfileText profile;
    if (QFile::exists(path_)) {
        if (!QFileInfo(path_).isWritable())
            return false; // a write-protected settings file stays as it is
        auto read = read_profile(path_);
        if (!read)
            return false;
        profile = std::move(*read);
    }
    QStringList& lines = profile.lines;
    const QString entry = key + u'=' + value;
    const qsizetype header = find_section(lines, section);
    if (header < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    } else {
        const qsizetype end = section_end(lines, header);
        qsizetype at = -1;
        for (qsizetype i = header + 1; i < end && at < 0; ++i)
            if (is_key_line(lines[i], key))
                at = i;
        if (at >= 0) {
            lines[at] = entry;
        } else {
            qsizetype insert = end; // after the section's last non-blank line
            while (insert > header + 1 && lines[insert - 1].trimmed().isEmpty())
                --insert;
            lines.insert(insert, entry);
        }
    }
    // Written to a temporary file and renamed over the old one: a failure keeps the old file.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = (lines.join(profile.line_end) + profile.line_end).toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace vinylix
