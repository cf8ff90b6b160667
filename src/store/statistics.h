#pragma once

#include "catalogue.h"

#include <QString>
#include <memory>

namespace vinylix {

// The four figures that sum up the catalogue.
struct Statistics {
    qint64 number_of_artists = 0; // names compared exactly, letter case included
    qint64 number_of_albums = 0;
    qint64 number_of_cds = 0; // highest shelf disc number plus the audio CDs
    double total_size = 0;    // megabytes, rounded to two decimals after each addition
};

// Reads the catalogue by a query of its own (the main recordset is not touched).
// An empty or unreadable catalogue gives zeros.
Statistics compute_statistics(const std::shared_ptr<Catalogue>& catalogue);

// `value` rounded to two decimals, halves to the even digit.
double round_to_cents(double value);

// A number in its plain decimal form: no thousands separators, decimals only when present.
QString plain_number(double value);

} // namespace vinylix
