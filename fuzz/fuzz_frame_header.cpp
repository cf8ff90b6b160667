// Feeds arbitrary file starts to the frame-header search and checks what any answer must hold.
#include "mp3/frame_header.h"
#include "require.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView start(data, static_cast<qsizetype>(size));
    const vinylix::BitrateTable& table = vinylix::loaded_bitrate_table();

    const qsizetype skip = vinylix::id3v2_tag_length(start);
    require(skip == 0 || (skip >= 10 && skip <= 10 + (qsizetype(1) << 28) + 10));

    const auto bitrate = vinylix::detect_bitrate(start, table);
    require(!bitrate || (*bitrate >= 0 && *bitrate <= 448 && *bitrate != 48));

    // Without a tag in front, the answer is the lookup of the key the search finds.
    if (skip == 0) {
        const auto key =
            vinylix::find_frame_key(start.first(std::min(start.size(), qsizetype(4096))));
        require(key.has_value() == bitrate.has_value());
        require(!key || vinylix::bitrate_of_key(*key, table) == *bitrate);
    }
    return 0;
}
