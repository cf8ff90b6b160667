#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace vinylix {

// A kind of blank disc the shelf discs are burnt on, and how much it holds.
struct Medium {
    QString key;      // as the settings file keeps it: the capacity in MB, "700"
    QString name;     // as the medium choice shows it: "CD-R 700 MB"
    qint64 megabytes; // 700
};

// The media offered, smallest first: CD-R 650 MB, CD-R 700 MB, DVD±R 4,482 MB,
// DVD±R DL 8,152 MB, BD-R 23,866 MB.
const std::vector<Medium>& media();

// CD-R 700 MB.
const Medium& default_medium();

// The medium a settings text names: "4482" is DVD±R; an absent, empty or unknown text ("",
// "error", "701", "dvd") is the default medium.
const Medium& medium_for(QStringView key);

// By how many hundredths of a megabyte `size_hundredths` exceeds the medium: 70050 (700.5 MB)
// on a 700 MB medium gives 50; a disc exactly full or below gives 0.
qint64 excess_hundredths(qint64 size_hundredths, const Medium& medium);

// How much of the medium `size_hundredths` fills, from 0 to 1: 35000 on 700 MB gives 0.5; a
// negative total gives 0 and an overfull disc 1.
double filled_part(qint64 size_hundredths, const Medium& medium);

} // namespace vinylix
