#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A growable byte buffer with a read/write position; archive entries and table files live in
// these. Reads never go past the end: they return how many bytes they could give.
class TMemoryStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}
    explicit TMemoryStream(const std::string& text) : data_(text.begin(), text.end()) {}

    size_t Size() const { return data_.size(); }
    size_t Position() const { return pos_; }
    void SetPosition(size_t pos) { pos_ = pos > data_.size() ? data_.size() : pos; }
    void Rewind() { pos_ = 0; }
    void Clear();
    void SetSize(size_t size);

    size_t Read(void* dest, size_t count);
    void Write(const void* src, size_t count);
    // Reads from the position to the end.
    std::string ReadRest();
    // The whole content as text, whatever the position.
    std::string Text() const { return std::string(data_.begin(), data_.end()); }

    const uint8_t* Data() const { return data_.data(); }
    uint8_t* Data() { return data_.data(); }
    const std::vector<uint8_t>& Bytes() const { return data_; }

  private:
    std::vector<uint8_t> data_;
    size_t pos_ = 0;
};
