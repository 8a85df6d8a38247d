#include "RulesFixture.h"

using G = TSyntheticGeometry;

// The board starts with one level piece at the top-left square whose twig points down.
class PlacementTest : public RulesTest {
  protected:
    PlacementTest() {
        root = LevelPiece(G::Frag(0, 0), Bottom);
        game.FindOpenEnds();
    }
    // Holds a piece over the frag and lays it; true when it left the hand.
    bool Lay(int type, int frag, uint32_t now = 1000) {
        Hold(type, frag);
        game.PlaceHeld(now);
        return game.HeldPiece < 0;
    }
    int root = -1;
};

TEST_F(PlacementTest, TwigIntoAFreeSquareFitsButNotOffTheBoard) {
    Hold(Top | Right, G::Frag(1, 0));
    EXPECT_TRUE(game.FitTest(game.HeldPiece).Fits);
    game.Fishkas[game.HeldPiece].Type = Top | Left; // column 0 has nothing on its left
    TFitResult fit = game.FitTest(game.HeldPiece);
    EXPECT_FALSE(fit.Fits);
    EXPECT_EQ(game.MismatchSide, -1);
    game.Fishkas[game.HeldPiece].Type = Top | Bottom;
    fit = game.FitTest(game.HeldPiece);
    EXPECT_TRUE(fit.Fits);
    EXPECT_EQ(fit.Frags, (TIntArray{G::Frag(1, 0)}));
    EXPECT_EQ(fit.X, G::BoardX);
    EXPECT_EQ(fit.Y, G::BoardY + 40);
}

TEST_F(PlacementTest, MismatchedJointIsRefusedWithItsHint) {
    // No twig towards the level piece, whose twig points here.
    EXPECT_FALSE(Lay(Right | Bottom, G::Frag(1, 0)));
    EXPECT_EQ(game.MismatchSide, 1);
    EXPECT_TRUE(host.Has("hint LHintMatchingJoints 3000"));
    EXPECT_EQ(game.Level.SquareFrag.size(), 1u);
    EXPECT_EQ(game.Fishkas[game.HeldPiece].State, fsHeld);
    // A twig into a square blocked by scenery marks that square for a second.
    game.Level.SquareFrag.push_back(G::Frag(2, 0));
    game.Level.SquareMask.push_back(0);
    game.Level.SquareGroup.push_back(1);
    game.Level.SquarePiece.push_back(-1);
    game.Fishkas[game.HeldPiece].Type = Top | Bottom;
    game.PlaceHeld(5000);
    EXPECT_EQ(game.HintFrag, G::Frag(2, 0));
    EXPECT_EQ(game.HintFragUntil, 6000u);
}

TEST_F(PlacementTest, MismatchTowardsItsOwnSquareLooksOnForACrossing) {
    // double2: upper square "123" and lower square "134", joined through sides 3 and 1. The
    // lower square lands on a ghost that wants "23": the upper square's join twig meets no twig
    // there, yet the test looks on and the lower square raises the crossing flag.
    LevelPiece(G::Frag(0, 1), Bottom);
    Ghost(G::Frag(2, 1), Right | Bottom);
    Hold(TypeOf("double2"), G::Frag(1, 1));
    TFitResult fit = game.FitTest(game.HeldPiece);
    EXPECT_FALSE(fit.Fits);
    EXPECT_EQ(game.MismatchSide, -1);
    EXPECT_TRUE(game.CrossingFlag);
    EXPECT_EQ(fit.Frags, (TIntArray{G::Frag(1, 1), G::Frag(2, 1)}));
    // A mismatch on a side that is no join stops at once.
    game.Level.RequiredMask.back() = Top | Left | Bottom;
    LevelPiece(G::Frag(1, 2), Bottom);
    fit = game.FitTest(game.HeldPiece);
    EXPECT_EQ(game.MismatchSide, 2);
    EXPECT_FALSE(game.CrossingFlag);
    EXPECT_EQ(fit.Frags.size(), 1u);
}

