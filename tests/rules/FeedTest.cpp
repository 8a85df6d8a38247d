#include <numbers>

#include "RulesFixture.h"

namespace {

// Pixels the front piece moved per frame over a run of frames at one frame scale.
std::vector<int> FrontSteps(TGame& game, double frameScale, int frames) {
    std::vector<int> steps;
    for (int i = 0; i < frames; ++i) {
        int before = game.Fishkas[game.Steck[0]].X;
        game.MoveFeed(frameScale);
        steps.push_back(before - game.Fishkas[game.Steck[0]].X);
    }
    return steps;
}

} // namespace

TEST_F(RulesTest, FeedMovesAboutThirtyPixelsASecondAtAnyFrameRate) {
    ASSERT_TRUE(game.NewFishkaInSteck());
    EXPECT_EQ(FrontSteps(game, 0.34, 6), (std::vector<int>{0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(FrontSteps(game, 1, 3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(FrontSteps(game, 2, 3), (std::vector<int>{2, 2, 2}));
}

TEST_F(RulesTest, FeedPiecesStopAtTheLeftEndAndKeepTheirGap) {
    game.NewFishkaInSteck();
    for (int i = 0; i < 300; ++i)
        game.MoveFeed(3);
    game.NewFishkaInSteck();
    for (int i = 0; i < 400; ++i)
        game.MoveFeed(3);
    // 794 is no multiple of 3: the front piece still stops exactly at 5.
    EXPECT_EQ(game.Fishkas[game.Steck[0]].X, 5);
    int second = game.Fishkas[game.Steck[1]].X;
    EXPECT_EQ(second, 5 + 40 + FeedGap);
    EXPECT_FALSE(game.FeedMoved);
}

TEST_F(RulesTest, NewPieceDrawsTypeQuestPhaseAndBonusInThatOrder) {
    game.Level.QuestProbability = 0.5;
    game.Level.BonusProbability = 0.5;
    Random replay(12345);
    int type = RandomWeightedIndex(game.Level.TypeWeights, replay);
    bool quest = replay.NextReal() < 0.5;
    double phase = replay.NextReal() * 2 * std::numbers::pi;
    bool bonus = replay.NextReal() < 0.5;

    ASSERT_TRUE(game.NewFishkaInSteck());
    const TFishka& f = game.Fishkas[game.Steck.back()];
    EXPECT_EQ(f.Type, type);
    EXPECT_EQ(f.Quest, quest);
    EXPECT_DOUBLE_EQ(f.Phase, phase);
    EXPECT_EQ(f.Bonus, bonus);
    EXPECT_EQ(f.X, 799);
    EXPECT_EQ(f.State, fsInSteck);
    EXPECT_EQ(f.Y, 585 - (quest ? 50 : 40));
}

TEST_F(RulesTest, TypeQueueIsDealtBeforeRandomTypes) {
    game.Level.TypeQueue = {3, 16};
    game.NewFishkaInSteck();
    game.NewFishkaInSteck();
    game.NewFishkaInSteck();
    EXPECT_EQ(game.Fishkas[game.Steck[0]].Type, 3);
    EXPECT_EQ(game.Fishkas[game.Steck[1]].Type, 16);
    EXPECT_EQ(game.Fishkas[game.Steck[1]].Y, 585 - 80); // double2 stands two squares high
    int third = game.Fishkas[game.Steck[2]].Type;
    EXPECT_TRUE(third == 5 || third == 10);
}

TEST_F(RulesTest, FullFeedRefusesTheTwentySeventhPiece) {
    game.Level.FeedPeriod = 1000;
    game.NextFeedTime = 1000;
    for (uint32_t now = 1000; now <= 26000; now += 1000)
        game.GameTick(now);
    EXPECT_EQ(game.Steck.size(), 26u);
    size_t pieces = game.Fishkas.size();
    game.GameTick(27000);
    EXPECT_EQ(game.Steck.size(), 26u);
    EXPECT_EQ(game.Fishkas.size(), pieces);
    EXPECT_EQ(game.NextFeedTime, 28000u);
}

TEST_F(RulesTest, DemoPlaybackDealsNoPiecesAndRecordingReportsThem) {
    game.DemoPlaying = true;
    game.GameTick(5000);
    EXPECT_TRUE(game.Steck.empty());
    game.DemoPlaying = false;
    game.DemoRecording = true;
    game.GameTick(5000);
    game.MoveFeed(0.34);
    game.MoveFeed(1);
    EXPECT_EQ(host.Count("demo <NewFishkaInSteck>"), 1);
    EXPECT_EQ(host.Count("demo <MoveSteck>"), 1);
}

TEST_F(RulesTest, SeededGamesDealTheSamePieces) {
    Random otherRandom(12345);
    TRecordingHost otherHost;
    otherHost.Sizes = host.Sizes;
    TGame other(geometry, bonusTypes, otherRandom, otherHost);
    other.Level = game.Level;
    game.Level.QuestProbability = other.Level.QuestProbability = 0.3;
    for (int i = 0; i < 20; ++i) {
        game.NewFishkaInSteck();
        other.NewFishkaInSteck();
        game.MoveFeed(1.5);
        other.MoveFeed(1.5);
    }
    ASSERT_EQ(game.Fishkas.size(), other.Fishkas.size());
    for (size_t i = 0; i < game.Fishkas.size(); ++i) {
        EXPECT_EQ(game.Fishkas[i].Type, other.Fishkas[i].Type);
        EXPECT_EQ(game.Fishkas[i].X, other.Fishkas[i].X);
        EXPECT_EQ(game.Fishkas[i].Quest, other.Fishkas[i].Quest);
    }
}

TEST_F(RulesTest, BumperPieceLeavesPastTheRightEdge) {
    Hold(5, TSyntheticGeometry::Frag(0, 0));
    game.Level.BumperBlockTime = 3000;
    ASSERT_TRUE(game.PutInBumper(100));
    int piece = game.BumperPiece;
    EXPECT_EQ(game.Fishkas[piece].X, 615);
    EXPECT_EQ(game.Fishkas[piece].Y, 440);
    game.Fishkas[piece].X = 790;
    game.MoveFeed(3); // 6 pixels: 796
    EXPECT_EQ(game.BumperPiece, -1);
    EXPECT_TRUE(game.Fishkas.empty());
    EXPECT_TRUE(game.BumperIdle);
}

TEST_F(RulesTest, BlockedBumperKeepsThePieceInTheHand) {
    game.Level.BumperBlockTime = 3000;
    Hold(5, TSyntheticGeometry::Frag(0, 0));
    ASSERT_TRUE(game.PutInBumper(1000));
    EXPECT_EQ(game.BumperBlockedUntil, 4000u);
    game.Fishkas[game.BumperPiece].X = 795;
    game.MoveFeed(1);
    Hold(10, TSyntheticGeometry::Frag(0, 0));
    EXPECT_FALSE(game.PutInBumper(3999));
    EXPECT_GE(game.HeldPiece, 0);
    EXPECT_TRUE(game.PutInBumper(4000));
    EXPECT_EQ(game.HeldPiece, -1);
    // With the faster bumper the block lasts a third less.
    game.DropAccelUntil = 10000;
    game.BumperPiece = -1;
    Hold(5, TSyntheticGeometry::Frag(0, 0));
    game.BumperBlockedUntil = 0;
    ASSERT_TRUE(game.PutInBumper(5000));
    EXPECT_EQ(game.BumperBlockedUntil, 7000u);
    EXPECT_TRUE(host.Has("effect PutFishkaInOtboynik " + std::to_string(game.BumperPiece)));
}

TEST_F(RulesTest, TakingTheBumperPieceEndsTheBlock) {
    game.Level.BumperBlockTime = 3000;
    int piece = Hold(5, TSyntheticGeometry::Frag(0, 0));
    game.PutInBumper(1000);
    ASSERT_TRUE(game.TakePiece(piece, {300, 300}, 1500));
    EXPECT_EQ(game.BumperPiece, -1);
    EXPECT_EQ(game.BumperBlockedUntil, 1500u);
    EXPECT_EQ(game.Fishkas[piece].State, fsHeld);
    EXPECT_EQ(game.Fishkas[piece].X, 280);
}
