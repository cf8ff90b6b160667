#pragma once

#include "mp3/code_page.h"
#include "store/album_record.h"

#include <QString>
#include <QStringList>
#include <array>

namespace vinylix {

// The kind of list the export writes.
enum class ListKind { Text, Html };

// Options of the export tab: its ticks, texts and list kind.
struct ExportOptions {
    bool nickstatus = false;
    QString nickname;
    bool emailstatus = false;
    QString email;
    bool statistics = false;
    bool year = false;
    bool cover = false;
    bool nrofcds = false;
    bool kbps = false;
    bool cdnr = false;
    bool size = false;
    ListKind savemode = ListKind::Text;
    bool operator==(const ExportOptions&) const = default;
};

// Options of the import tab.
struct ImportOptions {
    QString foldername = QStringLiteral("%1 - %2");
    bool convertlower = false;
    QString path; // root folder of the import
    bool operator==(const ImportOptions&) const = default;
};

// A kind of blank disc the shelf discs are burnt on, valued at its capacity in megabytes.
enum class Medium : int {
    CdR650 = 650,
    CdR700 = 700,
    DvdR = 4482,
    DvdRDualLayer = 8152,
    BdR = 23866,
};

// Every medium, smallest first; CD-R 700 MB is the default.
inline constexpr std::array<Medium, 5> all_media = {Medium::CdR650, Medium::CdR700, Medium::DvdR,
                                                    Medium::DvdRDualLayer, Medium::BdR};
inline constexpr Medium default_medium = Medium::CdR700;

// A spreadsheet field: the name the field list and the settings file use, and the album
// field it stands for ("CD #" is `CD`).
struct SpreadsheetField {
    QString name;
    Field field;
};

// The eight spreadsheet fields, in their reference order.
inline const std::array<SpreadsheetField, 8>& spreadsheet_fields() {
    static const std::array<SpreadsheetField, 8> fields = {{
        {QStringLiteral("Artist"), Field::Artist},
        {QStringLiteral("Album"), Field::Album},
        {QStringLiteral("Year"), Field::Year},
        {QStringLiteral("Cover"), Field::Cover},
        {QStringLiteral("Cds"), Field::Cds},
        {QStringLiteral("Kbps"), Field::Kbps},
        {QStringLiteral("CD #"), Field::CD},
        {QStringLiteral("Size"), Field::Size},
    }};
    return fields;
}

// Their names, in the same order.
inline const QStringList& spreadsheet_field_names() {
    static const QStringList names = [] {
        QStringList list;
        for (const SpreadsheetField& f : spreadsheet_fields())
            list << f.name;
        return list;
    }();
    return names;
}

// Options of the spreadsheet tab: the fields in the user's order, and the ticks of the eight
// check boxes beside the positions of that list (tick k belongs to the field at position k).
struct SpreadsheetOptions {
    QStringList order = spreadsheet_field_names();
    std::array<bool, 8> checks{};
    bool operator==(const SpreadsheetOptions&) const = default;
};

// Every option the settings file keeps, as values; their texts in the file are the settings
// file's own business (settings_file.h). Each value starts at its control's initial state.
struct Options {
    bool save = true; // the options are saved at exit
    // The medium the shelf measures its discs against.
    Medium medium = default_medium;
    // The code page of ID3v1 tags and old playlists.
    CodePage code_page = default_code_page;
    ExportOptions exporting;
    ImportOptions importing;
    SpreadsheetOptions spreadsheet;
    bool operator==(const Options&) const = default;
};

} // namespace vinylix