TEST_F(PlacementTest, RequiredSquareWithAnotherMaskIsATransparentTwig) {
    int ghost = Ghost(G::Frag(1, 0), Top | Bottom);
    EXPECT_FALSE(Lay(Top | Right, G::Frag(1, 0)));
    EXPECT_TRUE(game.CrossingFlag);
    EXPECT_TRUE(host.Has("hint LHintTransparentTwig 3000"));
    // The right mask covers the ghost, which is then deleted.
    game.Fishkas[game.HeldPiece].Type = Top | Bottom;
    game.PlaceHeld(1000);
    EXPECT_EQ(game.HeldPiece, -1);
    EXPECT_EQ(game.Fishkas.size(), 2u);
    EXPECT_TRUE(host.Has("removed " + std::to_string(ghost)));
    EXPECT_EQ(game.Level.SquareFrag, (TIntArray{G::Frag(0, 0), G::Frag(1, 0)}));
    EXPECT_EQ(game.Fishkas[game.LastPlaced].State, fsOnBoard);
}

TEST_F(PlacementTest, BorderRuleWantsAnOpenEnd) {
    EXPECT_FALSE(Lay(Left | Right, G::Frag(3, 2)));
    EXPECT_TRUE(host.Log.empty() || !host.Has("hint LHintMatchingJoints 3000"));
    game.PutAllow = paAll;
    game.PlaceHeld(1000);
    EXPECT_EQ(game.HeldPiece, -1);
}

TEST_F(PlacementTest, NearLightRuleAcceptsATwigPointingIntoAnOpenEnd) {
    game.PutAllow = paNearLight;
    game.FindOpenEnds();
    EXPECT_EQ(game.Level.NearLights, (TIntArray{G::Frag(1, 0), G::Frag(1, 1), G::Frag(2, 0)}));
    EXPECT_TRUE(Lay(Left | Right, G::Frag(1, 1)));
    EXPECT_FALSE(Lay(Top | Bottom, G::Frag(3, 3)));
}

TEST_F(PlacementTest, LayingScoresTwigSidesAndEmptiesTheHand) {
    game.Mode = pmHard;
    game.ScoreAtLevelStart = 100;
    game.Level.MapBottom = 3000;
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(1, 0)));
    EXPECT_EQ(game.Level.LevelScore, 3);
    EXPECT_EQ(game.Level.ExperiencePoints, 2);
    EXPECT_EQ(host.Captions["LScoreCountWGame"], "103");
    EXPECT_EQ(game.Fishkas[game.LastPlaced].Group, 1);
    EXPECT_TRUE(host.Has("effect PutFishka " + std::to_string(game.LastPlaced)));
    // The map aims 80 pixels above the new open end, kept inside the map.
    EXPECT_EQ(game.ScrollTarget, G::BoardY + 245);
    game.Mode = pmNoLose;
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(2, 0)));
    EXPECT_EQ(game.Level.LevelScore, 3);
    EXPECT_EQ(game.Level.ExperiencePoints, 4);
}

TEST_F(PlacementTest, JoiningTheLitLinkFlashesTheJoinedPieces) {
    int loose = LevelPiece(G::Frag(1, 1), Left | Bottom);
    EXPECT_EQ(game.Fishkas[loose].Group, 2);
    ASSERT_TRUE(Lay(Top | Right, G::Frag(1, 0)));
    EXPECT_EQ(game.Fishkas[loose].Group, 1);
    EXPECT_EQ(game.Fishkas[game.LastPlaced].Group, 1);
    EXPECT_TRUE(host.Has("effect ConnectLink " + std::to_string(loose)));
    EXPECT_EQ(game.Level.SquareGroup, (TIntArray{1, 1, 1}));
}

TEST_F(PlacementTest, LinkClosedOnItselfIsRefused) {
    int loose = LevelPiece(G::Frag(3, 3), Right);
    game.FindOpenEnds();
    EXPECT_FALSE(Lay(Left, G::Frag(3, 4)));
    EXPECT_TRUE(host.Has("hint LHintClosedLink 3000"));
    EXPECT_TRUE(host.Has("effect ClosedLink " + std::to_string(loose)));
    EXPECT_EQ(game.Fishkas[game.HeldPiece].State, fsHeld);
    EXPECT_EQ(game.Fishkas[game.HeldPiece].Group, -1);
    EXPECT_EQ(game.Fishkas[game.HeldPiece].X, ScreenOf(G::Frag(3, 4)).X);
    EXPECT_EQ(game.Level.SquareFrag.size(), 2u);
    EXPECT_EQ(game.Fishkas[loose].Group, 2);
    // The refused piece's ends are gone from the lights again.
    EXPECT_TRUE(game.CoversLight({G::Frag(3, 4)}));
}

