// The game runs at one speed whatever the display's frame rate: the real game on the headless
// platform, its virtual clock stepped at the frame times of different displays.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/HeadlessGame.h"
#include "graphics/SurfEngine.h"
#include "main/effects/EffectList.h"

namespace {

class GameSpeed : public HeadlessGame {
  protected:
    // A level without a level file: one piece enters the feed, the map stands at rest.
    void Play() {
        StartBareLevel(1000000);
        base_ = clock.Now();
        elapsed_ = 0;
        Frame(33);
    }
    // One frame that started frameMs after the last; the clock keeps the fraction of a
    // millisecond, as a display of that rate would.
    void Frame(double frameMs) {
        elapsed_ += frameMs;
        clock.Set(base_ + static_cast<uint32_t>(std::llround(elapsed_)));
        loop.RunOnce();
    }
    // Frames of the given times, in turn, for about ms milliseconds.
    void RunFor(double ms, const std::vector<double>& frameTimes) {
        const double end = elapsed_ + ms;
        for (size_t i = 0; elapsed_ < end; ++i)
            Frame(frameTimes[i % frameTimes.size()]);
    }
    int FrontX() { return form.Game().Fishkas[form.Game().Steck.at(0)].X; }

    uint32_t base_ = 0;
    double elapsed_ = 0;
};

TEST_F(GameSpeed, TheFeedMovesThirtyPixelsASecondAtAnyFrameTime) {
    Start();
    Play();
    ASSERT_EQ(form.Game().Steck.size(), 1u);
    const std::vector<std::vector<double>> displays = {
        {4}, {7}, {13}, {1000.0 / 60}, {33}, {50}, {4, 50, 7, 33, 13, 16.7, 9, 41, 3, 22}};
    for (const std::vector<double>& frames : displays) {
        const int x = FrontX();
        const uint32_t from = clock.Now();
        RunFor(3000, frames);
        const double expected = (clock.Now() - from) * 30.0 / 1000;
        EXPECT_NEAR(x - FrontX(), expected, 1.0) << "frames of " << frames[0] << " ms";
    }
}

// How long the map takes to scroll 900 pixels, and where a moving, animated effect is after
// 1025 ms, at one frame rate.
struct TMotionTimes {
    uint32_t Scroll = 0;
    uint32_t Landed = 0;
    int Picture = 0;
};

class GameSpeedMotion : public GameSpeed {
  protected:
    TMotionTimes Measure(double frameMs) {
        Play();
        TGame& g = form.Game();
        g.ScrollTarget = g.MapScroll - 900;
        g.ScrollTurn = g.MapScroll - 450;
        TEffectList& effects = EffectListOf(form.Surfaces());
        effects.Clear();
        const int e =
            effects.AddEffect("", -1, TRect{0, 0, 799, 599}, 0, -1, 0, 255, 255, clock.Now());
        effects.SetMotion(e, 300, 0, 0, 1000, 1, 0, 0);
        effects.SetFrames(e, 255, 50, clock.Now());
        TMotionTimes t;
        const uint32_t start = clock.Now();
        while (clock.Now() - start < 4000 && (!t.Scroll || !t.Landed || !t.Picture)) {
            Frame(frameMs);
            const uint32_t since = clock.Now() - start;
            if (!t.Scroll && g.MapScroll == g.ScrollTarget) t.Scroll = since;
            if (!t.Landed && effects[e].X == 300) t.Landed = since;
            // Halfway between two pictures, so both rates see the same one.
            if (!t.Picture && since + frameMs > 1025) t.Picture = effects[e].CurrentFrame;
        }
        return t;
    }
};

TEST_F(GameSpeedMotion, TheMapScrollAndEffectsTakeTheSameTimeAt60And144Hz) {
    Start();
    // At 30 frames a second the scroll takes one step a frame.
    const TMotionTimes at30 = Measure(1000.0 / 30);
    const TMotionTimes at60 = Measure(1000.0 / 60);
    const TMotionTimes at144 = Measure(1000.0 / 144);
    ASSERT_GT(at30.Scroll, 1500u); // speeding up to the middle and slowing down takes time
    EXPECT_NEAR(at60.Scroll, at30.Scroll, 20);
    EXPECT_NEAR(at144.Scroll, at30.Scroll, 20);
    // The move lands on its target once its second has passed, not a frame short of it.
    EXPECT_NEAR(at60.Landed, 1000, 17);
    EXPECT_NEAR(at144.Landed, 1000, 7);
    // Twenty pictures a second, however the frames fall: the 21st shows after 1025 ms.
    EXPECT_EQ(at60.Picture, 21);
    EXPECT_EQ(at144.Picture, 21);
}

} // namespace
