#pragma once

#include "support/temp_folder.h"

#include <QString>
#include <linux/capability.h>

namespace vinylix::test {

// A program folder with a catalogue and a burnt disc, "Disc 12", read with the format
// "%1 - %2", holding one album of each kind: alike (named in other letter case and without
// the accent), one for each field that can differ, two only on the disc (one of them listed
// under disc 7), a folder that cannot be read and one that does not fit the format. The
// catalogue lists one album under disc "012" that the disc does not hold, and one on disc 3.
struct SampleDisc {
    SampleDisc();
    ~SampleDisc();
    TempFolder folder;
    QString catalogue;
    QString disc;
};

// While it lives, the process reads files as their permissions say even when it runs as root,
// whose overriding of them is held off: a folder without permissions cannot be read.
class PermissionsHeld {
public:
    PermissionsHeld();
    ~PermissionsHeld();

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct before_[2]{};
};

} // namespace vinylix::test
