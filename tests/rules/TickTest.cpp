#include "RulesFixture.h"

class LoseTest : public RulesTest {
  protected:
    // Seven pieces: the front one at the left end, the last two waiting at the entry.
    void Jam() {
        for (int i = 0; i < 7; ++i)
            game.NewFishkaInSteck();
        for (size_t i = 0; i + 2 < game.Steck.size(); ++i)
            game.Fishkas[game.Steck[i]].X = 5 + 42 * static_cast<int>(i);
        game.FeedMoved = false;
        game.Level.LoseTime = 2000;
        game.NextFeedTime = 1000000;
    }
};

TEST_F(LoseTest, JammedFeedStartsTheCountdownAndLosesAfterTheLoseTime) {
    Jam();
    game.SetPointer(PointerHammer);
    game.GameTick(10000);
    EXPECT_TRUE(game.Overflowing);
    EXPECT_EQ(game.OverflowSince, 10000u);
    game.GameTick(11000);
    EXPECT_EQ(game.OverflowSince, 10000u);
    game.GameTick(12000);
    EXPECT_EQ(game.GameState, gsPlaying);
    game.GameTick(12001);
    EXPECT_EQ(game.GameState, gsHalted);
    EXPECT_TRUE(host.Has("window WGameOverDialog"));
    EXPECT_EQ(game.PointerImage, PointerNormal);
}

TEST_F(LoseTest, LiveSkillStopsTheCountdown) {
    Jam();
    game.GameTick(10000);
    ASSERT_TRUE(game.Overflowing);
    game.LiveUntil = 20000;
    game.GameTick(10500);
    EXPECT_FALSE(game.Overflowing);
    EXPECT_TRUE(host.Visible["LLiveCountWGame"]);
    EXPECT_EQ(host.Captions["LLiveCountWGame"], "9");
    game.GameTick(30000);
    EXPECT_TRUE(game.Overflowing);
    EXPECT_EQ(game.OverflowSince, 30000u);
    EXPECT_FALSE(host.Visible["LLiveCountWGame"]);
}

TEST_F(LoseTest, MovingFeedEndsTheCountdown) {
    Jam();
    game.GameTick(10000);
    ASSERT_TRUE(game.Overflowing);
    game.Fishkas[game.Steck[0]].X = 100; // the front piece has room again
    game.MoveFeed(1);
    game.NewFishkaInSteck();
    game.GameTick(10100);
    EXPECT_FALSE(game.Overflowing);
}

TEST_F(LoseTest, FewPiecesKeepTheCountdownAsItIs) {
    Jam();
    game.GameTick(10000);
    game.Steck.resize(6);
    game.GameTick(10100);
    EXPECT_TRUE(game.Overflowing);
}

TEST_F(LoseTest, NoLoseModeNeverEnds) {
    game.Mode = pmNoLose;
    Jam();
    game.LiveUntil = 20000;
    for (uint32_t now = 10000; now < 60000; now += 500)
        game.GameTick(now);
    EXPECT_FALSE(game.Overflowing);
    EXPECT_EQ(game.GameState, gsPlaying);
    EXPECT_FALSE(host.Has("window WGameOverDialog"));
    EXPECT_FALSE(host.Visible["LLiveCountWGame"]);
}

TEST_F(RulesTest, ClearSteckOnAFullFeedStopsTheCountdown) {
    bonusTypes = ParseBonusTypes("<BonusType clearsteck=\"true\"/>");
    for (int i = 0; i < 26; ++i)
        game.NewFishkaInSteck();
    game.Overflowing = true;
    game.OverflowSince = 100;
    int held = Hold(5, TSyntheticGeometry::Frag(0, 0));
    ASSERT_EQ(held, 26);
    game.GiveBonus(0, 200);
    EXPECT_TRUE(game.Steck.empty());
    EXPECT_EQ(game.Fishkas.size(), 1u);
    EXPECT_EQ(game.HeldPiece, 0);
    EXPECT_FALSE(game.Overflowing);
    EXPECT_EQ(host.Count("effect HammerFishka 0"), 1);
    EXPECT_TRUE(host.Has("effect HammerFishkaSound -1"));
    game.Level.LoseTime = 100;
    game.NextFeedTime = 1000000;
    game.GameTick(5000);
    EXPECT_EQ(game.GameState, gsPlaying);
}

