#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>

#include "GraphicsTestKit.h"
#include "graphics/ImageOps.h"

using namespace gfxtest;

namespace {

TImage Numbered(int w, int h) {
    return MakeImage(w, h, [w](int x, int y) {
        return std::array<int, 3>{y * w + x, 100 + x, 200 - y};
    });
}

} // namespace

TEST(ImageOps, HueChangeOfZeroLeavesColoursUnchangedUpToRounding) {
    // Greys and the primaries survive the 240-scale model exactly ...
    TImage exact = MakeImage(6, 1, [](int x, int) {
        const std::array<int, 3> colours[] = {{0, 0, 0},   {255, 255, 255}, {136, 136, 136},
                                              {255, 0, 0}, {0, 255, 0},     {0, 255, 255}};
        return colours[x];
    });
    const TImage exactBefore = exact;
    ChangeHue(exact, 0, 0, 0);
    EXPECT_EQ(exact.Bgr, exactBefore.Bgr);
    // ... any other colour moves by at most one hue step (a fortieth of a sixth of the circle).
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    TImage image = MakeImage(64, 64, [&](int, int) {
        return std::array<int, 3>{byte(rng), byte(rng), byte(rng)};
    });
    const TImage before = image;
    ChangeHue(image, 0, 0, 0);
    int worst = 0;
    for (size_t i = 0; i < image.Bgr.size(); ++i)
        worst = std::max(worst, std::abs(image.Bgr[i] - before.Bgr[i]));
    EXPECT_LE(worst, 7);
}

TEST(ImageOps, HueShiftMovesAPrimaryAroundTheCircleAndTheAttributesCross) {
    // The first stored byte is the model's red: a pure "first byte" colour shifted by 80 (a
    // third of the circle) becomes a pure second byte.
    TImage image = Solid(1, 1, 255, 0, 0);
    ChangeHue(image, 80, 0, 0);
    EXPECT_EQ(image.Bgr, (std::vector<uint8_t>{0, 255, 0}));
    // "saturation" moves the lightness: +240 makes any colour white.
    TImage light = Solid(1, 1, 10, 120, 60);
    ChangeHue(light, 0, 240, 0);
    EXPECT_EQ(light.Bgr, (std::vector<uint8_t>{255, 255, 255}));
    // "lightness" moves the saturation: -240 makes a grey of the same lightness.
    TImage dull = Solid(1, 1, 0, 0, 255);
    ChangeHue(dull, 0, 0, -240);
    EXPECT_EQ(dull.Bgr[0], dull.Bgr[1]);
    EXPECT_EQ(dull.Bgr[1], dull.Bgr[2]);
}

TEST(ImageOps, RotatingASquareAQuarterTurnAboutItsCentreHasNoBorders) {
    const TImage source = Numbered(5, 5);
    TImage image = source;
    RotateImage(image, 2, 2, 90);
    ASSERT_TRUE(image.HasAlpha);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            EXPECT_EQ(image.Alpha[i * 5 + j], 255);
            // Target (j, i) samples the source at (4 - i, j).
            EXPECT_EQ(image.Pixel(j, i)[0], source.Pixel(4 - i, j)[0]) << j << "," << i;
        }
    TImage wide = Numbered(6, 2);
    RotateImage(wide, 3, 1, 90);
    EXPECT_EQ(wide.Alpha[0], 0);
    EXPECT_EQ(wide.Pixel(0, 0)[0], 0);
    EXPECT_EQ(wide.Alpha[2 * 6 - 1], 0);
}

TEST(ImageOps, ScalingToTheSameSizeChangesNothingAndShrinkingAverages) {
    TImage image = WithAlpha(Numbered(7, 5), [](int x, int y) { return x * 30 + y; });
    const TImage before = image;
    ScaleImage(image, 7, 5);
    EXPECT_EQ(image.Bgr, before.Bgr);
    EXPECT_EQ(image.Alpha, before.Alpha);

    // Two columns of 0 and 100 shrink to one: source columns 0 and 1 both round onto 0
    // (Round(0.5) is 0), weighted 100 (|0| counts as 100) and 50: (0 * 100 + 100 * 50) / 150.
    TImage pair = MakeImage(2, 1, [](int x, int) { return std::array<int, 3>{x * 100, 0, 0}; });
    ScaleImage(pair, 1, 1);
    ASSERT_EQ(pair.Width, 1);
    EXPECT_EQ(pair.Bgr[0], 33);
    EXPECT_FALSE(pair.HasAlpha);

    TImage grown = Solid(2, 2, 50, 60, 70);
    ScaleImage(grown, 5, 3);
    EXPECT_EQ(grown.Width, 5);
    EXPECT_EQ(grown.Pixel(4, 2)[2], 70);
}

TEST(ImageOps, CropAndFlipsMoveColourAndAlphaTogether) {
    TImage image = WithAlpha(Numbered(4, 3), [](int x, int y) { return x + 10 * y; });
    TImage cropped = image;
    CropImage(cropped, 1, 1, 2, 3); // the last row lies outside: black and transparent
    ASSERT_EQ(cropped.Width, 2);
    EXPECT_EQ(cropped.Pixel(0, 0)[0], image.Pixel(1, 1)[0]);
    EXPECT_EQ(cropped.Alpha[1], 12);
    EXPECT_EQ(cropped.Alpha[2 * 2], 0);

    TImage rows = image;
    FlipRows(rows);
    EXPECT_EQ(rows.Pixel(1, 0)[0], image.Pixel(1, 2)[0]);
    EXPECT_EQ(rows.Alpha[1], 21);
    TImage columns = image;
    FlipColumns(columns);
    EXPECT_EQ(columns.Pixel(0, 1)[0], image.Pixel(3, 1)[0]);
    EXPECT_EQ(columns.Alpha[4], 13);
}
