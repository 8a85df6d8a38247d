#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/InputLimits.h"

// A decoded picture as the codecs deliver it: rows of blue, green, red bytes without padding,
// and, when the picture has an alpha channel, a separate row-major alpha plane.
struct TImage {
    int Width = 0;
    int Height = 0;
    bool HasAlpha = false;
    std::vector<uint8_t> Bgr;   // Width * Height * 3
    std::vector<uint8_t> Alpha; // Width * Height when HasAlpha, else empty

    // A black canvas without alpha.
    static TImage Blank(int width, int height);
    bool Empty() const { return Width <= 0 || Height <= 0; }
    size_t PixelCount() const { return static_cast<size_t>(Width) * static_cast<size_t>(Height); }
    uint8_t* Pixel(int x, int y) { return &Bgr[(static_cast<size_t>(y) * Width + x) * 3]; }
    const uint8_t* Pixel(int x, int y) const {
        return &Bgr[(static_cast<size_t>(y) * Width + x) * 3];
    }
    // Adds an alpha plane of the given value when there is none.
    void EnsureAlpha(uint8_t value);
};

// Whether a picture of this size may be made (MaxImageSide a side, MaxImagePixels in all);
// decoders and canvases ask before they allocate.
bool ImageSizeAllowed(int64_t width, int64_t height);
// Why not, for a message that names the picture.
std::string ImageSizeRefusal(int64_t width, int64_t height);
