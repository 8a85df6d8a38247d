// The vector blitters must give exactly the scalar rule's pixels.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graphics/Blend.h"

namespace {

struct Case {
    std::vector<uint32_t> src, dst;
    std::vector<uint8_t> mask;
};

Case RandomCase(std::mt19937& rng, int count) {
    Case c;
    std::uniform_int_distribution<uint32_t> pixel;
    std::uniform_int_distribution<int> kind(0, 3);
    for (int i = 0; i < count; ++i) {
        c.src.push_back(pixel(rng));
        c.dst.push_back(pixel(rng));
        // Runs of 0 and 255 exercise the skip and copy shortcuts, the rest the blend.
        const int k = kind(rng);
        c.mask.push_back(k == 0 ? 0 : k == 1 ? 255 : static_cast<uint8_t>(pixel(rng)));
    }
    return c;
}

// Mask runs long enough to fill whole vectors of 0 or 255, or a mix, so that both the
// shortcuts and the blend are taken, and a vector may straddle two kinds.
std::vector<uint8_t> MaskRuns(std::mt19937& rng, int count) {
    std::uniform_int_distribution<int> kind(0, 2), run(1, 40), byte(0, 255);
    std::vector<uint8_t> mask;
    while (static_cast<int>(mask.size()) < count) {
        const int k = kind(rng);
        for (int n = run(rng); n > 0 && static_cast<int>(mask.size()) < count; --n)
            mask.push_back(k == 0 ? 0 : k == 1 ? 255 : static_cast<uint8_t>(byte(rng)));
    }
    return mask;
}

void ExpectSameAsScalar(TBlendRow32 kernel, int seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255), length(1, 70);
    const uint8_t levels[] = {0, 1, 100, 254, 255};
    const uint8_t opacities[] = {0, 1, 128, 254, 255};
    std::vector<uint8_t> lookup(256);
    for (auto& v : lookup)
        v = static_cast<uint8_t>(byte(rng));
    for (int round = 0; round < 400; ++round) {
        Case c = RandomCase(rng, length(rng));
        // Every other row has long runs, so whole vectors of 255 meet every opacity and tint.
        if (round % 2) c.mask = MaskRuns(rng, static_cast<int>(c.src.size()));
        const uint32_t colour = static_cast<uint32_t>(byte(rng) | byte(rng) << 8 | byte(rng) << 16);
        const uint8_t level = round % 3 ? levels[round % 5] : static_cast<uint8_t>(byte(rng));
        const uint8_t opacity =
            round % 4 ? opacities[(round / 5) % 5] : static_cast<uint8_t>(byte(rng));
        const TBlendSetup setup =
            TBlendSetup::For32(opacity, colour, level, round % 7 == 0 ? lookup.data() : nullptr);
        std::vector<uint32_t> expected = c.dst, actual = c.dst;
        const int n = static_cast<int>(c.src.size());
        BlendRow32Scalar(expected.data(), c.src.data(), c.mask.data(), n, setup);
        kernel(actual.data(), c.src.data(), c.mask.data(), n, setup);
        ASSERT_EQ(expected, actual)
            << "round " << round << " opacity " << int(opacity) << " level " << int(level);
    }
}

// Rows start at odd places in larger buffers; everything around the row must stay as it was.
void Expect16SameAsScalar(TBlendRow16 kernel, int seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255), length(1, 99), offset(0, 15), word(0, 65535);
    const uint8_t levels[] = {0, 1, 254, 255};
    const uint8_t opacities[] = {0, 1, 128, 255};
    constexpr int Margin = 16;
    for (int round = 0; round < 2000; ++round) {
        const int n = length(rng), srcAt = offset(rng), dstAt = offset(rng), maskAt = offset(rng);
        std::vector<uint16_t> src(n + 2 * Margin), dst(n + 2 * Margin);
        for (auto& p : src)
            p = static_cast<uint16_t>(word(rng));
        for (auto& p : dst)
            p = static_cast<uint16_t>(word(rng));
        std::vector<uint8_t> mask = MaskRuns(rng, n + 2 * Margin);
        const uint32_t colour = static_cast<uint32_t>(byte(rng) | byte(rng) << 8 | byte(rng) << 16);
        const uint8_t level = round % 5 ? levels[round % 4] : static_cast<uint8_t>(byte(rng));
        const uint8_t opacity =
            round % 6 ? opacities[(round / 4) % 4] : static_cast<uint8_t>(byte(rng));
        TBlendSetup setup = TBlendSetup::For16(opacity, colour, level);
        if (round % 11 == 0) {
            // A hand-made setup whose tint spills outside its fields still follows the rule.
            for (int& tint : setup.Tint)
                tint = word(rng);
        }
        std::vector<uint16_t> expected = dst, actual = dst;
        BlendRow16(expected.data() + dstAt, src.data() + srcAt, mask.data() + maskAt, n, setup);
        kernel(actual.data() + dstAt, src.data() + srcAt, mask.data() + maskAt, n, setup);
        ASSERT_EQ(expected, actual) << "round " << round << " length " << n << " opacity "
                                    << int(opacity) << " level " << int(level);
    }
}

