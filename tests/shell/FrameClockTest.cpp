#include <gtest/gtest.h>

#include "main/shell/FrameClock.h"

namespace {

TEST(FrameScale, ShortFramesAreClampedLongFramesRoundToWholeSteps) {
    EXPECT_DOUBLE_EQ(FrameScaleFor(0), 0.34);
    EXPECT_DOUBLE_EQ(FrameScaleFor(10), 0.34);
    EXPECT_DOUBLE_EQ(FrameScaleFor(16), 0.34); // 0.48
    EXPECT_DOUBLE_EQ(FrameScaleFor(17), 0.55); // 0.51
    EXPECT_DOUBLE_EQ(FrameScaleFor(18), 0.55);
    EXPECT_DOUBLE_EQ(FrameScaleFor(23), 0.55); // 0.69
    EXPECT_DOUBLE_EQ(FrameScaleFor(24), 1.0);  // 0.72
    EXPECT_DOUBLE_EQ(FrameScaleFor(33), 1.0);
    EXPECT_DOUBLE_EQ(FrameScaleFor(50), 2.0);  // 1.5: halves go to the even neighbour
    EXPECT_DOUBLE_EQ(FrameScaleFor(83), 2.0);  // 2.49
    EXPECT_DOUBLE_EQ(FrameScaleFor(150), 4.0); // 4.5
    EXPECT_DOUBLE_EQ(FrameScaleFor(2000), 60.0);
}

TEST(FrameScale, FramesPerSecondIsSampledOnceASecond) {
    TFrameClock clock;
    clock.Start(1000);
    for (int i = 0; i < 300; ++i)
        clock.CountFrame();
    clock.SampleFps(2000); // not more than 1000 ms yet
    EXPECT_EQ(clock.FramesPerSecond, 0);
    clock.SampleFps(2001);
    EXPECT_EQ(clock.FramesPerSecond, 300 & 0xFF); // only the low 8 bits are kept
    clock.CountFrame();
    clock.SampleFps(3002);
    EXPECT_EQ(clock.FramesPerSecond, 1);
}

} // namespace
