#include "RulesFixture.h"

using G = TSyntheticGeometry;

namespace {

// One scripted stretch of play: the feed deals, pieces are taken and laid, one is hammered.
void Play(TGame& game, const TGeometry& geometry) {
    game.Level.TypeWeights.assign(geometry.CompFishkaTypes.size(), 0);
    for (int mask : {Top | Bottom, Left | Right, Top | Right, Bottom | Left})
        game.Level.TypeWeights[mask] = 1;
    game.Level.QuestProbability = 0.3;
    game.Level.BonusProbability = 0.2;
    game.Level.FeedPeriod = 700;
    game.PutAllow = paAll;
    for (uint32_t now = 0; now < 20000; now += 33) {
        game.GameTick(now);
        game.MoveFeed(1);
        if (now % 990 != 0 || game.Steck.empty()) continue;
        game.TakePiece(game.Steck[0], {100, 100}, now);
        int frag =
            G::Frag(static_cast<int>(now / 990) % G::Rows, static_cast<int>(now / 3000) % G::Cols);
        TPoint a = geometry.FragAnchor(frag);
        game.Fishkas[game.HeldPiece].X = a.X + 5;
        game.Fishkas[game.HeldPiece].Y = a.Y - game.MapScroll + 245;
        game.PlaceHeld(now);
        if (game.HeldPiece >= 0) game.PutInBumper(now);
        if (game.HeldPiece >= 0) game.Rotate(true, {100, 100});
    }
}

} // namespace

TEST_F(RulesTest, SeededGameReplaysToTheSameBoard) {
    game.Level.CombSequence.clear();
    LevelPiece(G::Frag(0, 0), Bottom);
    Random otherRandom(12345);
    TRecordingHost otherHost;
    otherHost.Sizes = host.Sizes;
    TGame other(geometry, bonusTypes, otherRandom, otherHost);
    other.Level = game.Level;
    other.Fishkas = game.Fishkas;
    other.MapScroll = other.ScrollTarget = other.ScrollTurn = game.MapScroll;
    other.GameState = gsPlaying;
    Play(game, geometry);
    Play(other, geometry);
    EXPECT_GT(game.Level.SquareFrag.size(), 3u);
    EXPECT_EQ(game.Level.SquareFrag, other.Level.SquareFrag);
    EXPECT_EQ(game.Level.SquareMask, other.Level.SquareMask);
    EXPECT_EQ(game.Level.SquareGroup, other.Level.SquareGroup);
    ASSERT_EQ(game.Fishkas.size(), other.Fishkas.size());
    for (size_t i = 0; i < game.Fishkas.size(); ++i) {
        EXPECT_EQ(game.Fishkas[i].Type, other.Fishkas[i].Type);
        EXPECT_EQ(game.Fishkas[i].X, other.Fishkas[i].X);
        EXPECT_EQ(game.Fishkas[i].Y, other.Fishkas[i].Y);
        EXPECT_EQ(game.Fishkas[i].State, other.Fishkas[i].State);
    }
    EXPECT_EQ(host.Log, otherHost.Log);
}
