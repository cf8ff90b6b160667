#include "private_profile.h"

#include "store/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace vinylix {

namespace {

const QByteArray utf8_bom = "\xEF\xBB\xBF";
const QByteArray utf16le_bom = "\xFF\xFE";
const QByteArray utf16be_bom = "\xFE\xFF";

bool is_utf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes); // the decoding runs when the text is made
    return !utf8.hasError();
}

// `bytes` cut at every `lf`, a line feed in the file's encoding, counted only where a whole
// character starts; what follows the last one is the last piece (empty after a final line feed).
QList<QByteArray> split_at(const QByteArray& bytes, const QByteArray& lf) {
    QList<QByteArray> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i + lf.size() <= bytes.size(); i += lf.size()) {
        if (QByteArrayView(bytes).sliced(i, lf.size()) == lf) {
            pieces += bytes.sliced(start, i - start);
            start = i + lf.size();
        }
    }
    pieces += bytes.sliced(start);
    return pieces;
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
    for (const auto& [bom, encoding] :
         {std::pair{utf8_bom, Encoding::Utf8}, std::pair{utf16le_bom, Encoding::Utf16LE},
          std::pair{utf16be_bom, Encoding::Utf16BE}}) {
        if (bytes.startsWith(bom)) {
            profile.bom_ = bom;
            profile.encoding_ = encoding;
            bytes.remove(0, bom.size());
            break;
        }
    }
    if (profile.encoding_ == Encoding::Utf8 && !is_utf8(bytes))
        profile.encoding_ = Encoding::Windows1252;
    if (!profile.take_lines(std::move(bytes), error))
        return std::nullopt;
    profile.index_sections();
    return profile;
}

QStringDecoder PrivateProfile::decoder_of(Encoding encoding) {
    constexpr auto flags = QStringConverter::Flag::Stateless |
                           QStringConverter::Flag::ConvertInitialBom; // a line's U+FEFF stays
    switch (encoding) {
    case Encoding::Utf8:
        return QStringDecoder(QStringConverter::Utf8, flags);
    case Encoding::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE, flags);
    case Encoding::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE, flags);
    case Encoding::Windows1252:
        break;
    }
    return QStringDecoder("windows-1252", flags);
}

// Cuts the file's bytes (without their byte-order mark) into lines, each keeping its bytes as
// read and its text decoded in the file's encoding.
bool PrivateProfile::take_lines(QByteArray bytes, QString* error) {
    QStringDecoder decoder = decoder_of(encoding_);
    if (!decoder.isValid()) {
        *error = QStringLiteral("Its text is not UTF-8, and the Windows-1252 decoder this "
                                "system needs to read it is missing.");
        return false;
    }
    const QByteArray lf = encoded(QStringLiteral("\n"));
    const QByteArray cr = encoded(QStringLiteral("\r"));
    QList<QByteArray> raw_lines = split_at(bytes, lf);
    const qsizetype line_feeds = raw_lines.size() - 1;
    ends_with_line_end_ = raw_lines.last().isEmpty();
    if (ends_with_line_end_)
        raw_lines.removeLast(); // what follows the last line end
    bool any_cr_lf = false;
    lines_.reserve(std::size_t(raw_lines.size()));
    for (qsizetype i = 0; i < raw_lines.size(); ++i) {
        QByteArray& raw = raw_lines[i];
        if (raw.endsWith(cr) && raw.size() % cr.size() == 0) {
            raw.chop(cr.size());
            any_cr_lf = any_cr_lf || i < line_feeds;
        }
        QString text = decoder.decode(raw);
        lines_.push_back(parsed(std::move(raw), std::move(text)));
    }
    if (line_feeds > 0 && !any_cr_lf)
        line_end_ = QStringLiteral("\n");
    return true;
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
    switch (encoding_) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf16LE:
        return QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case Encoding::Utf16BE:
        return QStringEncoder(QStringConverter::Utf16BE).encode(text);
    case Encoding::Windows1252:
        break;
    }
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
    const QByteArray line_end = encoded(line_end_);
    QByteArray out = bom_;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        out += line.written ? encoded(line.text) : line.raw;
        if (i + 1 < lines_.size() || ends_with_line_end_ || changed_)
            out += line_end;
    }
    return out;
}

bool PrivateProfile::save(const QString& path, QString* error) const {
    const QFileInfo info(path);
    if (info.exists() && info.isFile() && marked_read_only(info.permissions())) {
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
