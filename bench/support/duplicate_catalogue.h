#pragma once

#include <QString>

namespace vinylix::bench {

// Writes a catalogue of `albums` albums rich in duplicates into a folder of its own under the
// system's temporary folder (kept between runs) and returns its path: the synthetic catalogue
// of that size, in which every twentieth album has one to three copies among the albums that
// follow it, each named another way (capitals and "(Remastered)", "The " and "[CD1]", an accent
// and "(2011 Remaster)") on another disc with another bitrate and size.
QString make_duplicate_catalogue(int albums);

} // namespace vinylix::bench
