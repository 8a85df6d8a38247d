// The alpha blit's row kernel in SSE2 (every x86-64) and AVX2 (chosen at run time). Each lane
// follows the scalar rule of Blend.h exactly:
//   a = (m * opacity) >> 8
//   tint: s' = t + floor(level * (s - t) / 256), done as mulhi((s - t) << 7, level << 1)
//   blend: (s' * a + d * (255 - a)) >> 8, which fits 16 unsigned bits
// then m = 0 keeps the target, the straight-copy case takes the source, and the fourth byte
// always keeps the target's.
#include <immintrin.h>

#include <cstring>

#include "graphics/Blend.h"

namespace {

inline __m128i Tint128(__m128i s, __m128i tint, __m128i level2) {
    __m128i diff = _mm_slli_epi16(_mm_sub_epi16(s, tint), 7);
    return _mm_add_epi16(tint, _mm_mulhi_epi16(diff, level2));
}

__attribute__((target("avx2"))) inline __m256i Tint256(__m256i s, __m256i tint, __m256i level2) {
    __m256i diff = _mm256_slli_epi16(_mm256_sub_epi16(s, tint), 7);
    return _mm256_add_epi16(tint, _mm256_mulhi_epi16(diff, level2));
}

void ScalarTail(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int from, int count,
                const TBlendSetup& setup) {
    BlendRow32Scalar(dst + from, src + from, mask + from, count - from, setup);
}

} // namespace

void BlendRow32Sse2(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count,
                    const TBlendSetup& b) {
    if (b.Lookup && b.Level != 0) return BlendRow32Scalar(dst, src, mask, count, b);
    const __m128i zero = _mm_setzero_si128();
    const __m128i opacity = _mm_set1_epi32(b.Opacity);
    const __m128i c255 = _mm_set1_epi16(255);
    const __m128i tint =
        _mm_setr_epi16(static_cast<short>(b.Tint[0]), static_cast<short>(b.Tint[1]),
                       static_cast<short>(b.Tint[2]), 0, static_cast<short>(b.Tint[0]),
                       static_cast<short>(b.Tint[1]), static_cast<short>(b.Tint[2]), 0);
    const __m128i level2 = _mm_set1_epi16(static_cast<short>(b.Level * 2));
    const __m128i topByte = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i full = _mm_set1_epi32(255);
    const __m128i copyAllowed = b.CopyFull ? _mm_cmpeq_epi32(zero, zero) : zero;
    const bool tinted = b.Level != 0;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        uint32_t m4;
        std::memcpy(&m4, mask + i, 4);
        if (m4 == 0) continue;
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        if (m4 == 0xFFFFFFFFu && b.CopyFull) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), s);
            continue;
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i m32 = _mm_unpacklo_epi16(
            _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(m4)), zero), zero);
        const __m128i a32 = _mm_srli_epi32(_mm_mullo_epi16(m32, opacity), 8);
        const __m128i a16 = _mm_or_si128(a32, _mm_slli_epi32(a32, 16));
        const __m128i aLo = _mm_unpacklo_epi32(a16, a16);
        const __m128i aHi = _mm_unpackhi_epi32(a16, a16);
        __m128i sLo = _mm_unpacklo_epi8(s, zero);
        __m128i sHi = _mm_unpackhi_epi8(s, zero);
        if (tinted) {
            sLo = Tint128(sLo, tint, level2);
            sHi = Tint128(sHi, tint, level2);
        }
        const __m128i dLo = _mm_unpacklo_epi8(d, zero);
        const __m128i dHi = _mm_unpackhi_epi8(d, zero);
        const __m128i rLo =
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sLo, aLo),
                                         _mm_mullo_epi16(dLo, _mm_sub_epi16(c255, aLo))),
                           8);
        const __m128i rHi =
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sHi, aHi),
                                         _mm_mullo_epi16(dHi, _mm_sub_epi16(c255, aHi))),
                           8);
        __m128i r = _mm_packus_epi16(rLo, rHi);
        r = _mm_or_si128(_mm_andnot_si128(topByte, r), _mm_and_si128(d, topByte));
        const __m128i takeSource = _mm_and_si128(_mm_cmpeq_epi32(m32, full), copyAllowed);
        r = _mm_or_si128(_mm_and_si128(takeSource, s), _mm_andnot_si128(takeSource, r));
        const __m128i keepTarget = _mm_cmpeq_epi32(m32, zero);
        r = _mm_or_si128(_mm_and_si128(keepTarget, d), _mm_andnot_si128(keepTarget, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), r);
    }
    ScalarTail(dst, src, mask, i, count, b);
}

