#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "EffectTestKit.h"
#include "main/effects/EffectList.h"

namespace {

constexpr double Pi = std::numbers::pi;

struct Effects {
    std::unique_ptr<TSurfEngine> engine = FrameEngine();
    TEffectList list;
    FakePieces pieces;
    Effects() {
        list.SetPieces(&pieces);
        AddSprite(*engine, "spark.png", 8, 8, 0xFFFFFF);
    }
    int Add(int64_t ttl, int piece = -1, int64_t wait = 0, uint32_t now = 0) {
        return list.AddEffect("spark.png", ttl, FullScreenClip, wait, piece, 0, 255, 255, now);
    }
    bool Update(uint32_t now) { return list.UpdateEffects(now, *engine); }
};

TEST(UpdateEffects, LifeTimeAndRemoval) {
    Effects fx;
    fx.Add(-1);
    fx.Add(100);
    fx.Update(99);
    EXPECT_EQ(fx.list.Count(), 2);
    fx.Update(100);
    ASSERT_EQ(fx.list.Count(), 1);
    fx.Update(4000000000u); // time to live -1 lives on
    EXPECT_EQ(fx.list.Count(), 1);
    EXPECT_EQ(fx.list[0].TimeToLive, -1);
}

TEST(UpdateEffects, WaitDelaysTheAnimationOnly) {
    Effects fx;
    const int i = fx.Add(50, -1, 200, 1000);
    EXPECT_EQ(fx.list[i].StartTick, 1200);
    EXPECT_EQ(fx.list[i].TimeToLive, 1250);
    fx.Update(1300); // dies only once it runs
    EXPECT_EQ(fx.list.Count(), 0);
    const int j = fx.Add(50, -1, 200, 1000);
    fx.list[j].State = esInvisible; // invisible effects never die by themselves
    fx.Update(9000);
    EXPECT_EQ(fx.list.Count(), 1);
}

TEST(UpdateEffects, RemovingAHolderFreesThePieceAndReportsIt) {
    Effects fx;
    fx.pieces.List.resize(2);
    fx.Add(100, 1);
    fx.Add(300, 1);
    fx.Add(100, -1);
    EXPECT_TRUE(fx.pieces.List[1].Attached);
    EXPECT_FALSE(fx.Update(50));
    EXPECT_TRUE(fx.Update(150));             // one holder went: the board must be redrawn
    EXPECT_TRUE(fx.pieces.List[1].Attached); // while the other still holds it
    EXPECT_TRUE(fx.Update(350));
    EXPECT_FALSE(fx.pieces.List[1].Attached);
    EXPECT_EQ(fx.list.Count(), 0);
    EXPECT_FALSE(fx.Update(400));
}

TEST(UpdateEffects, SinusFadeGoesUpAndBackAndThenHolds) {
    Effects fx;
    const int i = fx.list.AddEffect("spark.png", -1, FullScreenClip, 0, -1, 1000, 255, 0, 0);
    fx.list.SetMoveType(i, tcSinus, mtEllipse);
    fx.Update(250);
    EXPECT_NEAR(fx.list[i].CurrentTrans, 127.5, 1e-9);
    fx.Update(500);
    EXPECT_NEAR(fx.list[i].CurrentTrans, 255, 1e-9);
    fx.Update(999);
    const double last = fx.list[i].CurrentTrans;
    EXPECT_LT(last, 0.01);
    fx.Update(1000);
    fx.Update(5000);
    EXPECT_EQ(fx.list[i].CurrentTrans, last);
}

TEST(UpdateEffects, LinearFadeAndPulsingTint) {
    Effects fx;
    const int i = fx.list.AddEffect("spark.png", -1, FullScreenClip, 0, -1, 400, 0, 200, 0);
    fx.list.SetTrack(i, 100, 0xFF, 250, 50);
    fx.Update(100);
    EXPECT_NEAR(fx.list[i].CurrentTrans, 150, 1e-9);
    // At the end of its first period the tint starts a new one of the same length ...
    EXPECT_EQ(fx.list[i].TrackPeriod, 200);
    EXPECT_EQ(fx.list[i].TrackPeriodStart, 100);
    fx.Update(150); // ... and is at its end value halfway through
    EXPECT_NEAR(fx.list[i].CurrentTrack, 250, 1e-9);
    fx.Update(175);
    EXPECT_NEAR(fx.list[i].CurrentTrack, 150, 1e-9);
    EXPECT_EQ(fx.list[i].TrackPeriod, 200);
}

TEST(UpdateEffects, LineMovesToItsTargetWithItsWave) {
    Effects fx;
    const int i = fx.Add(-1);
    fx.list.SetMotion(i, 100, -40, 0, 1000, 1, 0, 0);
    fx.list[i].WaveAmpY = 10;
    fx.list[i].WaveFreqY = Pi;
    fx.Update(500);
    EXPECT_EQ(fx.list[i].X, 50);
    EXPECT_NEAR(fx.list[i].Y, -20 + 10, 1e-9);
    fx.Update(1000); // the move is over: it lands on its target, however late the frame
    EXPECT_EQ(fx.list[i].X, 100);
    EXPECT_NEAR(fx.list[i].Y, -40, 1e-9);
    fx.Update(1500); // and stays there
    EXPECT_EQ(fx.list[i].X, 100);
}

TEST(UpdateEffects, RoundTurnsOnAfterItsMoveTime) {
    Effects fx;
    const int i = fx.Add(-1);
    fx.list.SetMotion(i, 0, 0, 0, 1000, -1, 30, 10);
    fx.list[i].StartAngle = Pi / 2;
    fx.list.SetMoveType(i, tcLine, mtRound);
    fx.Update(1250); // a quarter of a second turn
    const double l = (2 * Pi * 1.25 - Pi + Pi / 2) * -1;
    EXPECT_NEAR(fx.list[i].X, std::cos(l) * 30, 1e-9);
    EXPECT_NEAR(fx.list[i].Y, std::sin(l) * 10, 1e-9);
    // A ring without a revolution time stands still instead of spinning into nonsense.
    const int j = fx.Add(-1);
    fx.list.SetMotion(j, 0, 0, 0, 0, 1, 30, 10);
    fx.list.SetMoveType(j, tcLine, mtRound);
    fx.Update(1300);
    EXPECT_NEAR(fx.list[j].X, -30, 1e-9);
}

TEST(UpdateEffects, SparksFlyUnderGravityAndDieOffScreen) {
    Effects fx;
    const int i = fx.Add(-1);
    fx.list.SetBasePoint(i, 400, 300);
    fx.list.SetVelocity(i, 100, -200, 0, 400);
    fx.list.SetMoveType(i, tcLine, mtSpark);
    fx.Update(500); // t = 500: x = 50, y = 500 * (200 - 200) / 1000 = 0
    EXPECT_EQ(fx.list[i].X, 50);
    EXPECT_EQ(fx.list[i].Y, 0);
    fx.Update(1000); // y = 1000 * (400 - 200) / 1000 = 200
    EXPECT_EQ(fx.list[i].Y, 200);
    fx.Update(1200); // y = 1200 * (480 - 200) / 1000 = 336: below the screen
    EXPECT_EQ(fx.list.Count(), 0);

    const int up = fx.Add(-1); // rising above the top (within its own height)
    fx.list.SetBasePoint(up, 400, 20);
    fx.list.SetVelocity(up, 0, -100, 0, 0);
    fx.list.SetMoveType(up, tcLine, mtSpark);
    fx.list[up].LongYEffect = 1; // ... unless it rides on the board
    fx.Update(2000);
    EXPECT_EQ(fx.list.Count(), 1);
    fx.list[up].LongYEffect = 0;
    fx.Update(2001);
    EXPECT_EQ(fx.list.Count(), 0);
}

TEST(UpdateEffects, SparkWithoutSurfaceSkipsOnlyItself) {
    Effects fx;
    const int lost = fx.list.AddEffect("nowhere.png", -1, FullScreenClip, 0, -1, 0, 0, 0, 0);
    fx.list.SetVelocity(lost, 10, 10, 0, 0);
    fx.list.SetMoveType(lost, tcLine, mtSpark);
    const int line = fx.Add(-1);
    fx.list.SetMotion(line, 100, 0, 0, 100, 1, 0, 0);
    fx.Add(10);
    fx.Update(50);
    ASSERT_EQ(fx.list.Count(), 2); // the short-lived one was still removed
    EXPECT_EQ(fx.list[0].X, 0);
    EXPECT_EQ(fx.list[1].X, 50); // the effect after it still moved
}

TEST(UpdateEffects, FramesAdvanceAndWrap) {
    Effects fx;
    const int i = fx.Add(-1);
    fx.list.SetFrames(i, 3, 100, 0);
    fx.Update(99);
    EXPECT_EQ(fx.list[i].CurrentFrame, 1);
    fx.Update(100);
    EXPECT_EQ(fx.list[i].CurrentFrame, 2);
    fx.Update(200);
    fx.Update(300);
    EXPECT_EQ(fx.list[i].CurrentFrame, 1);
    const int single = fx.Add(-1);
    fx.list.SetFrames(single, 0, 0, 0); // no frame count means one frame
    EXPECT_EQ(fx.list[single].FramesNumber, 1);
    fx.Update(400);
    EXPECT_EQ(fx.list[single].CurrentFrame, 1);
}

TEST(EffectList, IndexesOutsideTheListDoNothing) {
    Effects fx;
    fx.list.SetBasePoint(0, 1, 1);
    fx.list.SetMotion(-1, 1, 1, 0, 1, 1, 1, 1);
    fx.list.DeleteEffect(3);
    fx.pieces.List.resize(1);
    EXPECT_EQ(fx.Add(10, 5), 0); // a piece that is not there is not held
    EXPECT_EQ(fx.list[0].FishkaUnderEffect, -1);
    fx.Add(10, 0);
    fx.list.DeleteEffect(1);
    EXPECT_FALSE(fx.pieces.List[0].Attached);
    fx.Add(10, 0);
    fx.list.Clear();
    EXPECT_FALSE(fx.pieces.List[0].Attached);
    EXPECT_EQ(fx.list.Count(), 0);
    EXPECT_EQ(&EffectListOf(*fx.engine), &EffectListOf(*fx.engine));
}

} // namespace
