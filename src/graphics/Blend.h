#pragma once
#include <cstddef>
#include <cstdint>

// The per-pixel rule of the alpha blit, for one row span at a time. The vector versions give
// results identical to the scalar rule; BestBlendRow32 and BestBlendRow16 pick the widest the
// processor runs.

struct TBlendSetup {
    int Opacity = 255;               // 0..255
    int Level = 0;                   // tint level 0..255, 0 = no tint
    int Tint[3] = {0, 0, 0};         // tint per pixel channel: 32 bits blue, green, red bytes;
                                     // 16 bits the in-place blue, green, red field values
    const uint8_t* Lookup = nullptr; // optional 256-byte tint table (32 bits only)
    bool CopyFull = false;           // opacity 255 and no tint: mask 255 is a straight copy

    // colour is 0x00BBGGRR.
    static TBlendSetup For32(int opacity, uint32_t colour, int level, const uint8_t* lookup);
    static TBlendSetup For16(int opacity, uint32_t colour, int level);
};

inline int TintChannel32(int s, int t, int level, const uint8_t* lookup) {
    if (lookup) {
        const int k = 255 - ((lookup[s] * level) >> 8);
        return t + ((k * (s - t)) >> 8);
    }
    return t + ((level * (s - t)) >> 8);
}

// Mask byte m > 0 and not the straight-copy case; the fourth byte keeps the target's.
inline uint32_t BlendPixel32(uint32_t d, uint32_t s, unsigned m, const TBlendSetup& b) {
    const int a = static_cast<int>((m * static_cast<unsigned>(b.Opacity)) >> 8);
    uint32_t out = d & 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
        const int shift = 8 * c;
        int sc = static_cast<int>((s >> shift) & 255u);
        if (b.Level != 0) sc = TintChannel32(sc, b.Tint[c], b.Level, b.Lookup);
        const int dc = static_cast<int>((d >> shift) & 255u);
        out |= static_cast<uint32_t>((sc * a + dc * (255 - a)) >> 8) << shift;
    }
    return out;
}

inline uint16_t BlendPixel16(uint16_t d, uint16_t s, unsigned m, const TBlendSetup& b) {
    static constexpr int Masks[3] = {0x001F, 0x07E0, 0xF800};
    const int a = static_cast<int>((m * static_cast<unsigned>(b.Opacity)) >> 8);
    if (a == 0) return d;
    int out = 0;
    for (int c = 0; c < 3; ++c) {
        int sc = s & Masks[c];
        // In 16 bits level 255 keeps the source colour as it is.
        if (b.Level != 0 && b.Level != 255) sc = b.Tint[c] + ((b.Level * (sc - b.Tint[c])) >> 8);
        const int dc = d & Masks[c];
        out |= ((sc * a + dc * (255 - a)) >> 8) & Masks[c];
    }
    return static_cast<uint16_t>(out);
}

using TBlendRow32 = void (*)(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count,
                             const TBlendSetup& setup);

void BlendRow32Scalar(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count,
                      const TBlendSetup& setup);
void BlendRow32Sse2(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count,
                    const TBlendSetup& setup);
// Only on processors with AVX2 (see CpuHasAvx2).
void BlendRow32Avx2(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count,
                    const TBlendSetup& setup);
bool CpuHasAvx2();
TBlendRow32 BestBlendRow32();

// A rectangle of rows to blend; strides count pixels and mask bytes.
struct TBlendRows32 {
    uint32_t* Dst;
    ptrdiff_t DstStride;
    const uint32_t* Src;
    ptrdiff_t SrcStride;
    const uint8_t* Mask;
    ptrdiff_t MaskStride;
    int Count; // pixels a row
    int Rows;
};
// Every row through the given row kernel.
void BlendRows32With(TBlendRow32 kernel, const TBlendRows32& rows, const TBlendSetup& setup);
// Only on processors with AVX2: the same pixels, with the kernel set up once for all rows.
void BlendRows32Avx2(const TBlendRows32& rows, const TBlendSetup& setup);
// The widest kernel the processor runs.
void BlendRows32(const TBlendRows32& rows, const TBlendSetup& setup);

using TBlendRow16 = void (*)(uint16_t* dst, const uint16_t* src, const uint8_t* mask, int count,
                             const TBlendSetup& setup);

// The scalar 16-bit rule.
void BlendRow16(uint16_t* dst, const uint16_t* src, const uint8_t* mask, int count,
                const TBlendSetup& setup);
void BlendRow16Sse2(uint16_t* dst, const uint16_t* src, const uint8_t* mask, int count,
                    const TBlendSetup& setup);
// Only on processors with AVX2 (see CpuHasAvx2).
void BlendRow16Avx2(uint16_t* dst, const uint16_t* src, const uint8_t* mask, int count,
                    const TBlendSetup& setup);
TBlendRow16 BestBlendRow16();