TEST_F(RulesTest, SkillCountdownKeepsItsTimeOverAPause) {
    game.LiveUntil = 15500;
    game.DropAccelUntil = 9000;
    game.NextFeedTime = 1000000;
    game.GameTick(5000);
    EXPECT_EQ(host.Captions["LLiveCountWGame"], "10");
    EXPECT_EQ(host.Captions["LDropAccelCounWGame"], "4");
    game.PauseSkillTimers(5000);
    game.ResumeSkillTimers(65000);
    EXPECT_EQ(game.LiveUntil, 75500u);
    EXPECT_EQ(host.Captions["LLiveCountWGame"], "10");
    game.GameTick(65000);
    EXPECT_EQ(host.Captions["LLiveCountWGame"], "10");
    EXPECT_EQ(host.Captions["LDropAccelCounWGame"], "4");
    EXPECT_TRUE(host.Visible["LDropAccelCounWGame"]);
    game.ResumeSkillTimers(70000); // no pause noted: nothing moves
    EXPECT_EQ(game.LiveUntil, 75500u);
}

TEST_F(RulesTest, MapSpeedsUpThenSlowsDownToItsTarget) {
    game.MapScroll = 1000;
    game.ScrollTarget = 1100;
    game.ScrollTurn = 1050;
    game.NextFeedTime = 1000000;
    std::vector<int> speeds;
    for (int i = 0; i < 40 && game.MapScroll != game.ScrollTarget; ++i) {
        game.GameTick(1000 + i);
        speeds.push_back(game.ScrollSpeed);
    }
    EXPECT_EQ(game.MapScroll, game.ScrollTarget);
    EXPECT_GE(game.MapScroll, 1100);
    EXPECT_EQ(game.ScrollSpeed, 0);
    EXPECT_EQ(speeds[0], 1);
    EXPECT_EQ(speeds[1], 2);
    // A target one pixel away is still reached (the turning point lies on the start).
    game.ScrollTarget = game.MapScroll - 1;
    game.ScrollTurn = (game.ScrollTarget + game.MapScroll) / 2;
    game.GameTick(2000);
    EXPECT_EQ(game.MapScroll, game.ScrollTarget);
}

TEST_F(RulesTest, WobbleAndPulseStepWithTime) {
    game.NextFeedTime = 1000000;
    game.GameTick(201);
    EXPECT_EQ(game.Wobble, 1);
    game.GameTick(401);
    EXPECT_EQ(game.Wobble, -1);
    game.GameTick(601);
    EXPECT_EQ(game.Wobble, 0);
    EXPECT_GE(game.Pulse, 36);
    EXPECT_LE(game.Pulse, 164);
}

TEST_F(RulesTest, LevelResetEmptiesTheBoardButKeepsTheFeedPeriod) {
    game.Level.FeedPeriod = 1234;
    LevelPiece(TSyntheticGeometry::Frag(0, 0), Bottom);
    game.NewFishkaInSteck();
    game.HeldPiece = 0;
    game.LevelFinished = true;
    game.Level.CombPos = -1;
    game.ResetLevel(777);
    EXPECT_TRUE(game.Fishkas.empty());
    EXPECT_TRUE(game.Steck.empty());
    EXPECT_TRUE(game.Level.SquareFrag.empty());
    EXPECT_EQ(game.HeldPiece, -1);
    EXPECT_FALSE(game.LevelFinished);
    EXPECT_EQ(game.Level.CombPos, 0);
    EXPECT_EQ(game.WobbleTime, 777u);
    EXPECT_EQ(game.Level.FeedPeriod, 1234);
}
