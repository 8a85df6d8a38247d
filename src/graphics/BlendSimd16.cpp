// The 16-bit (RGB565) alpha blit's row kernel in SSE2 (every x86-64) and AVX2 (chosen at run
// time), for the display that could not have 32 bits. Each lane gives exactly BlendPixel16's
// pixel. That rule blends green and red where they sit in the pixel, so its sums reach 19 and
// 24 bits; here every step stays inside 16 bits by working from the plain field values
// (blue and red 0..31, green 0..63) of source s, target d and tint t:
//   a = (m * opacity) >> 8, na = 255 - a
//   blue:  tinted s' = t + ((level * (s - t)) >> 8); field (s' * a + d * na) >> 8
//   green: in-place source g = 32t + ((level * (s - t)) >> 3) tinted, else 32s (at most 2016);
//          field (floor(g * a / 32) + d * na) >> 8, the floor being mulhi(g << 5, a << 6)
//   red:   in-place source r = 2048t + 8 * level * (s - t) tinted, else 2048s (at most 63488);
//          field (floor(r * a / 2048) + d * na) >> 8, the floor being mulhi(r, a << 5)
// Flooring the source product before adding the target's changes nothing, as the target's
// product is a whole multiple of the same 32 or 2048. Then a = 0 keeps the target and the
// straight-copy case takes the source.
#include <immintrin.h>

#include <cstring>

#include "graphics/Blend.h"

namespace {

// The kernels rely on the setup TBlendSetup::For16 makes: opacity and level in 0..255 and each
// tint value inside its own field. Anything else is left to the scalar rule.
bool VectorReady16(const TBlendSetup& b) {
    if (b.Opacity < 0 || b.Opacity > 255 || b.Level < 0 || b.Level > 255) return false;
    if (b.Level == 0 || b.Level == 255) return true; // the tint is not used
    return (b.Tint[0] & ~0x001F) == 0 && (b.Tint[1] & ~0x07E0) == 0 && (b.Tint[2] & ~0xF800) == 0;
}

struct TConsts128 {
    __m128i Opacity, C255, Blue, Six, Green, Red, Level, TintB, TintG, TintGField, TintR,
        TintRField, CopyAllowed;
    explicit TConsts128(const TBlendSetup& b) {
        Opacity = _mm_set1_epi16(static_cast<short>(b.Opacity));
        C255 = _mm_set1_epi16(255);
        Blue = _mm_set1_epi16(0x001F);
        Six = _mm_set1_epi16(0x003F);
        Green = _mm_set1_epi16(0x07E0);
        Red = _mm_set1_epi16(static_cast<short>(0xF800));
        Level = _mm_set1_epi16(static_cast<short>(b.Level));
        TintB = _mm_set1_epi16(static_cast<short>(b.Tint[0]));
        TintG = _mm_set1_epi16(static_cast<short>(b.Tint[1]));
        TintGField = _mm_set1_epi16(static_cast<short>(b.Tint[1] >> 5));
        TintR = _mm_set1_epi16(static_cast<short>(b.Tint[2]));
        TintRField = _mm_set1_epi16(static_cast<short>(b.Tint[2] >> 11));
        CopyAllowed = b.CopyFull ? _mm_set1_epi16(-1) : _mm_setzero_si128();
    }
};

// Eight pixels; m16 holds their mask bytes widened to 16 bits.
inline __m128i Blend8(__m128i d, __m128i s, __m128i m16, const TConsts128& k, bool tinted) {
    const __m128i a = _mm_srli_epi16(_mm_mullo_epi16(m16, k.Opacity), 8);
    const __m128i na = _mm_sub_epi16(k.C255, a);
    __m128i sb = _mm_and_si128(s, k.Blue), sg, sr;
    if (tinted) {
        sb = _mm_add_epi16(k.TintB,
                           _mm_srai_epi16(_mm_mullo_epi16(k.Level, _mm_sub_epi16(sb, k.TintB)), 8));
        const __m128i gField = _mm_and_si128(_mm_srli_epi16(s, 5), k.Six);
        sg = _mm_add_epi16(
            k.TintG,
            _mm_srai_epi16(_mm_mullo_epi16(k.Level, _mm_sub_epi16(gField, k.TintGField)), 3));
        // Wraps around 16 bits on the way, but the sum is the right value in 0..63488.
        const __m128i rField = _mm_srli_epi16(s, 11);
        sr = _mm_add_epi16(
            k.TintR,
            _mm_slli_epi16(_mm_mullo_epi16(k.Level, _mm_sub_epi16(rField, k.TintRField)), 3));
    } else {
        sg = _mm_and_si128(s, k.Green);
        sr = _mm_and_si128(s, k.Red);
    }
    const __m128i db = _mm_and_si128(d, k.Blue);
    const __m128i blue =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sb, a), _mm_mullo_epi16(db, na)), 8);
    const __m128i dg = _mm_and_si128(_mm_srli_epi16(d, 5), k.Six);
    const __m128i gSum = _mm_add_epi16(_mm_mulhi_epu16(_mm_slli_epi16(sg, 5), _mm_slli_epi16(a, 6)),
                                       _mm_mullo_epi16(dg, na));
    const __m128i green = _mm_and_si128(_mm_srli_epi16(gSum, 3), k.Green);
    const __m128i dr = _mm_srli_epi16(d, 11);
    const __m128i rSum =
        _mm_add_epi16(_mm_mulhi_epu16(sr, _mm_slli_epi16(a, 5)), _mm_mullo_epi16(dr, na));
    const __m128i red = _mm_and_si128(_mm_slli_epi16(rSum, 3), k.Red);
    __m128i r = _mm_or_si128(_mm_or_si128(blue, green), red);
    const __m128i keepTarget = _mm_cmpeq_epi16(a, _mm_setzero_si128());
    r = _mm_or_si128(_mm_and_si128(keepTarget, d), _mm_andnot_si128(keepTarget, r));
    const __m128i takeSource = _mm_and_si128(_mm_cmpeq_epi16(m16, k.C255), k.CopyAllowed);
    return _mm_or_si128(_mm_and_si128(takeSource, s), _mm_andnot_si128(takeSource, r));
}