// Every source field against every target field, at every alpha the mask can give, for the
// tint levels and colours at the ends of their ranges.
void Expect16SameAsScalarOnEveryFieldPair(TBlendRow16 kernel) {
    // Pixel i pairs green i & 63 with i >> 6, and blue and red each run through all 32 x 32.
    constexpr int N = 4096;
    std::vector<uint16_t> src(N), dst(N);
    for (int i = 0; i < N; ++i) {
        src[i] = static_cast<uint16_t>((i & 31) | (i & 63) << 5 | ((i >> 5) & 31) << 11);
        dst[i] = static_cast<uint16_t>(((i >> 5) & 31) | (i >> 6) << 5 | (i & 31) << 11);
    }
    const uint8_t levels[] = {0, 1, 2, 7, 8, 9, 127, 128, 129, 253, 254, 255};
    const uint32_t colours[] = {0x000000, 0xFFFFFF, 0x07F8F0, 0xF00408};
    for (uint8_t level : levels)
        for (uint32_t colour : colours)
            for (int m = 0; m < 256; ++m) {
                // Opacity 255 turns masks 1..255 into every alpha 0..254.
                const TBlendSetup setup = TBlendSetup::For16(255, colour, level);
                const std::vector<uint8_t> mask(N, static_cast<uint8_t>(m));
                std::vector<uint16_t> expected = dst, actual = dst;
                BlendRow16(expected.data(), src.data(), mask.data(), N, setup);
                kernel(actual.data(), src.data(), mask.data(), N, setup);
                ASSERT_EQ(expected, actual)
                    << "mask " << m << " level " << int(level) << " colour " << colour;
            }
}

} // namespace

TEST(BlendKernels, Sse2MatchesScalarOnRandomPixels) {
    ExpectSameAsScalar(BlendRow32Sse2, 1);
}

TEST(BlendKernels, Avx2MatchesScalarOnRandomPixels) {
    if (!CpuHasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    ExpectSameAsScalar(BlendRow32Avx2, 2);
}

// A picture blended into a part of a larger target: each row as the scalar rule makes it, and
// nothing outside the rectangle touched, the prefetch ahead included.
TEST(BlendKernels, RectangleKernelMatchesScalarRowsInsideALargerTarget) {
    if (!CpuHasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> width(1, 45), height(1, 9), at(0, 20), byte(0, 255);
    constexpr int Stride = 72, Rows = 32;
    for (int round = 0; round < 300; ++round) {
        const int w = width(rng), h = height(rng), x = at(rng), y = at(rng);
        Case target = RandomCase(rng, Stride * Rows), picture = RandomCase(rng, w * h);
        if (round % 2) picture.mask = MaskRuns(rng, w * h);
        const TBlendSetup setup = TBlendSetup::For32(
            round % 3 ? 255 : byte(rng), 0x102030u * (round % 5), round % 4 ? 0 : 90, nullptr);
        std::vector<uint32_t> expected = target.dst, actual = target.dst;
        for (int row = 0; row < h; ++row)
            BlendRow32Scalar(&expected[(y + row) * Stride + x], &picture.src[row * w],
                             &picture.mask[row * w], w, setup);
        BlendRows32Avx2(
            {&actual[y * Stride + x], Stride, picture.src.data(), w, picture.mask.data(), w, w, h},
            setup);
        ASSERT_EQ(expected, actual) << "round " << round << " " << w << " x " << h;
    }
}

TEST(BlendKernels, FourthByteOfTheTargetIsNeverWrittenByTheBlend) {
    std::vector<uint32_t> src(8, 0x00FFFFFF), dst(8, 0xAB000000);
    std::vector<uint8_t> mask(8, 200);
    const TBlendSetup setup = TBlendSetup::For32(255, 0, 0, nullptr);
    BestBlendRow32()(dst.data(), src.data(), mask.data(), 8, setup);
    for (uint32_t p : dst)
        EXPECT_EQ(p >> 24, 0xABu);
}

TEST(BlendKernels, SixteenBitRuleKeepsTheTargetWhenAlphaRoundsToZero) {
    uint16_t src = 0xFFFF, dst = 0x1234;
    const uint8_t mask = 1; // a = (1 * 255) >> 8 = 0
    BlendRow16(&dst, &src, &mask, 1, TBlendSetup::For16(255, 0, 0));
    EXPECT_EQ(dst, 0x1234);
}

TEST(BlendKernels16, Sse2MatchesScalarOnRandomRows) {
    Expect16SameAsScalar(BlendRow16Sse2, 3);
}

TEST(BlendKernels16, Avx2MatchesScalarOnRandomRows) {
    if (!CpuHasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    Expect16SameAsScalar(BlendRow16Avx2, 4);
}

TEST(BlendKernels16, BestKernelMatchesScalarOnRandomRows) {
    Expect16SameAsScalar(BestBlendRow16(), 5);
}

TEST(BlendKernels16, Sse2MatchesScalarOnEveryFieldPair) {
    Expect16SameAsScalarOnEveryFieldPair(BlendRow16Sse2);
}

TEST(BlendKernels16, Avx2MatchesScalarOnEveryFieldPair) {
    if (!CpuHasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    Expect16SameAsScalarOnEveryFieldPair(BlendRow16Avx2);
}
