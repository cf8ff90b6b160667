// Bitrate detection and ID3v1 tag reading of one MP3 file held in the page cache, as the
// folder import does once per album and the tag editor once per file.
#include "mp3/frame_header.h"
#include "mp3/tag_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vinylix;

namespace {

// An ID3v2 tag of `body_size` bytes after its header, holding no frame header pattern.
QByteArray id3v2_tag(int body_size) {
    QByteArray tag("ID3\x03\x00\x00", 6);
    for (const int shift : {21, 14, 7, 0})
        tag += static_cast<char>((body_size >> shift) & 0x7F);
    return tag + QByteArray(body_size, '\x11');
}

// A file of `leading` bytes, one megabyte of 128 kbps frames and an ID3v1 tag.
QString make_file(const QTemporaryDir& dir, const QString& name, const QByteArray& leading) {
    QByteArray frames;
    const QByteArray frame = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, '\x55');
    while (frames.size() < 1024 * 1024)
        frames += frame;
    Id3v1Tag tag;
    tag.title = "A song title of some length";
    tag.genre = 17;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    file.write(leading + frames + tag.render());
    return path;
}

const QTemporaryDir& folder() {
    static const QTemporaryDir dir;
    return dir;
}

void bitrate_of_file(benchmark::State& state, const QByteArray& leading) {
    const QString path = make_file(folder(), "song.mp3", leading);
    const BitrateTable& table = loaded_bitrate_table();
    for (auto _ : state)
        benchmark::DoNotOptimize(read_bitrate(path, table));
}

void bitrate_header_first(benchmark::State& state) {
    bitrate_of_file(state, {});
}
BENCHMARK(bitrate_header_first)->Unit(benchmark::kMicrosecond);

void bitrate_after_30k_id3v2(benchmark::State& state) {
    bitrate_of_file(state, id3v2_tag(30 * 1024));
}
BENCHMARK(bitrate_after_30k_id3v2)->Unit(benchmark::kMicrosecond);

// The whole 4096 bytes searched in vain.
void bitrate_no_header(benchmark::State& state) {
    bitrate_of_file(state, QByteArray(8192, '\x12'));
}
BENCHMARK(bitrate_no_header)->Unit(benchmark::kMicrosecond);

void tag_read(benchmark::State& state) {
    const QString path = make_file(folder(), "tagged.mp3", id3v2_tag(30 * 1024));
    SharedTag shared;
    for (auto _ : state) {
        read_tag(path, shared);
        benchmark::DoNotOptimize(shared.record.genre);
    }
}
BENCHMARK(tag_read)->Unit(benchmark::kMicrosecond);

} // namespace