struct TConsts256 {
    __m256i Opacity, C255, Blue, Six, Green, Red, Level, TintB, TintG, TintGField, TintR,
        TintRField, CopyAllowed;
    __attribute__((target("avx2"))) explicit TConsts256(const TBlendSetup& b) {
        Opacity = _mm256_set1_epi16(static_cast<short>(b.Opacity));
        C255 = _mm256_set1_epi16(255);
        Blue = _mm256_set1_epi16(0x001F);
        Six = _mm256_set1_epi16(0x003F);
        Green = _mm256_set1_epi16(0x07E0);
        Red = _mm256_set1_epi16(static_cast<short>(0xF800));
        Level = _mm256_set1_epi16(static_cast<short>(b.Level));
        TintB = _mm256_set1_epi16(static_cast<short>(b.Tint[0]));
        TintG = _mm256_set1_epi16(static_cast<short>(b.Tint[1]));
        TintGField = _mm256_set1_epi16(static_cast<short>(b.Tint[1] >> 5));
        TintR = _mm256_set1_epi16(static_cast<short>(b.Tint[2]));
        TintRField = _mm256_set1_epi16(static_cast<short>(b.Tint[2] >> 11));
        CopyAllowed = b.CopyFull ? _mm256_set1_epi16(-1) : _mm256_setzero_si256();
    }
};

