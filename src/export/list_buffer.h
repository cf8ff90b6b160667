#pragma once

#include "store/whole_file.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace vinylix {

// The bytes of a list as they are made: every piece is one copy into a buffer (a QByteArray
// append costs several times more, and a page has millions of pieces). `hand_over` passes
// what has gathered to the sink once it passes `chunk` bytes, so a large list is never held
// whole; the caller chooses the moments, between pieces that belong together.
class ListBuffer {
public:
    static constexpr qsizetype chunk = 1 << 20;

    explicit ListBuffer(const FileSink& sink) : sink_(sink), bytes_(chunk + chunk / 4, '\0') {}

    ListBuffer& operator+=(std::string_view piece) {
        std::memcpy(room_for(qsizetype(piece.size())), piece.data(), piece.size());
        return *this;
    }
    ListBuffer& operator+=(char c) {
        *room_for(1) = c;
        return *this;
    }
    // Appends characters known to be ASCII.
    void append_ascii(const char16_t* first, const char16_t* last) {
        std::transform(first, last, room_for(last - first), [](char16_t c) { return char(c); });
    }

    // Position of the first `c` at `from` or after it; -1 when there is none.
    qsizetype indexOf(char c, qsizetype from) const {
        const void* at = std::memchr(bytes_.data() + from, c, std::size_t(size_ - from));
        return at ? static_cast<const char*>(at) - bytes_.data() : -1;
    }
    qsizetype size() const { return size_; }
    char& operator[](qsizetype i) { return bytes_.data()[i]; }

    // Hands what has gathered to the sink once it is a chunk or more; false when the sink
    // refused it.
    bool hand_over() { return size_ < chunk || finish(); }
    // Hands over the rest; false when the sink refused it.
    bool finish() {
        const bool taken = sink_(QByteArrayView(bytes_.data(), size_));
        size_ = 0;
        return taken;
    }

private:
    char* room_for(qsizetype n) {
        if (size_ + n > bytes_.size())
            bytes_.resize(std::max(bytes_.size() * 2, size_ + n));
        char* at = bytes_.data() + size_;
        size_ += n;
        return at;
    }

    const FileSink& sink_;
    QByteArray bytes_;
    qsizetype size_ = 0;
};

// The whole list `put` makes, gathered in memory; empty when it stopped.
template <typename Put> QByteArray whole_list(Put put) {
    QByteArray list;
    const FileSink keep = [&](QByteArrayView piece) {
        list += piece;
        return true;
    };
    if (!put(keep))
        return {};
    return list;
}

} // namespace vinylix
