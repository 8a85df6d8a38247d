#pragma once
#include <cstdint>
#include <cstdlib>
#include <memory>

// A system-memory surface: rows of XRGB8888 (32 bits per pixel) or RGB565 (16) pixels. Rows
// start on 16-byte boundaries so the blitters can use aligned vector loads on the target.
class TSurface {
  public:
    static constexpr int MaxSide = 16384;

    // A black surface, or nullptr when the size or depth cannot be had.
    static std::unique_ptr<TSurface> Create(int width, int height, int bitsPerPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return pitch_; }
    int BitsPerPixel() const { return bpp_; }
    int BytesPerPixel() const { return bpp_ / 8; }
    uint8_t* Row(int y) { return pixels_.get() + static_cast<size_t>(y) * pitch_; }
    const uint8_t* Row(int y) const { return pixels_.get() + static_cast<size_t>(y) * pitch_; }
    const uint8_t* Pixels() const { return pixels_.get(); }
    void Clear();
    bool SameShape(const TSurface& other) const {
        return width_ == other.width_ && height_ == other.height_ && bpp_ == other.bpp_;
    }
    // Of the same shape and equal in every pixel.
    bool SamePixels(const TSurface& other) const;

  private:
    struct FreeDeleter {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    TSurface() = default;

    int width_ = 0;
    int height_ = 0;
    int pitch_ = 0;
    int bpp_ = 32;
    std::unique_ptr<uint8_t, FreeDeleter> pixels_;
};
