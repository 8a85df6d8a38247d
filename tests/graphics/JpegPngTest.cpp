#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "GraphicsTestKit.h"
#include "graphics/JpegPNG.h"

using namespace gfxtest;

namespace {

TImage Gradient() {
    TImage colour = MakeImage(24, 16, [](int x, int y) {
        return std::array<int, 3>{x * 10, y * 15, 128};
    });
    return WithAlpha(colour, [](int x, int y) { return (x * 37 + y * 11) % 256; });
}

} // namespace

TEST(JpegPng, SplitAndMergeGiveTheAlphaBackExactlyAndTheColourNearly) {
    const TImage original = Gradient();
    TMemoryStream png = PngStream(original), jpeg, grey;
    ASSERT_TRUE(SplitPng(png, jpeg, grey, 95));
    TMemoryStream colour, whole;
    ASSERT_TRUE(JpegToPng(jpeg, colour));
    EXPECT_FALSE(DecodedPng(colour).HasAlpha);
    ASSERT_TRUE(MergeAlphaPng(colour, grey, whole));
    const TImage back = DecodedPng(whole);
    ASSERT_TRUE(back.HasAlpha);
    EXPECT_EQ(back.Alpha, original.Alpha);
    int worst = 0;
    for (size_t i = 0; i < back.Bgr.size(); ++i)
        worst = std::max(worst, std::abs(back.Bgr[i] - original.Bgr[i]));
    EXPECT_LE(worst, 12);
    // The one-step join used by the preparation gives the very same PNG.
    TMemoryStream joined;
    ASSERT_TRUE(JoinJpegAndMask(jpeg, grey, joined));
    EXPECT_EQ(joined.Bytes(), whole.Bytes());
}

TEST(JpegPng, DamagedInputReturnsFalseAndLeavesTheOutputsAlone) {
    TMemoryStream png = PngStream(Gradient());
    TMemoryStream cut(std::vector<uint8_t>(png.Data(), png.Data() + png.Size() / 2));
    TMemoryStream jpeg(std::string("keep")), grey(std::string("keep")), out(std::string("keep"));
    EXPECT_FALSE(SplitPng(cut, jpeg, grey, 90));
    EXPECT_FALSE(PngToJpeg(cut, jpeg, 90));
    EXPECT_FALSE(AlphaToGreyPng(cut, grey));
    EXPECT_FALSE(MergeAlphaPng(cut, png, out));
    EXPECT_FALSE(MergeAlphaPng(png, cut, out));

    TMemoryStream goodJpeg;
    ASSERT_TRUE(PngToJpeg(png, goodJpeg, 255)); // 255 means the default quality
    TMemoryStream cutJpeg(
        std::vector<uint8_t>(goodJpeg.Data(), goodJpeg.Data() + goodJpeg.Size() / 2));
    EXPECT_FALSE(JpegToPng(cutJpeg, out));
    TMemoryStream empty;
    EXPECT_FALSE(JpegToPng(empty, out));
    EXPECT_EQ(jpeg.Text(), "keep");
    EXPECT_EQ(grey.Text(), "keep");
    EXPECT_EQ(out.Text(), "keep");
}

TEST(JpegPng, OpaquePngGivesAFullGreyMaskAndSmallMasksCountAsOpaque) {
    TMemoryStream opaque = PngStream(Solid(5, 4, 1, 2, 3)), grey;
    ASSERT_TRUE(AlphaToGreyPng(opaque, grey));
    TMemoryStream smallMask =
        PngStream(WithAlpha(Solid(2, 2, 0, 0, 0), [](int, int) { return 7; }));
    TMemoryStream smallGrey, merged;
    ASSERT_TRUE(AlphaToGreyPng(smallMask, smallGrey));
    ASSERT_TRUE(MergeAlphaPng(opaque, smallGrey, merged));
    const TImage result = DecodedPng(merged);
    ASSERT_EQ(result.Width, 5);
    EXPECT_EQ(result.Alpha[0], 7);
    EXPECT_EQ(result.Alpha[4], 255);
    EXPECT_EQ(result.Alpha[3 * 5 + 1], 255);
}