TEST_F(PlacementTest, ClosedLinkOnARequiredSquareIsAccepted) {
    LevelPiece(G::Frag(3, 3), Right);
    Ghost(G::Frag(3, 4), Left);
    game.FindOpenEnds();
    EXPECT_TRUE(Lay(Left, G::Frag(3, 4)));
    EXPECT_FALSE(host.Has("hint LHintClosedLink 3000"));
}

class TestHooks : public IRuleHooks {
  public:
    std::vector<std::string> Calls;
    bool BlockByPicture = false;
    bool FragBomb = false;
    bool MovingPictureBlocks(const std::vector<int>&, uint32_t) override { return BlockByPicture; }
    bool DryRunFindsFragBomb() override { return FragBomb; }
    void CheckBonusPoints(uint32_t) override { Calls.push_back("points"); }
    void CheckGhostGroups(uint32_t) override { Calls.push_back("ghosts"); }
    void RestartLevelTimers(uint32_t) override { Calls.push_back("timers"); }
};

TEST_F(PlacementTest, LevelObjectsAreAskedInOrder) {
    TestHooks hooks;
    game.SetHooks(&hooks);
    hooks.BlockByPicture = true;
    EXPECT_FALSE(Lay(Top | Bottom, G::Frag(1, 0)));
    EXPECT_TRUE(host.Has("effect CanNotPutFishka " + std::to_string(game.HeldPiece)));
    EXPECT_EQ(hooks.Calls, (std::vector<std::string>{"timers"}));
    hooks.BlockByPicture = false;
    game.PlaceHeld(1000);
    EXPECT_EQ(hooks.Calls, (std::vector<std::string>{"timers", "points", "ghosts", "timers"}));
    // A closing link that would set off a frag bomb is let through.
    int loose = LevelPiece(G::Frag(3, 3), Right);
    (void)loose;
    game.FindOpenEnds();
    hooks.FragBomb = true;
    EXPECT_TRUE(Lay(Left, G::Frag(3, 4)));
}

TEST_F(PlacementTest, PieceInAGhostRectangleBecomesAGhost) {
    game.Level.GhostRects.push_back({0, 1030, 100, 1050});
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(1, 0)));
    int piece = static_cast<int>(game.Fishkas.size()) - 1;
    EXPECT_EQ(game.Fishkas[piece].State, fsGhost);
    EXPECT_EQ(game.LastPlaced, -1);
    EXPECT_EQ(game.RequiredMaskOf(G::Frag(1, 0)), Top | Bottom);
    EXPECT_TRUE(host.Has("stop ConnectLink " + std::to_string(piece)));
}

TEST_F(PlacementTest, BonusPieceGivesABonusWhenLaid) {
    bonusTypes = ParseBonusTypes("<bonustype plushummers=\"2\"/>");
    game.Level.FishkaBonusProb = {1};
    Hold(Top | Bottom, G::Frag(1, 0));
    game.Fishkas[game.HeldPiece].Bonus = true;
    game.PlaceHeld(1000);
    EXPECT_EQ(game.HammerCount, 5);
    EXPECT_FALSE(game.Fishkas[game.LastPlaced].Bonus);
    EXPECT_TRUE(host.Has("effect PutBonusFishka " + std::to_string(game.LastPlaced)));
}

TEST_F(PlacementTest, ClosingTheLastEndFinishesTheLevelWithAWave) {
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(1, 0)));
    int middle = game.LastPlaced;
    game.NewFishkaInSteck();
    Hold(Top, G::Frag(2, 0));
    int last = game.HeldPiece;
    game.PlaceHeld(50000);
    EXPECT_TRUE(game.LevelFinished);
    EXPECT_EQ(game.HeldPiece, -1);
    EXPECT_TRUE(game.Steck.empty());
    EXPECT_TRUE(host.Has("window WFinishLevelDialog"));
    EXPECT_TRUE(host.Has("music Be happy!.mo3"));
    // The lowest piece starts the wave; the farthest one flashes at now.
    last -= 1; // the feed piece before it was deleted
    EXPECT_EQ(game.Fishkas[last].Distance, 50000 - 200);
    EXPECT_EQ(game.Fishkas[middle].Distance, 50000 - 100);
    EXPECT_EQ(game.Fishkas[root].Distance, 50000);
    EXPECT_EQ(game.Fishkas[root].Marked, 1);
}

