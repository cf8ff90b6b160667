#include "private_profile.h"

#include "store/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace vinylix {

namespace {

const QByteArray utf8_bom = "\xEF\xBB\xBF";
constexpr auto write_bits =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

bool is_utf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes); // the decoding runs when the text is made
    return !utf8.hasError();
}

} // namespace

PrivateProfile::PrivateProfile() = default;

PrivateProfile::Line PrivateProfile::parsed(QByteArray raw, QString text, bool written) {
    Line line{std::move(raw), std::move(text), {}, {}, false, written};
    const QString t = line.text.trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        line.section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed().toCaseFolded();
        line.header = true;
    } else if (const qsizetype eq = line.text.indexOf(u'='); eq >= 0) {
        line.key = line.text.left(eq).trimmed().toCaseFolded();
    }
    return line;
}

std::optional<PrivateProfile> PrivateProfile::read(const QString& path, QString* error) {
    PrivateProfile profile;
    const QFileInfo info(path);
    if (!info.exists())
        return profile;
    if (!info.isFile()) {
        *error = QStringLiteral("It is not a file.");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(utf8_bom)) {
        profile.bom_ = utf8_bom;
        bytes.remove(0, utf8_bom.size());
    }
    profile.utf8_ = is_utf8(bytes);
    QStringDecoder decoder =
        profile.utf8_ ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder("windows-1252");
    if (!decoder.isValid()) {
        *error = QStringLiteral("Its text is not UTF-8, and the Windows-1252 decoder this "
                                "system needs to read it is missing.");
        return std::nullopt;
    }
    if (!bytes.contains("\r\n") && bytes.contains('\n'))
        profile.line_end_ = "\n";
    profile.ends_with_line_end_ = bytes.isEmpty() || bytes.endsWith('\n');
    QList<QByteArray> raw_lines = bytes.split('\n');
    if (profile.ends_with_line_end_)
        raw_lines.removeLast(); // what follows the last line end
    profile.lines_.reserve(std::size_t(raw_lines.size()));
    for (QByteArray& raw : raw_lines) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        QString text = decoder.decode(raw);
        profile.lines_.push_back(parsed(std::move(raw), std::move(text)));
    }
    profile.index_sections();
    return profile;
}

void PrivateProfile::index_sections() {
    first_header_.clear();
    for (qsizetype i = qsizetype(lines_.size()) - 1; i >= 0; --i)
        if (lines_[std::size_t(i)].header)
            first_header_.insert(lines_[std::size_t(i)].section, i);
}

qsizetype PrivateProfile::find_section(const QString& folded) const {
    return first_header_.value(folded, -1);
}

qsizetype PrivateProfile::section_end(qsizetype header) const {
    qsizetype i = header + 1;
    while (i < qsizetype(lines_.size()) && !lines_[std::size_t(i)].header)
        ++i;
    return i;
}

qsizetype PrivateProfile::find_key_line(const QString& section, const QString& key) const {
    const qsizetype header = find_section(section.toCaseFolded());
    if (header < 0)
        return -1;
    const QString folded = key.toCaseFolded();
    const qsizetype end = section_end(header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (lines_[std::size_t(i)].key == folded)
            return i;
    return -1;
}

std::optional<QString> PrivateProfile::find_key(const QString& section, const QString& key) const {
    const qsizetype at = find_key_line(section, key);
    if (at < 0)
        return std::nullopt;
    const QString& text = lines_[std::size_t(at)].text;
    return text.mid(text.indexOf(u'=') + 1).trimmed();
}

QString PrivateProfile::read_key(const QString& section, const QString& key,
                                 const QString& default_text) const {
    return find_key(section, key).value_or(default_text.trimmed());
}

void PrivateProfile::write_key(const QString& section, const QString& key, const QString& value) {
    const QString entry = key + u'=' + value;
    const qsizetype at = find_key_line(section, key);
    if (at >= 0) {
        if (find_key(section, key) == value.trimmed())
            return; // the stored line already says this: its bytes stay
        lines_[std::size_t(at)] = parsed({}, entry, true);
    } else if (const qsizetype header = find_section(section.toCaseFolded()); header >= 0) {
        qsizetype insert = section_end(header); // after the section's last non-blank line
        while (insert > header + 1 && lines_[std::size_t(insert - 1)].text.trimmed().isEmpty())
            --insert;
        lines_.insert(lines_.begin() + insert, parsed({}, entry, true));
        index_sections();
    } else {
        lines_.push_back(parsed({}, u'[' + section + u']', true));
        lines_.push_back(parsed({}, entry, true));
        index_sections();
    }
    changed_ = true;
}

QByteArray PrivateProfile::encoded(const QString& text) const {
    if (utf8_)
        return text.toUtf8();
    // The file's own single-byte code page; a character it cannot hold becomes '?'.
    QByteArray bytes;
    QStringEncoder encoder("windows-1252");
    for (const QChar c : text) {
        const QByteArray one = encoder.encode(QStringView(&c, 1));
        bytes += (encoder.hasError() || one.size() != 1) ? QByteArray("?") : one;
        encoder.resetState();
    }
    return bytes;
}

QByteArray PrivateProfile::bytes() const {
    QByteArray out = bom_;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        out += line.written ? encoded(line.text) : line.raw;
        if (i + 1 < lines_.size() || ends_with_line_end_ || changed_)
            out += line_end_;
    }
    return out;
}

bool PrivateProfile::save(const QString& path, QString* error) const {
    const QFileInfo info(path);
    if (info.exists() && info.isFile() && !(info.permissions() & write_bits)) {
        *error = QStringLiteral("The file is read-only.");
        return false;
    }
    if (info.isDir()) {
        *error = QStringLiteral("A folder of that name is in its place.");
        return false;
    }
    return write_whole_file(path, bytes(), error);
}

} // namespace vinylix
