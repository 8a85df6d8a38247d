#include "graphics/Blend.h"

TBlendSetup TBlendSetup::For32(int opacity, uint32_t colour, int level, const uint8_t* lookup) {
    TBlendSetup b;
    b.Opacity = opacity & 255;
    b.Level = level & 255;
    b.Tint[0] = static_cast<int>((colour >> 16) & 255); // blue byte
    b.Tint[1] = static_cast<int>((colour >> 8) & 255);  // green byte
    b.Tint[2] = static_cast<int>(colour & 255);         // red byte
    b.Lookup = lookup;
    b.CopyFull = b.Opacity == 255 && b.Level == 0;
    return b;
}

TBlendSetup TBlendSetup::For16(int opacity, uint32_t colour, int level) {
    TBlendSetup b;
    b.Opacity = opacity & 255;
    b.Level = level & 255;
    b.Tint[0] = static_cast<int>((colour >> 19) & 31);
    b.Tint[1] = static_cast<int>(((colour >> 10) & 63) << 5);
    b.Tint[2] = static_cast<int>(((colour >> 3) & 31) << 11);
    b.CopyFull = b.Opacity == 255 && b.Level == 0;
    return b;
}

void BlendRow32Scalar(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count,
                      const TBlendSetup& setup) {
    for (int i = 0; i < count; ++i) {
        const unsigned m = mask[i];
        if (m == 0) continue;
        if (m == 255 && setup.CopyFull) {
            dst[i] = src[i];
        } else {
            dst[i] = BlendPixel32(dst[i], src[i], m, setup);
        }
    }
}

void BlendRow16(uint16_t* dst, const uint16_t* src, const uint8_t* mask, int count,
                const TBlendSetup& setup) {
    for (int i = 0; i < count; ++i) {
        const unsigned m = mask[i];
        if (m == 0) continue;
        if (m == 255 && setup.CopyFull) {
            dst[i] = src[i];
        } else {
            dst[i] = BlendPixel16(dst[i], src[i], m, setup);
        }
    }
}
