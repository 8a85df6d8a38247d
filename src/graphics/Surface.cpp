#include "graphics/Surface.h"

#include <cstring>

std::unique_ptr<TSurface> TSurface::Create(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) return nullptr;
    if (bitsPerPixel != 16 && bitsPerPixel != 32) return nullptr;
    std::unique_ptr<TSurface> surface(new TSurface());
    surface->width_ = width;
    surface->height_ = height;
    surface->bpp_ = bitsPerPixel;
    surface->pitch_ = (width * (bitsPerPixel / 8) + 15) & ~15;
    // Rounded up to the alignment, and 32 so that whole AVX2 stores of a row stay inside.
    size_t bytes = static_cast<size_t>(surface->pitch_) * height;
    bytes = (bytes + 31) & ~size_t{31};
    auto* memory = static_cast<uint8_t*>(std::aligned_alloc(32, bytes));
    if (!memory) return nullptr;
    std::memset(memory, 0, bytes);
    surface->pixels_.reset(memory);
    return surface;
}

bool TSurface::SamePixels(const TSurface& other) const {
    if (!SameShape(other)) return false;
    const size_t bytes = static_cast<size_t>(width_) * BytesPerPixel();
    for (int y = 0; y < height_; ++y)
        if (std::memcmp(Row(y), other.Row(y), bytes) != 0) return false;
    return true;
}

void TSurface::Clear() {
    std::memset(pixels_.get(), 0, static_cast<size_t>(pitch_) * height_);
}
