#include <gtest/gtest.h>

#include "main/shell/FrameClock.h"

namespace {

TEST(FrameScale, IsTheExactFrameTimeInThirtiethsOfASecondCappedAtThree) {
    EXPECT_DOUBLE_EQ(FrameScaleFor(0), 0.0);
    EXPECT_DOUBLE_EQ(FrameScaleFor(4), 0.12);
    EXPECT_DOUBLE_EQ(FrameScaleFor(17), 0.51);
    EXPECT_DOUBLE_EQ(FrameScaleFor(50), 1.5);
    EXPECT_DOUBLE_EQ(FrameScaleFor(100), 3.0);
    EXPECT_DOUBLE_EQ(FrameScaleFor(2000), 3.0); // a stall does not make things jump further

    // From one frame's start to the next; a resume starts counting afresh.
    TFrameClock clock;
    clock.Start(1000);
    clock.BeginFrame(1007);
    EXPECT_DOUBLE_EQ(clock.FrameScale, 0.21);
    clock.BeginFrame(1040);
    EXPECT_DOUBLE_EQ(clock.FrameScale, 0.99);
    clock.Resume(9000);
    clock.BeginFrame(9010);
    EXPECT_DOUBLE_EQ(clock.FrameScale, 0.3);
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