namespace {

// The AVX2 kernel's constants, made once for a whole rectangle: with small pictures (a piece,
// a rain drop) their setup costs as much as the row itself.
struct TAvx2Blend {
    __m256i Zero, Opacity, C255, Tint, Level2, TopByte, Full, CopyAllowed;
    __m256i SolidA; // the alpha where the mask is 255, in every 16-bit lane
    bool Tinted, CopyFull;
};

__attribute__((target("avx2"))) inline TAvx2Blend MakeAvx2Blend(const TBlendSetup& b) {
    TAvx2Blend k;
    k.Zero = _mm256_setzero_si256();
    k.Opacity = _mm256_set1_epi32(b.Opacity);
    k.C255 = _mm256_set1_epi16(255);
    const short t0 = static_cast<short>(b.Tint[0]), t1 = static_cast<short>(b.Tint[1]),
                t2 = static_cast<short>(b.Tint[2]);
    k.Tint = _mm256_setr_epi16(t0, t1, t2, 0, t0, t1, t2, 0, t0, t1, t2, 0, t0, t1, t2, 0);
    k.Level2 = _mm256_set1_epi16(static_cast<short>(b.Level * 2));
    k.TopByte = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    k.Full = _mm256_set1_epi32(255);
    k.CopyAllowed = b.CopyFull ? _mm256_cmpeq_epi32(k.Zero, k.Zero) : k.Zero;
    k.SolidA = _mm256_set1_epi16(static_cast<short>((255 * b.Opacity) >> 8));
    k.Tinted = b.Level != 0;
    k.CopyFull = b.CopyFull;
    return k;
}

// The mask bytes of the last 1 to 7 pixels, read in pieces of four, two and one: a memcpy of
// a varying length makes the next load wait for its bytes to land.
inline uint64_t TailMask(const uint8_t* mask, int left) {
    uint64_t m8 = 0;
    int at = 0;
    if (left & 4) {
        uint32_t four;
        std::memcpy(&four, mask, 4);
        m8 = four;
        at = 4;
    }
    if (left & 2) {
        uint16_t two;
        std::memcpy(&two, mask + at, 2);
        m8 |= uint64_t{two} << (8 * at);
        at += 2;
    }
    if (left & 1) m8 |= uint64_t{mask[at]} << (8 * at);
    return m8;
}

// The rule for eight pixels with their alphas given per 16-bit lane (aLo for pixels 0, 1, 4,
// 5 and aHi for 2, 3, 6, 7, as the unpacks pair them); the fourth byte keeps the target's.
__attribute__((target("avx2"))) inline __m256i Avx2Mix(__m256i s, __m256i d, __m256i aLo,
                                                       __m256i aHi, const TAvx2Blend& k) {
    __m256i sLo = _mm256_unpacklo_epi8(s, k.Zero);
    __m256i sHi = _mm256_unpackhi_epi8(s, k.Zero);
    if (k.Tinted) {
        sLo = Tint256(sLo, k.Tint, k.Level2);
        sHi = Tint256(sHi, k.Tint, k.Level2);
    }
    const __m256i dLo = _mm256_unpacklo_epi8(d, k.Zero);
    const __m256i dHi = _mm256_unpackhi_epi8(d, k.Zero);
    const __m256i rLo =
        _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sLo, aLo),
                                           _mm256_mullo_epi16(dLo, _mm256_sub_epi16(k.C255, aLo))),
                          8);
    const __m256i rHi =
        _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sHi, aHi),
                                           _mm256_mullo_epi16(dHi, _mm256_sub_epi16(k.C255, aHi))),
                          8);
    const __m256i r = _mm256_packus_epi16(rLo, rHi);
    return _mm256_or_si256(_mm256_andnot_si256(k.TopByte, r), _mm256_and_si256(d, k.TopByte));
}

// Eight pixels by the rule; lanes whose mask byte is 0 keep the target.
__attribute__((target("avx2"))) inline __m256i Avx2Blend8(__m256i s, __m256i d, uint64_t m8,
                                                          const TAvx2Blend& k) {
    const __m256i m32 = _mm256_cvtepu8_epi32(_mm_cvtsi64_si128(static_cast<long long>(m8)));
    const __m256i a32 = _mm256_srli_epi32(_mm256_mullo_epi16(m32, k.Opacity), 8);
    const __m256i a16 = _mm256_or_si256(a32, _mm256_slli_epi32(a32, 16));
    __m256i r = Avx2Mix(s, d, _mm256_unpacklo_epi32(a16, a16), _mm256_unpackhi_epi32(a16, a16), k);
    const __m256i takeSource = _mm256_and_si256(_mm256_cmpeq_epi32(m32, k.Full), k.CopyAllowed);
    r = _mm256_blendv_epi8(r, s, takeSource);
    return _mm256_blendv_epi8(r, d, _mm256_cmpeq_epi32(m32, k.Zero));
}

