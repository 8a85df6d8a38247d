#include "RulesFixture.h"

using G = TSyntheticGeometry;

TEST(BonusTypes, ReadsAttributesInAnyCaseAndSkipsOtherLines) {
    auto types =
        ParseBonusTypes("<BonusTypes>\r\n"
                        "<BonusType ClearSteck=\"TRUE\" PlusHummers=\"2\"/>\r\n"
                        "<bonustype pluscaps=\"1\" plusscore=\"50\" speedupotb=\"7000\"\r\n"
                        "<bonustype makefisheswithbonus=\"yes\" timetonolose=\"9000\"/>\r\n"
                        "<bonustype/>\r\n");
    ASSERT_EQ(types.size(), 3u);
    EXPECT_TRUE(types[0].ClearSteck);
    EXPECT_EQ(types[0].PlusHammers, 2);
    EXPECT_FALSE(types[1].MakeFishesWithBonus); // only "true" sets a flag
    EXPECT_EQ(types[1].TimeToNoLose, 9000);
    EXPECT_EQ(types[2].PlusScore, 0);
}

class RewardsTest : public RulesTest {
  protected:
    RewardsTest() {
        bonusTypes = ParseBonusTypes(
            "<bonustype plushummers=\"2\"/>\n<bonustype pluscaps=\"1\"/>\n"
            "<bonustype plusscore=\"50\" speedupotb=\"7000\" timetonolose=\"9000\"/>\n"
            "<bonustype makefisheswithbonus=\"true\"/>\n<bonustype/>\n");
    }
    int Laid(int type, int x, int y) {
        TFishka f;
        f.Type = static_cast<uint8_t>(type);
        f.X = x;
        f.Y = y;
        f.State = fsOnBoard;
        return game.AddFishka(f);
    }
};

TEST_F(RewardsTest, BonusesGiveToolsScoreAndTimes) {
    game.GiveBonus(0, 1000);
    game.GiveBonus(1, 1000);
    game.GiveBonus(2, 1000);
    EXPECT_EQ(game.HammerCount, 5);
    EXPECT_EQ(game.ClipperCount, 4);
    EXPECT_EQ(game.Level.LevelScore, 50);
    EXPECT_EQ(game.DropAccelUntil, 8000u);
    EXPECT_EQ(game.LiveUntil, 10000u);
    EXPECT_EQ(host.Captions["LHammerCountWGame"], "5");
    EXPECT_EQ(host.Captions["LScoreCountWGame"], "50");
    EXPECT_LT(host.IndexOf("effect GiveScore -1"), host.IndexOf("effect GiveSpeedUpOtb -1"));
    EXPECT_LT(host.IndexOf("effect GiveSpeedUpOtb -1"),
              host.IndexOf("effect GiveTimeToNoLoose -1"));
    game.Mode = pmNoLose;
    game.GiveBonus(2, 1000);
    EXPECT_EQ(game.Level.LevelScore, 50);
}

TEST_F(RewardsTest, EmptyOrUnknownBonusDoesNothing) {
    game.DemoRecording = true;
    game.GiveBonus(4, 0);
    EXPECT_EQ(host.Log, (std::vector<std::string>{"demo <GiveBonus ind=\"4\">"}));
    host.Log.clear();
    game.GiveBonus(5, 0);
    game.GiveBonus(-1, 0);
    EXPECT_TRUE(host.Log.empty());
}

TEST_F(RewardsTest, BonusMarksEveryFeedPiece) {
    game.NewFishkaInSteck();
    game.NewFishkaInSteck();
    game.GiveBonus(3, 0);
    EXPECT_TRUE(game.Fishkas[0].Bonus);
    EXPECT_TRUE(game.Fishkas[1].Bonus);
    EXPECT_TRUE(host.Has("effect MakeFishkaBonused 1"));
    EXPECT_TRUE(host.Has("effect GiveBonusFishka -1"));
}

TEST_F(RewardsTest, CombinationMatchesOnlyAtExactOffsets) {
    game.Level.CombSequence = {0, 1};
    game.Level.CombPos = 0;
    int upper = Laid(5, 210, 1000);
    int lower = Laid(5, 210, 1041); // one pixel off the stamp
    game.CheckCombination(lower, 0);
    game.CheckCombination(upper, 0);
    EXPECT_EQ(game.Level.CombPos, 0);
    game.Fishkas[lower].Y = 1040;
    game.CheckCombination(lower, 0);
    EXPECT_EQ(game.Level.CombPos, 1);
    EXPECT_EQ(host.Captions["LCombCountWGame"], "2 / 2");
    EXPECT_EQ(game.Level.ExperiencePoints, 100);
    EXPECT_TRUE(host.Has("effect TwinkleFishka " + std::to_string(upper)));
    EXPECT_TRUE(host.Has("effect TwinkleFishka " + std::to_string(lower)));
    EXPECT_TRUE(host.Has("effect CombinationSound -1"));
    EXPECT_EQ(host.Count("hint LHintFishComb 10000"), 1);
    // The next combination wants other types: the same pieces do not count twice.
    game.CheckCombination(lower, 0);
    EXPECT_EQ(game.Level.CombPos, 1);
}

TEST_F(RewardsTest, LastCombinationGivesBothBonusesAllCombinationsFirst) {
    game.Level.CombSequence = {1};
    game.Level.CombPos = 0;
    game.Level.AllCombBonusProb = {1, 0};
    game.Level.OneCombBonusProb = {0, 1};
    Laid(10, 50, 1200);
    int right = Laid(10, 90, 1200);
    game.CheckCombination(right, 0);
    EXPECT_EQ(game.Level.CombPos, -1);
    EXPECT_EQ(game.Level.ExperiencePoints, 300);
    EXPECT_FALSE(host.Visible["LCombCountWGame"]);
    EXPECT_TRUE(host.Visible["LCombDoneWGame"]);
    EXPECT_EQ(game.HammerCount, 5);
    EXPECT_EQ(game.ClipperCount, 4);
    EXPECT_LT(host.IndexOf("effect GiveHammer -1"), host.IndexOf("effect GiveClipper -1"));
    // During playback the recorded bonus lines give the bonuses instead.
    game.Level.CombPos = 0;
    game.DemoPlaying = true;
    game.CheckCombination(right, 0);
    EXPECT_EQ(game.HammerCount, 5);
}

TEST_F(RewardsTest, CombinationKeepsItsPiecesWhenABonusClearsTheFeed) {
    bonusTypes = ParseBonusTypes("<bonustype clearsteck=\"true\"/>");
    game.Level.CombSequence = {1};
    game.Level.CombPos = 0;
    game.Level.AllCombBonusProb = {1};
    game.NewFishkaInSteck(); // piece 0, deleted by the bonus
    int left = Laid(10, 50, 1200);
    int right = Laid(10, 90, 1200);
    game.CheckCombination(right, 0);
    EXPECT_TRUE(host.Has("effect TwinkleFishka " + std::to_string(left - 1)));
    EXPECT_TRUE(host.Has("effect TwinkleFishka " + std::to_string(right - 1)));
}

TEST_F(RewardsTest, LaidCombinationThroughTheBoard) {
    game.Level.CombSequence = {0};
    game.Level.CombPos = 0;
    LevelPiece(G::Frag(0, 0), Bottom);
    game.FindOpenEnds();
    for (int row : {1, 2}) {
        Hold(Top | Bottom, G::Frag(row, 0));
        game.PlaceHeld(1000);
        ASSERT_EQ(game.HeldPiece, -1);
    }
    EXPECT_EQ(game.Level.CombPos, -1);
}
