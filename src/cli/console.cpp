#include "console.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vinylix::cli {

namespace {

// The first failure of standard output, kept until output_written() reports it.
int output_error = 0;

} // namespace

bool write_out(QByteArrayView bytes) {
    if (output_error != 0)
        return false;
    if (bytes.isEmpty())
        return true;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) ==
        std::size_t(bytes.size()))
        return true;
    output_error = errno != 0 ? errno : EIO;
    return false;
}

bool print_line(const QString& line) {
    QByteArray bytes = line.toUtf8();
    bytes += '\n';
    return write_out(bytes);
}

FileSink standard_output() {
    return [](QByteArrayView piece) { return write_out(piece); };
}

bool output_written() {
    errno = 0;
    if (output_error == 0 && std::fflush(stdout) != 0)
        output_error = errno != 0 ? errno : EIO;
    if (output_error == 0)
        return true;
    say(QStringLiteral("The output could not be written: %1.")
            .arg(QString::fromLocal8Bit(std::strerror(output_error))));
    return false;
}

void say(const QString& message) {
    say_plain(QStringLiteral("vinylix: ") + message + u'\n');
}

void say_plain(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace vinylix::cli