TEST_F(PlacementTest, TakingBackTheLastPieceReturnsExactlyItsPoints) {
    game.Mode = pmHard;
    LevelPiece(G::Frag(0, 2), Bottom);
    game.FindOpenEnds();
    ASSERT_TRUE(Lay(TypeOf("double2"), G::Frag(1, 2))); // squares "123" and "134"
    EXPECT_EQ(game.Level.LevelScore, 2 + 6);
    EXPECT_EQ(game.Level.ExperiencePoints, 6);
    int piece = game.LastPlaced;
    ASSERT_TRUE(game.TakePiece(piece, {200, 200}, 2000));
    EXPECT_EQ(game.Level.LevelScore, 0);
    EXPECT_EQ(game.Level.ExperiencePoints, 0);
    EXPECT_EQ(host.Captions["LScoreCountWGame"], "0");
    EXPECT_EQ(game.LastPlaced, -1);
    EXPECT_EQ(game.Level.SquareFrag, (TIntArray{G::Frag(0, 0), G::Frag(0, 2)}));
    EXPECT_EQ(game.Fishkas[piece].State, fsHeld);
    EXPECT_EQ(game.Fishkas[piece].X, 200 - 20);
    EXPECT_EQ(game.Fishkas[piece].Y, 200 - 40);
}

TEST_F(PlacementTest, OlderPiecesNeedTheTakeRuleAndATouchOfOne) {
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(1, 0)));
    int first = game.LastPlaced;
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(2, 0)));
    int second = game.LastPlaced;
    EXPECT_FALSE(game.TakePiece(first, {0, 0}, 0)); // not the last one, rule "tadenied"
    game.TakeAllow = taBorderFish;
    EXPECT_FALSE(game.TakePiece(first, {0, 0}, 0)); // touched from above and below
    ASSERT_TRUE(game.TakePiece(second, {0, 0}, 0));
    game.PutInBumper(0);
    int score = game.Level.LevelScore;
    ASSERT_TRUE(game.TakePiece(first, {0, 0}, 0));
    EXPECT_EQ(game.Level.LevelScore, score); // nothing given back for an older piece
}

TEST_F(PlacementTest, TakingAPieceOffARequiredSquareBringsItsGhostBack) {
    Ghost(G::Frag(1, 0), Top | Bottom);
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(1, 0)));
    int piece = game.LastPlaced;
    ASSERT_TRUE(game.TakePiece(piece, {0, 0}, 0));
    int ghost = static_cast<int>(game.Fishkas.size()) - 1;
    EXPECT_EQ(game.Fishkas[ghost].State, fsGhost);
    EXPECT_EQ(game.Fishkas[ghost].Type, Top | Bottom);
    EXPECT_EQ(game.Fishkas[ghost].X, G::BoardX);
    EXPECT_EQ(game.Level.SquarePiece.back(), ghost);
    EXPECT_EQ(game.Fishkas[ghost].Group, 1);
}

TEST_F(PlacementTest, FirstTakesShowTheirHintsOnce) {
    game.NewFishkaInSteck();
    game.NewFishkaInSteck();
    game.Fishkas[game.Steck[1]].Quest = true;
    int front = game.Steck[0];
    ASSERT_TRUE(game.TakePiece(front, {100, 100}, 0));
    EXPECT_TRUE(host.Has("hint LHintFirstTakeFishka 10000"));
    EXPECT_FALSE(host.Has("hint LHintFirstTakeQuestFishka 10000"));
    game.PutInBumper(0);
    int quest = game.Steck[0];
    ASSERT_TRUE(game.TakePiece(quest, {100, 100}, 0));
    EXPECT_TRUE(host.Has("effect TakeQuestFishka " + std::to_string(quest)));
    EXPECT_FALSE(game.Fishkas[quest].Quest);
    EXPECT_EQ(host.Count("hint LHintFirstTakeQuestFishka 10000"), 1);
    EXPECT_EQ(host.Count("hint LHintFirstTakeFishka 10000"), 1);
    EXPECT_TRUE(game.Steck.empty());
}

