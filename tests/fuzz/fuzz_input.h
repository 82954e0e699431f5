#pragma once

#include <QByteArray>
#include <cstddef>

namespace zr40::fuzz {

// Reads a fuzz input from the front as small decisions and byte strings. Past its end every
// read gives zeros, so a target never needs to check lengths; Done() says when to stop.
class FuzzInput {
public:
    FuzzInput(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    bool Done() const { return at_ >= size_; }
    unsigned char Byte() { return at_ < size_ ? data_[at_++] : 0; }
    bool Bit() { return Byte() & 1; }
    // Up to `most` bytes, as many as remain.
    QByteArray Bytes(std::size_t most) {
        const std::size_t n = most < size_ - at_ ? most : size_ - at_;
        const QByteArray bytes(reinterpret_cast<const char*>(data_ + at_), qsizetype(n));
        at_ += n;
        return bytes;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace zr40::fuzz
