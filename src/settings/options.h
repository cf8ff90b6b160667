#pragma once

#include "store/album_record.h"

#include <QString>
#include <QStringList>
#include <array>

namespace vinylix {

// Check-box states as stored: 0 clear, 1 ticked.
using CheckState = int;

// Options of the export tab.
struct ExportOptions {
    CheckState nickstatus = 0;
    QString nickname;
    CheckState emailstatus = 0;
    QString email;
    CheckState statistics = 0;
    CheckState year = 0;
    CheckState cover = 0;
    CheckState nrofcds = 0;
    CheckState kbps = 0;
    CheckState cdnr = 0;
    CheckState size = 0;
    int savemode = 1; // 1: text list, 2: HTML list
    bool operator==(const ExportOptions&) const = default;
};

// Options of the import tab.
struct ImportOptions {
    QString foldername = QStringLiteral("%1 - %2");
    CheckState convertlower = 0;
    QString path; // root folder of the import
    bool operator==(const ImportOptions&) const = default;
};

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
    std::array<CheckState, 8> checks{};
    bool operator==(const SpreadsheetOptions&) const = default;
};

// Every option the settings file keeps. Each value starts at its control's initial state.
struct Options {
    int save = 1; // 1: save the options at exit
    // The medium the shelf measures its discs against, by its capacity in MB as the settings
    // file keeps it ("700"); the shelf reads an unknown text as the default medium.
    QString medium = QStringLiteral("700");
    // The code page of ID3v1 tags and old playlists, by its stored name ("windows-1251"), kept as
    // the file says it; empty when the file names none. An empty or unknown name means
    // Windows-1252.
    QString codepage;
    ExportOptions exporting;
    ImportOptions importing;
    SpreadsheetOptions spreadsheet;
    bool operator==(const Options&) const = default;
};

} // namespace vinylix
