#include "settings_file.h"

#include <QDir>
#include <optional>
#include <utility>

namespace vinylix {

namespace {

const QString settings_section = QStringLiteral("settings");
const QString export_section = QStringLiteral("export");
const QString import_section = QStringLiteral("import");
const QString excel_section = QStringLiteral("excel");

// The export keys in file order; texts stand between the check states they follow.
struct ExportKey {
    const char* key;
    CheckState ExportOptions::*check;
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

// A stored number as a 16-bit integer; nothing when the text is not one.
std::optional<int> number(const QString& text) {
    bool ok = false;
    const short value = text.toShort(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void read_check(const PrivateProfile& file, const QString& section, const QString& key,
                CheckState& state) {
    const auto value = number(file.read_key(section, key));
    if (value && (*value == 0 || *value == 1))
        state = *value;
}

void read_text(const PrivateProfile& file, const QString& section, const QString& key,
               QString& text) {
    if (auto value = file.find_key(section, key))
        text = std::move(*value);
}

// Places each field at its stored position. Positions that are missing, out of range or
// taken twice leave those fields to fill the free places in reference order.
QStringList read_field_order(const PrivateProfile& file, const QStringList& initial) {
    const QStringList& names = spreadsheet_field_names();
    QStringList order(names.size());
    QStringList unplaced;
    for (const QString& name : names) {
        const auto position = number(file.read_key(excel_section, name));
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
    if (const auto save = number(file.read_key(settings_section, QStringLiteral("save"))))
        o.save = *save;
    read_text(file, settings_section, QStringLiteral("medium"), o.medium);
    read_text(file, settings_section, QStringLiteral("codepage"), o.codepage);
    for (const ExportKey& k : export_keys) {
        const QString key = QString::fromLatin1(k.key);
        if (k.check)
            read_check(file, export_section, key, o.exporting.*k.check);
        else
            read_text(file, export_section, key, o.exporting.*k.text);
    }
    if (const auto mode = number(file.read_key(export_section, QStringLiteral("savemode"))))
        o.exporting.savemode = *mode == 1 ? 1 : 2;
    read_text(file, import_section, QStringLiteral("foldername"), o.importing.foldername);
    read_check(file, import_section, QStringLiteral("convertlower"), o.importing.convertlower);
    read_text(file, import_section, QStringLiteral("path"), o.importing.path);
    o.spreadsheet.order = read_field_order(file, initial.spreadsheet.order);
    for (int i = 0; i < 8; ++i)
        read_check(file, excel_section, QString::number(i), o.spreadsheet.checks[std::size_t(i)]);
    return o;
}

void save_settings(PrivateProfile& file, const Options& o) {
    file.write_key(settings_section, QStringLiteral("save"), QString::number(o.save));
    if (o.save != 1)
        return;
    file.write_key(settings_section, QStringLiteral("medium"), o.medium);
    if (!o.codepage.isEmpty())
        file.write_key(settings_section, QStringLiteral("codepage"), o.codepage);
    for (const ExportKey& k : export_keys) {
        const QString key = QString::fromLatin1(k.key);
        file.write_key(export_section, key,
                       k.check ? QString::number(o.exporting.*k.check) : o.exporting.*k.text);
    }
    file.write_key(export_section, QStringLiteral("savemode"),
                   o.exporting.savemode == 1 ? QStringLiteral("1") : QStringLiteral("2"));
    file.write_key(import_section, QStringLiteral("foldername"), o.importing.foldername);
    file.write_key(import_section, QStringLiteral("convertlower"),
                   QString::number(o.importing.convertlower));
    file.write_key(import_section, QStringLiteral("path"), o.importing.path);
    for (qsizetype i = 0; i < o.spreadsheet.order.size(); ++i)
        file.write_key(excel_section, o.spreadsheet.order[i], QString::number(i));
    for (int i = 0; i < 8; ++i)
        file.write_key(excel_section, QString::number(i),
                       QString::number(o.spreadsheet.checks[std::size_t(i)]));
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
