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

} // namespace

TEST(BlendKernels, Sse2MatchesScalarOnRandomPixels) {
    ExpectSameAsScalar(BlendRow32Sse2, 1);
}

TEST(BlendKernels, Avx2MatchesScalarOnRandomPixels) {
    if (!CpuHasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
    ExpectSameAsScalar(BlendRow32Avx2, 2);
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
