#pragma once

#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vinylix {

// The genre names, indexed by the genre byte of a tag: 148 names and, last, an empty entry (149).
const QStringList& genre_list();

// The genre byte of a name: the index of the entry equal to it (exact, letter case included);
// the empty name gives 148. Empty when no entry matches.
std::optional<std::uint8_t> genre_byte(QStringView name);

} // namespace vinylix
