#pragma once

#include "recordset.h"

namespace vinylix {

// Puts the cursor of a recordset back where it stood when this object was made. A search or the
// spreadsheet walks the main recordset, which the browser leaves on the selected album for the
// commands that work on "the current album"; such a walk must not move it off that album.
class KeptCursor {
public:
    explicit KeptCursor(Recordset& set)
        : set_(set), position_(set.absolute_position()), at_end_(set.eof()) {}
    KeptCursor(const KeptCursor&) = delete;
    KeptCursor& operator=(const KeptCursor&) = delete;

    ~KeptCursor() {
        if (position_ >= 0) {
            set_.set_absolute_position(position_);
        } else if (at_end_) {
            set_.move_last();
            set_.move_next();
        } else {
            set_.move_first();
            set_.move_previous();
        }
    }

private:
    Recordset& set_;
    int position_;
    bool at_end_;
};

} // namespace vinylix