TEST_F(PlacementTest, PiecesThatCannotBeTaken) {
    int fixed = LevelPiece(G::Frag(4, 4), Top, fsFixed);
    int ghost = Ghost(G::Frag(4, 5), Top);
    game.Fishkas.push_back(TFishka{});
    int notGiven = static_cast<int>(game.Fishkas.size()) - 1;
    for (int piece : {fixed, ghost, notGiven, root})
        EXPECT_FALSE(game.TakePiece(piece, {0, 0}, 0)) << piece;
    EXPECT_EQ(game.HeldPiece, -1);
}

TEST_F(PlacementTest, HitTestSkipsGhostsAndUsesTheQuestImageInTheFeed) {
    TPoint a = geometry.FragAnchor(G::Frag(0, 0));
    EXPECT_EQ(game.FishkaAt(a.X + 40, a.Y + 40), root);
    EXPECT_EQ(game.FishkaAt(a.X + 41, a.Y), -1);
    Ghost(G::Frag(3, 3), Top);
    TPoint g = geometry.FragAnchor(G::Frag(3, 3));
    EXPECT_EQ(game.FishkaAt(g.X + 1, g.Y + 1), -1);
    game.NewFishkaInSteck();
    int quest = game.Steck[0];
    game.Fishkas[quest].Quest = true;
    game.Fishkas[quest].Y = 535; // the quest image is 30 x 50
    EXPECT_EQ(game.SteckFishkaAt(799 + 29, 535 + 49), quest);
    EXPECT_EQ(game.SteckFishkaAt(799 + 30, 540), -1);
    EXPECT_EQ(game.BoardFishkaAt(800, 540), -1);
}

TEST_F(PlacementTest, RemovingAPieceRenumbersEveryStoredIndex) {
    ASSERT_TRUE(Lay(Top | Bottom, G::Frag(1, 0))); // piece 1
    game.NewFishkaInSteck();                       // 2
    game.NewFishkaInSteck();                       // 3
    game.NewFishkaInSteck();                       // 4
    game.HeldPiece = 4;
    game.Steck = {2, 3};
    game.BumperPiece = 3;
    game.HoveredPiece = 4;
    IntArrayDelete(0, game.Steck);
    game.RemoveFishka(2);
    EXPECT_EQ(game.Steck, (TIntArray{2}));
    EXPECT_EQ(game.BumperPiece, 2);
    EXPECT_EQ(game.HeldPiece, 3);
    EXPECT_EQ(game.HoveredPiece, 3);
    EXPECT_EQ(game.LastPlaced, 1);
    game.RemoveFishka(0);
    EXPECT_EQ(game.LastPlaced, 0);
    EXPECT_EQ(game.Level.SquarePiece, (TIntArray{0, 0}));
    EXPECT_TRUE(host.Has("removed 2"));
    EXPECT_EQ(game.Fishkas.size(), 3u);
}

TEST_F(PlacementTest, OpenEndsMarkTheHighestRow) {
    LevelPiece(G::Frag(3, 2), Left | Right);
    int highest = -1;
    EXPECT_FALSE(game.FindOpenEnds(&highest));
    EXPECT_EQ(highest, G::Frag(3, 3));
    ASSERT_EQ(game.Level.Lights.size(), 3u);
    for (const TLight& light : game.Level.Lights)
        EXPECT_EQ(light.SameRow, light.Frag != G::Frag(1, 0)) << light.Frag;
    EXPECT_EQ(game.Level.Lights[0].Side, 1);
}

TEST_F(PlacementTest, LoneGroupIsNotClosedAndSquaresOnFinishGroundFinish) {
    EXPECT_FALSE(game.GroupIsClosed(1)); // every square is in group 1
    EXPECT_FALSE(game.GroupIsClosed(-1));
    LevelPiece(G::Frag(4, 4), Top | Left, fsFixed);
    EXPECT_TRUE(game.TouchesOnlyOnce(root));
    game.Level.FinishFrags.push_back(G::Frag(4, 4));
    game.Fishkas[root].Type = 0;
    game.Level.SquareMask[0] = 0;
    game.Level.SquareMask[1] = 0;
    EXPECT_TRUE(game.FindOpenEnds());
}