__attribute__((target("avx2"))) inline void
Avx2Row(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int count, const TAvx2Blend& k) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t m8;
        std::memcpy(&m8, mask + i, 8);
        if (m8 == 0) continue;
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        auto* to = reinterpret_cast<__m256i*>(dst + i);
        if (m8 == ~uint64_t{0}) {
            // One alpha for all eight, so none of the per-pixel alpha work or the selects:
            // most of a fading piece is like this.
            _mm256_storeu_si256(
                to, k.CopyFull ? s : Avx2Mix(s, _mm256_loadu_si256(to), k.SolidA, k.SolidA, k));
            continue;
        }
        _mm256_storeu_si256(to, Avx2Blend8(s, _mm256_loadu_si256(to), m8, k));
    }
    // The last one to seven pixels: masked loads touch nothing past the row, and the result
    // goes out in pieces of four, two and one pixels (a masked store is slow on some
    // processors). Glyphs and rain drops are a few pixels wide: one pixel at a time, their
    // tails cost more than the rest of their rows.
    const int left = count - i;
    if (left <= 0) return;
    const uint64_t m8 = TailMask(mask + i, left);
    if (m8 == 0) return;
    const __m256i lanes =
        _mm256_cmpgt_epi32(_mm256_set1_epi32(left), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    const __m256i s = _mm256_maskload_epi32(reinterpret_cast<const int*>(src + i), lanes);
    const __m256i d = _mm256_maskload_epi32(reinterpret_cast<const int*>(dst + i), lanes);
    uint32_t out[8];
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), Avx2Blend8(s, d, m8, k));
    int at = 0;
    for (int piece = 4; piece > 0; piece /= 2) {
        if (left & piece) {
            std::memcpy(dst + i + at, out + at, sizeof(uint32_t) * piece);
            at += piece;
        }
    }
}

} // namespace

__attribute__((target("avx2"))) void BlendRow32Avx2(uint32_t* dst, const uint32_t* src,
                                                    const uint8_t* mask, int count,
                                                    const TBlendSetup& b) {
    if (b.Lookup && b.Level != 0) return BlendRow32Scalar(dst, src, mask, count, b);
    Avx2Row(dst, src, mask, count, MakeAvx2Blend(b));
}

__attribute__((target("avx2"))) void BlendRows32Avx2(const TBlendRows32& r, const TBlendSetup& b) {
    if (b.Lookup && b.Level != 0) return BlendRows32With(BlendRow32Scalar, r, b);
    const TAvx2Blend k = MakeAvx2Blend(b);
    // The target is the frame, larger than the cache: its rows come from memory, one short
    // span a row, which the processor does not see coming. Asking for them two rows ahead
    // saves about a tenth of a busy frame.
    constexpr int Ahead = 2;
    for (int row = 0; row < r.Rows; ++row) {
        if (row + Ahead < r.Rows) {
            const auto* next = reinterpret_cast<const char*>(r.Dst + (row + Ahead) * r.DstStride);
            for (int at = 0; at < r.Count * 4 + 63; at += 64)
                __builtin_prefetch(next + at, 1);
        }
        Avx2Row(r.Dst + row * r.DstStride, r.Src + row * r.SrcStride, r.Mask + row * r.MaskStride,
                r.Count, k);
    }
}

void BlendRows32With(TBlendRow32 kernel, const TBlendRows32& r, const TBlendSetup& b) {
    for (int row = 0; row < r.Rows; ++row)
        kernel(r.Dst + row * r.DstStride, r.Src + row * r.SrcStride, r.Mask + row * r.MaskStride,
               r.Count, b);
}

void BlendRows32(const TBlendRows32& rows, const TBlendSetup& setup) {
    static const bool avx2 = CpuHasAvx2();
    if (avx2) return BlendRows32Avx2(rows, setup);
    BlendRows32With(BlendRow32Sse2, rows, setup);
}

bool CpuHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

TBlendRow32 BestBlendRow32() {
    static const TBlendRow32 best = CpuHasAvx2() ? BlendRow32Avx2 : BlendRow32Sse2;
    return best;
}
