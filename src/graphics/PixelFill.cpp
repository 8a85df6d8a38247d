#include "graphics/PixelFill.h"

#include <cstring>

namespace {

void Fill32(TSurface& surface, const TImage& image) {
    for (int y = 0; y < image.Height; ++y) {
        const uint8_t* in = image.Pixel(0, y);
        uint32_t* out = reinterpret_cast<uint32_t*>(surface.Row(y));
        for (int x = 0; x < image.Width; ++x, in += 3) {
            out[x] = (uint32_t{in[2]} << 16) | (uint32_t{in[1]} << 8) | in[0];
        }
    }
}

template <bool RaiseZero> void Fill16(TSurface& surface, const TImage& image) {
    for (int y = 0; y < image.Height; ++y) {
        const uint8_t* in = image.Pixel(0, y);
        uint16_t* out = reinterpret_cast<uint16_t*>(surface.Row(y));
        for (int x = 0; x < image.Width; ++x, in += 3) {
            unsigned b5 = in[0] >> 3, g5 = in[1] >> 3, r5 = in[2] >> 3;
            if constexpr (RaiseZero) {
                b5 += b5 == 0;
                g5 += g5 == 0;
                r5 += r5 == 0;
            }
            out[x] = static_cast<uint16_t>(((r5 << 11) & 0xF800) | ((g5 << 6) & 0x07E0) | b5);
        }
    }
}

} // namespace

void FillSurfaceFromPng(TSurface& surface, const TImage& image) {
    if (surface.BitsPerPixel() == 16) {
        Fill16<true>(surface, image);
    } else {
        Fill32(surface, image);
    }
}

void FillSurfaceFromJpeg(TSurface& surface, const TImage& image) {
    if (surface.BitsPerPixel() == 16) {
        Fill16<false>(surface, image);
    } else {
        Fill32(surface, image);
    }
}
