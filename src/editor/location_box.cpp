#include "location_box.h"

#include "store/album_record.h"

namespace vinylix {

LocationBox location_key_pressed(LocationBox box, LocationKey key) {
    const bool audio_cd = box.text == audio_cd_label;
    switch (key) {
    case LocationKey::DigitWithModifier:
        box.writable = false;
        break;
    case LocationKey::Digit:
        box.entry_chosen = false;
        break;
    case LocationKey::Erase:
    case LocationKey::Other:
        if (box.entry_chosen) {
            box.writable = !audio_cd;
        } else if (key == LocationKey::Other) {
            box.writable = false;
        } else if (audio_cd) {
            box.text.clear();
            box.writable = true;
        }
        break;
    }
    return box;
}

LocationBox location_key_released(LocationBox box) {
    box.writable = box.text != audio_cd_label;
    return box;
}

} // namespace vinylix
