#include "archive/MemoryStream.h"

#include <algorithm>
#include <cstring>

void TMemoryStream::Clear() {
    data_.clear();
    data_.shrink_to_fit();
    pos_ = 0;
}

void TMemoryStream::SetSize(size_t size) {
    data_.resize(size);
    if (pos_ > size) pos_ = size;
}

size_t TMemoryStream::Read(void* dest, size_t count) {
    size_t n = std::min(count, data_.size() - pos_);
    if (n > 0) std::memcpy(dest, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

void TMemoryStream::Write(const void* src, size_t count) {
    if (count == 0) return;
    if (pos_ + count > data_.size()) data_.resize(pos_ + count);
    std::memcpy(data_.data() + pos_, src, count);
    pos_ += count;
}

std::string TMemoryStream::ReadRest() {
    std::string out(data_.begin() + static_cast<std::ptrdiff_t>(pos_), data_.end());
    pos_ = data_.size();
    return out;
}
