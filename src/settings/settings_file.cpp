#include "settings_file.h"

#include <QDir>
#include <array>
#include <optional>
#include <utility>

namespace vinylix {

namespace {

const QString settings_section = QStringLiteral("settings");
const QString export_section = QStringLiteral("export");
const QString import_section = QStringLiteral("import");
const QString excel_section = QStringLiteral("excel");

// A stored number as a 16-bit integer; nothing when the key is absent or its text is no number.
std::optional<int> number(const std::optional<QString>& text) {
    bool ok = false;
    const short value = text ? text->toShort(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The texts of each kind of value: `read` gives the value a key's text (nothing when the key is
// absent) stands for, or nothing when it stands for none; `write` the text of a value.
struct Tick { // "1" ticked, "0" clear
    static std::optional<bool> read(const std::optional<QString>& text) {
        const auto value = number(text);
        return value && (*value == 0 || *value == 1) ? std::optional<bool>(*value == 1)
                                                     : std::nullopt;
    }
    static QString write(bool ticked) { return ticked ? QStringLiteral("1") : QStringLiteral("0"); }
};

struct SaveSwitch { // any number: 1 saves the options at exit, every other does not
    static std::optional<bool> read(const std::optional<QString>& text) {
        const auto value = number(text);
        return value ? std::optional<bool>(*value == 1) : std::nullopt;
    }
    static QString write(bool save) { return Tick::write(save); }
};

struct Kind { // any number: 1 the text list, every other the HTML list
    static std::optional<ListKind> read(const std::optional<QString>& text) {
        const auto value = number(text);
        if (!value)
            return std::nullopt;
        return *value == 1 ? ListKind::Text : ListKind::Html;
    }
    static QString write(ListKind kind) {
        return kind == ListKind::Text ? QStringLiteral("1") : QStringLiteral("2");
    }
};

struct Position { // a place in the spreadsheet's field order
    static std::optional<int> read(const std::optional<QString>& text) { return number(text); }
    static QString write(int position) { return QString::number(position); }
};

struct Text {
    static std::optional<QString> read(const std::optional<QString>& text) { return text; }
    static QString write(const QString& text) { return text; }
};

// The medium by its capacity in megabytes ("4482"); a text that names none ("", "701", "dvd")
// is the default medium.
struct MediumText {
    static std::optional<Medium> read(const std::optional<QString>& text) {
        if (!text)
            return std::nullopt;
        for (const Medium medium : all_media)
            if (*text == write(medium))
                return medium;
        return default_medium;
    }
    static QString write(Medium medium) { return QString::number(int(medium)); }
};

// The code page by its name in any letter case ("KOI8-R"); an absent, empty or unknown name is
// Windows-1252, so an old file is given a name only once another page is chosen.
struct CodePageName {
    static std::optional<CodePage> read(const std::optional<QString>& text) {
        return code_page_named(text.value_or(QString()));
    }
    static QString write(CodePage page) { return code_page_key(page); }
};

// Reads the key into `value`; a key whose text stands for no value leaves it as it was.
template <class Form, class T>
void read_key(const PrivateProfile& file, const QString& section, const QString& key, T& value) {
    if (auto read = Form::read(file.find_key(section, key)))
        value = std::move(*read);
}

// Writes `value` under the key unless the key's text already stands for it, so a text the user
// did not change keeps its bytes: "01", a code page's name in capitals, a medium this version
// does not know.
template <class Form, class T>
void write_key(PrivateProfile& file, const QString& section, const QString& key, const T& value) {
    if (Form::read(file.find_key(section, key)) != value)
        file.write_key(section, key, Form::write(value));
}

// The export keys in file order; texts stand between the ticks they follow.
struct ExportKey {
    const char* key;
    bool ExportOptions::*tick;
    QString ExportOptions::*text;
};

const std::array<ExportKey, 11> export_keys = {{
    {"nickstatus", &ExportOptions::nickstatus, nullptr},
    {"nickname", nullptr, &ExportOptions::nickname},
    {"emailstatus", &ExportOptions::emailstatus, nullptr},
    {"email", nullptr, &ExportOptions::email},
    {"statistics", &ExportOptions::statistics, nullptr},
    {"year", &ExportOptions::year, nullptr},
    {"cover", &ExportOptions::cover, nullptr},
    {"nrofcds", &ExportOptions::nrofcds, nullptr},
    {"kbps", &ExportOptions::kbps, nullptr},
    {"cdnr", &ExportOptions::cdnr, nullptr},
    {"size", &ExportOptions::size, nullptr},
}};

// Places each field at its stored position. Positions that are missing, out of range or
// taken twice leave those fields to fill the free places in reference order.
QStringList read_field_order(const PrivateProfile& file, const QStringList& initial) {
    const QStringList& names = spreadsheet_field_names();
    QStringList order(names.size());
    QStringList unplaced;
    for (const QString& name : names) {
        const auto position = number(file.find_key(excel_section, name));
        if (position && *position >= 0 && *position < names.size() && order[*position].isEmpty())
            order[*position] = name;
        else
            unplaced << name;
    }
    if (unplaced.size() == names.size())
        return initial;
    for (QString& slot : order)
        if (slot.isEmpty())
            slot = unplaced.takeFirst();
    return order;
}

} // namespace

QString settings_path(const QString& program_folder) {
    return QDir(program_folder).filePath(settings_file_name);
}

Options load_settings(const PrivateProfile& file, const Options& initial) {
    Options o = initial;
    read_key<SaveSwitch>(file, settings_section, QStringLiteral("save"), o.save);
    read_key<MediumText>(file, settings_section, QStringLiteral("medium"), o.medium);
    read_key<CodePageName>(file, settings_section, QStringLiteral("codepage"), o.code_page);
    for (const ExportKey& k : export_keys) {
        const QString key = QString::fromLatin1(k.key);
        if (k.tick)
            read_key<Tick>(file, export_section, key, o.exporting.*k.tick);
        else
            read_key<Text>(file, export_section, key, o.exporting.*k.text);
    }
    read_key<Kind>(file, export_section, QStringLiteral("savemode"), o.exporting.savemode);
    read_key<Text>(file, import_section, QStringLiteral("foldername"), o.importing.foldername);
    read_key<Tick>(file, import_section, QStringLiteral("convertlower"), o.importing.convertlower);
    read_key<Text>(file, import_section, QStringLiteral("path"), o.importing.path);
    o.spreadsheet.order = read_field_order(file, initial.spreadsheet.order);
    for (int i = 0; i < 8; ++i)
        read_key<Tick>(file, excel_section, QString::number(i),
                       o.spreadsheet.checks[std::size_t(i)]);
    return o;
}

void save_settings(PrivateProfile& file, const Options& o) {
    write_key<SaveSwitch>(file, settings_section, QStringLiteral("save"), o.save);
    if (!o.save)
        return;
    write_key<MediumText>(file, settings_section, QStringLiteral("medium"), o.medium);
    write_key<CodePageName>(file, settings_section, QStringLiteral("codepage"), o.code_page);
    for (const ExportKey& k : export_keys) {
        const QString key = QString::fromLatin1(k.key);
        if (k.tick)
            write_key<Tick>(file, export_section, key, o.exporting.*k.tick);
        else
            write_key<Text>(file, export_section, key, o.exporting.*k.text);
    }
    write_key<Kind>(file, export_section, QStringLiteral("savemode"), o.exporting.savemode);
    write_key<Text>(file, import_section, QStringLiteral("foldername"), o.importing.foldername);
    write_key<Tick>(file, import_section, QStringLiteral("convertlower"), o.importing.convertlower);
    write_key<Text>(file, import_section, QStringLiteral("path"), o.importing.path);
    for (int i = 0; i < int(o.spreadsheet.order.size()); ++i)
        write_key<Position>(file, excel_section, o.spreadsheet.order[i], i);
    for (int i = 0; i < 8; ++i)
        write_key<Tick>(file, excel_section, QString::number(i),
                        o.spreadsheet.checks[std::size_t(i)]);
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {
    profile_ = PrivateProfile::read(path_, &read_error_);
}

Options SettingsFile::options(const Options& initial) const {
    return profile_ ? load_settings(*profile_, initial) : initial;
}

bool SettingsFile::save(const Options& options, QString* error) {
    const QString file = u'"' + QDir::toNativeSeparators(path_) + u'"';
    if (!profile_) {
        *error = QStringLiteral("The settings file %1 could not be read, so it was not written: "
                                "%2")
                     .arg(file, read_error_);
        return false;
    }
    PrivateProfile changed = *profile_;
    save_settings(changed, options);
    if (!changed.changed())
        return true;
    QString why;
    if (!changed.save(path_, &why)) {
        *error = QStringLiteral("The settings file %1 could not be written: %2").arg(file, why);
        return false;
    }
    profile_ = std::move(changed);
    return true;
}

} // namespace vinylix
