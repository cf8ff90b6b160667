// Feeds arbitrary song lists to the song-list section reader and checks what any reading must
// hold, and that writing per-CD texts and reading them back gives the same texts.
#include "require.h"
#include "store/song_list_text.h"

#include <cstddef>
#include <cstdint>

using namespace vinylix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int cd_count = data[0] % 16;
    const QString songs =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const QStringList cds = read_song_sections(songs, cd_count);
    require(cds.size() <= cd_count);
    for (const QString& cd : cds)
        require(songs.contains(cd));

    // The input cut into CDs at each NUL: texts that hold no header come back as they went.
    const QStringList texts = songs.split(u'\0');
    if (texts.size() <= 16 && !songs.contains(QStringLiteral("== CD "), Qt::CaseInsensitive))
        require(read_song_sections(write_song_sections(texts), int(texts.size())) == texts);
    return 0;
}