// Sixteen pixels, step for step as Blend8.
__attribute__((target("avx2"))) inline __m256i Blend16(__m256i d, __m256i s, __m256i m16,
                                                       const TConsts256& k, bool tinted) {
    const __m256i a = _mm256_srli_epi16(_mm256_mullo_epi16(m16, k.Opacity), 8);
    const __m256i na = _mm256_sub_epi16(k.C255, a);
    __m256i sb = _mm256_and_si256(s, k.Blue), sg, sr;
    if (tinted) {
        sb = _mm256_add_epi16(
            k.TintB,
            _mm256_srai_epi16(_mm256_mullo_epi16(k.Level, _mm256_sub_epi16(sb, k.TintB)), 8));
        const __m256i gField = _mm256_and_si256(_mm256_srli_epi16(s, 5), k.Six);
        sg = _mm256_add_epi16(
            k.TintG, _mm256_srai_epi16(
                         _mm256_mullo_epi16(k.Level, _mm256_sub_epi16(gField, k.TintGField)), 3));
        const __m256i rField = _mm256_srli_epi16(s, 11);
        sr = _mm256_add_epi16(
            k.TintR, _mm256_slli_epi16(
                         _mm256_mullo_epi16(k.Level, _mm256_sub_epi16(rField, k.TintRField)), 3));
    } else {
        sg = _mm256_and_si256(s, k.Green);
        sr = _mm256_and_si256(s, k.Red);
    }
    const __m256i db = _mm256_and_si256(d, k.Blue);
    const __m256i blue = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(sb, a), _mm256_mullo_epi16(db, na)), 8);
    const __m256i dg = _mm256_and_si256(_mm256_srli_epi16(d, 5), k.Six);
    const __m256i gSum =
        _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_slli_epi16(sg, 5), _mm256_slli_epi16(a, 6)),
                         _mm256_mullo_epi16(dg, na));
    const __m256i green = _mm256_and_si256(_mm256_srli_epi16(gSum, 3), k.Green);
    const __m256i dr = _mm256_srli_epi16(d, 11);
    const __m256i rSum = _mm256_add_epi16(_mm256_mulhi_epu16(sr, _mm256_slli_epi16(a, 5)),
                                          _mm256_mullo_epi16(dr, na));
    const __m256i red = _mm256_and_si256(_mm256_slli_epi16(rSum, 3), k.Red);
    __m256i r = _mm256_or_si256(_mm256_or_si256(blue, green), red);
    r = _mm256_blendv_epi8(r, d, _mm256_cmpeq_epi16(a, _mm256_setzero_si256()));
    const __m256i takeSource = _mm256_and_si256(_mm256_cmpeq_epi16(m16, k.C255), k.CopyAllowed);
    return _mm256_blendv_epi8(r, s, takeSource);
}

} // namespace

void BlendRow16Sse2(uint16_t* dst, const uint16_t* src, const uint8_t* mask, int count,
                    const TBlendSetup& b) {
    if (!VectorReady16(b)) return BlendRow16(dst, src, mask, count, b);
    const TConsts128 k(b);
    const bool tinted = b.Level != 0 && b.Level != 255;
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t m8;
        std::memcpy(&m8, mask + i, 8);
        if (m8 == 0) continue;
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        if (m8 == ~uint64_t{0} && b.CopyFull) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), s);
            continue;
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i m16 =
            _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(m8)), _mm_setzero_si128());
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), Blend8(d, s, m16, k, tinted));
    }
    BlendRow16(dst + i, src + i, mask + i, count - i, b);
}

__attribute__((target("avx2"))) void BlendRow16Avx2(uint16_t* dst, const uint16_t* src,
                                                    const uint8_t* mask, int count,
                                                    const TBlendSetup& b) {
    if (!VectorReady16(b)) return BlendRow16(dst, src, mask, count, b);
    const TConsts256 k(b);
    const bool tinted = b.Level != 0 && b.Level != 255;
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i m8 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
        const int zeros = _mm_movemask_epi8(_mm_cmpeq_epi8(m8, _mm_setzero_si128()));
        if (zeros == 0xFFFF) continue;
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        if (b.CopyFull && _mm_movemask_epi8(_mm_cmpeq_epi8(m8, _mm_set1_epi8(-1))) == 0xFFFF) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), s);
            continue;
        }
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i),
                            Blend16(d, s, _mm256_cvtepu8_epi16(m8), k, tinted));
    }
    // The last up to 15 pixels: eight at a time, then one by one.
    BlendRow16Sse2(dst + i, src + i, mask + i, count - i, b);
}

TBlendRow16 BestBlendRow16() {
    static const TBlendRow16 best = CpuHasAvx2() ? BlendRow16Avx2 : BlendRow16Sse2;
    return best;
}
