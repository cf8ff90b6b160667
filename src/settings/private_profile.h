#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringDecoder>
#include <optional>
#include <vector>

namespace vinylix {

// An INI file read once into memory, changed key by key, and written once, with the usual
// profile rules: section and key names match in any letter case, values come back with
// surrounding blanks removed, a key that is absent reads as the default text ("error"), and a
// write changes only the line of its key (adding the key after the last line of its section,
// or the section at the end of the file). Every line the writes do not touch keeps its bytes,
// in the file's own encoding and line ends: UTF-16 (little or big endian) when the file starts
// with that byte-order mark, as Windows writes such files, else UTF-8, else Windows-1252.
class PrivateProfile {
public:
    // An empty profile, as for a file that does not exist yet.
    PrivateProfile();

    // Reads the file at `path`; a missing file gives the empty profile. Nothing when the file
    // exists but cannot be read (a folder in its place, no permission), or when its bytes are
    // neither UTF-16 with its mark nor UTF-8 and the Windows-1252 decoder is missing; `error`
    // then says why.
    static std::optional<PrivateProfile> read(const QString& path, QString* error);

    // The trimmed value of the key, or nothing when the section or key is absent.
    std::optional<QString> find_key(const QString& section, const QString& key) const;
    // The trimmed value of the key, or `default_text` when the section or key is absent.
    QString read_key(const QString& section, const QString& key,
                     const QString& default_text = QStringLiteral("error")) const;
    // Sets the key in memory. A key that already holds this value keeps its line as it is.
    void write_key(const QString& section, const QString& key, const QString& value);

    // True once a write changed something since the profile was read.
    bool changed() const { return changed_; }
    // The whole file as it would be written.
    QByteArray bytes() const;

    // Writes the profile over the file at `path` in one piece: to a temporary file beside it,
    // every write and the flush checked, then renamed over the old one. Any failure (the file
    // or its folder read-only — a file without any write permission bit is left alone even
    // where the user could override that —, a folder in its place, a full disk) leaves the old
    // file byte for byte with its permissions and says why in `error`.
    bool save(const QString& path, QString* error) const;

private:
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE };

    struct Line {
        QByteArray raw;  // as read, without its line end; empty for a line written here
        QString text;    // decoded, or as written here
        QString section; // for a header line: its name, case-folded
        QString key;     // for a key line: its name, case-folded
        bool header = false;
        bool written = false; // set by a write: its bytes come from `text`
    };

    static Line parsed(QByteArray raw, QString text, bool written = false);
    qsizetype find_section(const QString& folded) const;
    qsizetype section_end(qsizetype header) const;
    qsizetype find_key_line(const QString& section, const QString& key) const;
    QByteArray encoded(const QString& text) const;
    static QStringDecoder decoder_of(Encoding encoding);
    bool take_lines(QByteArray bytes, QString* error);
    void index_sections();

    std::vector<Line> lines_;
    QHash<QString, qsizetype> first_header_; // case-folded section name -> line of its header
    QString line_end_ = QStringLiteral("\r\n");
    QByteArray bom_;
    Encoding encoding_ = Encoding::Utf8;
    bool ends_with_line_end_ = true;
    bool changed_ = false;
};

} // namespace vinylix
