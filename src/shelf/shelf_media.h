#pragma once

#include "settings/options.h"

#include <QString>

namespace vinylix {

// The name the medium choice shows: "CD-R 650 MB", "CD-R 700 MB", "DVD±R 4,482 MB",
// "DVD±R DL 8,152 MB", "BD-R 23,866 MB" (all_media lists them smallest first).
QString medium_name(Medium medium);

// By how many hundredths of a megabyte `size_hundredths` exceeds the medium: 70050 (700.5 MB)
// on a 700 MB medium gives 50; a disc exactly full or below gives 0.
qint64 excess_hundredths(qint64 size_hundredths, Medium medium);

// How much of the medium `size_hundredths` fills, from 0 to 1: 35000 on 700 MB gives 0.5; a
// negative total gives 0 and an overfull disc 1.
double filled_part(qint64 size_hundredths, Medium medium);

} // namespace vinylix
