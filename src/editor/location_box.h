#pragma once

#include <QString>

namespace vinylix {

// The shelf-location box `album_loc` of the album editor: an editable list whose one entry is
// "CDA", holding either that or the digits of a shelf disc. Like every digit box it keeps a
// key out by being read-only while the key is handled, which leaves the moving keys working.
struct LocationBox {
    QString text;
    bool entry_chosen = false; // "CDA" was chosen from the list and not typed over since
    bool writable = true;
};

enum class LocationKey {
    Digit,             // 0-9 of the main keys or the keypad, no Shift, Ctrl or Alt
    DigitWithModifier, // a main-key digit with Shift, Ctrl or Alt
    Erase,             // Backspace or Delete
    Other,
};

// The box as a key press leaves it before the key itself is handled:
// - a digit with a modifier is kept out;
// - a digit unchooses the list entry and is let in as the last key release left the box
//   (kept out of "CDA", let into digits);
// - Backspace or Delete on a typed "CDA" empties the box, on other text works as usual;
// - any other key is kept out, except that while the entry "CDA" is chosen the box stays
//   writable for a text other than "CDA".
// So "CDA" never takes a digit: Backspace on it empties it, and digits follow.
LocationBox location_key_pressed(LocationBox box, LocationKey key);

// The box as a key release leaves it: read-only holding "CDA", writable otherwise.
LocationBox location_key_released(LocationBox box);

} // namespace vinylix
