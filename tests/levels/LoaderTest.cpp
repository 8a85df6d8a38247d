#include <cmath>
#include <numbers>

#include "LevelFixture.h"
#include "archive/GameError.h"
#include "main/levels/LevelList.h"

namespace {

const std::string Root = "<Fishka type=\"4\" frag=\"30\" unhammer=\"true\"/>"; // twig down

TEST(LevelListTest, OneLevelPerLineWithItsHeroAndBlankLinesIgnored) {
    TLevelList list = ParseLevelList("L1.txt Hero1.png\r\n\r\nL2.txt\t Hero2.png\r\nL3.txt\r\n");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.FileNames[1], "L2.txt");
    EXPECT_EQ(list.HeroPictures[1], "Hero2.png");
    EXPECT_EQ(list.HeroPictures[2], "%&"); // the token reader's end mark
    EXPECT_EQ(list.CurrentLevel, 0);
    EXPECT_EQ(ParseLevelList("").Count(), 0);
}

TEST_F(LevelTest, GeneratorPeriodFollowsTheMode) {
    for (auto [mode, period] : {std::pair{pmNormal, 1000}, {pmHard, 700}, {pmEasy, 1500}}) {
        game.Mode = mode;
        Load({"<Generator period=\"1000\"/>", Root});
        EXPECT_EQ(game.Level.FeedPeriod, period);
        EXPECT_EQ(game.NextFeedTime, 1000u + period);
    }
    Load({Root}); // a level without its own period keeps the last one
    EXPECT_EQ(game.Level.FeedPeriod, 1500);
}

TEST_F(LevelTest, SkillsShapeBonusChanceLoseTimeAndBumperBlock) {
    skills = {0, 4, 4};
    Load({"<Generator period=\"3000\"/>", "<FishkaWithBonus prob=\"0.1\"/>", Root});
    EXPECT_NEAR(game.Level.BonusProbability, 0.14, 1e-12);
    EXPECT_EQ(game.Level.LoseTime, 2000);
    EXPECT_EQ(game.Level.BumperBlockTime, 5640);
    skills.Live = 3;
    Load({Root});
    EXPECT_EQ(game.Level.LoseTime, 2100);
    game.Mode = pmNoLose;
    Load({Root});
    EXPECT_EQ(game.Level.BumperBlockTime, 0);
}

TEST_F(LevelTest, SettingsListsAndSequencesAreRead) {
    Load({"<Level CurrentY=\"1100\"/>", "<PlayMusic name=\"Level1.mo3\"/>",
          "<RainEffect name=\"Rain\"/>", "<HidenFishkaPicture name=\"quest.png\" prob=\"0.25\"/>",
          "<FProb name=\"13\" prob=\"7\">", "<FProb name=\"nosuch\" prob=\"9\">",
          "<CombSequence> 1 0 3 </CombSequence>", "<FishTypeSequence>5 10</FishTypeSequence>",
          "<OneCombBonusProb>1 2</OneCombBonusProb>", "<AllCombBonusProb>3</AllCombBonusProb>",
          "<FishkaBonusProb>0 4</FishkaBonusProb>",
          "<MakeGhostRect left=\"1\" top=\"2\" right=\"3\" bottom=\"4\"/>", Root});
    const TLevel& L = game.Level;
    EXPECT_EQ(game.MapScroll, 1100);
    EXPECT_EQ(game.ScrollTarget, 1100);
    EXPECT_EQ(L.Music, "Level1.mo3");
    EXPECT_TRUE(host.Has("music Level1.mo3"));
    EXPECT_EQ(L.RainEffect, "Rain");
    EXPECT_EQ(L.QuestImage, "quest.png");
    EXPECT_DOUBLE_EQ(L.QuestProbability, 0.25);
    EXPECT_EQ(L.TypeWeights[5], 7);
    EXPECT_EQ(L.CombSequence, (TIntArray{0, 2})); // 0 is no combination: skipped
    EXPECT_TRUE(
        host.Has("log Skipped level \"test.lvl\", line 7: combination 0 (they count from 1)"));
    EXPECT_EQ(L.TypeQueue, (TIntArray{5, 10}));
    EXPECT_EQ(L.OneCombBonusProb, (TIntArray{1, 2}));
    EXPECT_EQ(L.AllCombBonusProb, (TIntArray{3}));
    EXPECT_EQ(L.FishkaBonusProb, (TIntArray{0, 4}));
    ASSERT_EQ(L.GhostRects.size(), 1u);
    EXPECT_EQ(L.GhostRects[0], (TRect{1, 2, 3, 4}));
}

TEST_F(LevelTest, BoardPiecesJoinAndSetTheMapBounds) {
    Load({"<Level CurrentY=\"1000\"/>", Root,
          "<Fishka type=\"5\" frag=\"36\"/>",   // joins the root from below
          "<Fishka type=\"1\" frag=\"33\"/>"}); // a twig off the board: refused
    ASSERT_EQ(game.Fishkas.size(), 2u);
    EXPECT_EQ(game.Fishkas[0].X, BoardX);
    EXPECT_EQ(game.Fishkas[0].Y, BoardY);
    EXPECT_EQ(game.Fishkas[0].Group, game.Fishkas[1].Group);
    EXPECT_TRUE(game.Fishkas[1].Root); // the topmost piece's group is rooted
    EXPECT_EQ(geometry.FirstBoardFrag, 30);
    EXPECT_EQ(game.Level.MapTop, BoardY);
    EXPECT_EQ(game.Level.MapBottom, BoardY + 40 + 40);
    EXPECT_TRUE(host.Has("log Skipped level \"test.lvl\", line 4"));
}

TEST_F(LevelTest, BoardPieceOfTwoSquaresCoversBoth) {
    int type = geometry.FindFishkaType("double1"); // twigs up, left and right; right and down
    ASSERT_GE(type, 0);
    Load({"<Fishka type=\"" + std::to_string(type) + "\" frag=\"" + std::to_string(Frag(1, 1)) +
          "\"/>"});
    ASSERT_EQ(game.Fishkas.size(), 1u);
    EXPECT_EQ(game.Level.SquareFrag, (TIntArray{Frag(1, 1), Frag(1, 2)}));
    EXPECT_EQ(game.Level.SquarePiece, (TIntArray{0, 0}));
    EXPECT_EQ(game.Level.SquareGroup[0], game.Level.SquareGroup[1]);
}

TEST_F(LevelTest, BadStrictNumberNamesFileAndLineAndStopsTheLoad) {
    try {
        Load({"<PlayMusic name=\"Level1.mo3\"/>", "<Generator period=\"fast\"/>", Root});
        FAIL() << "no error raised";
    } catch (const GameError& e) {
        std::string message = e.what();
        EXPECT_NE(message.find("test.lvl"), std::string::npos) << message;
        EXPECT_NE(message.find("line 2"), std::string::npos) << message;
    }
    EXPECT_TRUE(game.Fishkas.empty());                       // reading stopped at that line
    EXPECT_FALSE(host.Has("music"));                         // and the finishing steps did not run
    EXPECT_THROW(Load({"<Fishka type=\"4\"/>"}), GameError); // a missing strict value
}

// Values that overflowed the loader's arithmetic (x + 5, map places, z + 100, the bumper's
// block time from the period) are refused with the usual error; sane ones still load.
TEST_F(LevelTest, NumbersOutsideTheirRangeNameFileAndLine) {
    const std::string map = "<PictureMap x=\"0\" y=\"1000\" z=\"0\" OneWidth=\"";
    const std::string rock = "<Images>Rock</Images>";
    // Each level fails at its line 2.
    const std::vector<std::vector<std::string>> levels{
        {Root, "<Picture x=\"2147483647\" y=\"1000\" z=\"0\" name=\"A\">"},
        {Root, "<Picture x=\"0\" y=\"1000\" z=\"2147483647\" name=\"A\">"},
        {Root, "<Picture x=\"0\" y=\"1000\" z=\"-100\" name=\"A\">"},
        {Root, map + "2147483647\" OneHeight=\"40\">", rock, "<map>0 1</map>"},
        {Root, map + "40\" OneHeight=\"2147483647\">", rock, "<map>1</map>"},
        {Root, "<Generator period=\"2147483647\"/>"},
        {Root, "<Generator period=\"0\"/>"},
        {Root, "<Level CurrentY=\"-2147483648\"/>"},
        {Root, "<Bomb x=\"0\" y=\"-2147483648\" r=\"2\"/>"},
        {Root, "<FireEffect name=\"F\" x=\"0\" y=\"0\" runevery=\"3600001\"/>"},
        // Places that are each fine but run off the map, at the row that puts them there.
        {map + "8000\" OneHeight=\"40\">", rock, "<map>1 0 1</map>"},
        {map + "40\" OneHeight=\"8000\">", rock, "<map>1</map>", "<map>1</map>", "<map>1</map>"}};
    for (const auto& level : levels) {
        try {
            Load(level);
            ADD_FAILURE() << level[1] << " was accepted";
        } catch (const GameError& e) {
            const std::string message = e.what();
            const size_t line = level[0] == Root ? 2 : level.size();
            EXPECT_NE(message.find("test.lvl\", line " + std::to_string(line)), std::string::npos)
                << message;
        }
    }
    game.Mode = pmEasy;
    Load({Root, "<Generator period=\"3600000\"/>",
          "<Picture x=\"-8000\" y=\"1000\" z=\"10000\" name=\"A\">"});
    EXPECT_EQ(game.Level.FeedPeriod, 5400000);
    EXPECT_EQ(game.Level.BumperBlockTime, 10800000);
    EXPECT_EQ(RoundEven(1e300), 2147483647); // the rounding itself saturates
    EXPECT_EQ(RoundEven(-1e300), -2147483647 - 1);
}

TEST_F(LevelTest, ProgressBarFillsInTwoHalvesAndRepaintsWhenItGrows) {
    Load({Root, "", "", "", ""});
    ASSERT_FALSE(host.Progress.empty());
    EXPECT_EQ(host.Progress[0], 0);
    EXPECT_EQ(host.Progress[4], 50);
    EXPECT_EQ(host.Progress.back(), 100);
    EXPECT_LE(host.Repaints, 100);
    EXPECT_GE(host.Repaints, 50);
}

TEST_F(LevelTest, OneLineLevelLoads) {
    Load({Root});
    EXPECT_EQ(game.Fishkas.size(), 1u);
    EXPECT_EQ(host.Progress[0], 50);
}

TEST_F(LevelTest, ObjectsOnNoBoardFragAreSkippedWithALogLine) {
    Load({"<Level CurrentY=\"1000\"/>", Root, "<GhostGroup>",
          "<GhostFishka x=\"2000\" y=\"2000\" type=\"5\"/>", "<BonusElement>",
          "<Point border=\"1\" x=\"2000\" y=\"2000\">", "<ShowPicture name=\"A\"/>", "</Point>",
          "<Bomb x=\"2000\" y=\"2000\" r=\"2\"/>",
          "<Bomb x=\"2000\" y=\"2000\" r=\"2\" picturebomb=\"true\"/>",
          "<PutFishka x=\"2000\" y=\"2000\" type=\"5\"/>"});
    EXPECT_EQ(game.Fishkas.size(), 1u);
    EXPECT_TRUE(game.Level.RequiredFrag.empty());
    EXPECT_TRUE(objects.GhostGroups[0].GhostFrags.empty());
    EXPECT_TRUE(objects.BonusPoints.empty());
    const TLevelActions& a = objects.BonusElements[0].Actions;
    EXPECT_TRUE(a.ShowPictures.empty()); // the skipped point's action goes nowhere
    ASSERT_EQ(a.Bombs.size(), 1u);       // a picture bomb needs no frag
    EXPECT_TRUE(a.Bombs[0].PictureBomb);
    EXPECT_TRUE(a.Puts.empty());
    for (int line : {4, 6, 7, 9, 11})
        EXPECT_TRUE(host.Has("log Skipped level \"test.lvl\", line " + std::to_string(line)))
            << line;
}

TEST_F(LevelTest, GhostsAreRequiredSquaresOfTheirGroupAndAFailedGhostIsDropped) {
    Load({"<Level CurrentY=\"1000\"/>", Root, "<GhostGroup>",
          "<GhostFishka " + At(1, 0) + " type=\"5\"/>",
          "<GhostFishka " + At(0, 3) + " type=\"1\"/>", // twig off the board: cannot lie there
          "<GGBonusProb>1 2</GGBonusProb>",
          "<GhostFishka " + At(3, 3) + " type=\"" +
              std::to_string(geometry.FindFishkaType("double1")) + "\"/>"}); // two squares
    EXPECT_EQ(game.Level.RequiredFrag, (TIntArray{Frag(1, 0)}));
    EXPECT_EQ(game.Level.RequiredMask, (TIntArray{5}));
    EXPECT_EQ(objects.GhostGroups[0].GhostFrags, (TIntArray{Frag(1, 0)}));
    EXPECT_EQ(objects.GhostGroups[0].BonusWeights, (TIntArray{1, 2}));
    ASSERT_EQ(game.Fishkas.size(), 2u);
    EXPECT_EQ(game.Fishkas[1].State, fsGhost);
    EXPECT_GE(game.Fishkas[1].Phase, 0);
    EXPECT_LT(game.Fishkas[1].Phase, 2 * std::numbers::pi);
    EXPECT_GE(game.SquareIndexOfFrag(Frag(1, 0)), 0);
    EXPECT_TRUE(host.Has("log Skipped level \"test.lvl\", line 5"));
    EXPECT_TRUE(host.Has("log Skipped level \"test.lvl\", line 7"));
}

TEST_F(LevelTest, UnsupportedOrderingsAreSkippedNotFollowed) {
    Load({"<GGBonusProb>1 2</GGBonusProb>", "<Image name=\"Rock\" t=\"100\"/>",
          "<MovingCurve alX=\"1\" t=\"100\"/>", "</Picture>", Root});
    EXPECT_TRUE(objects.Pictures.empty());
    for (int line = 1; line <= 4; ++line)
        EXPECT_TRUE(host.Has("log Skipped level \"test.lvl\", line " + std::to_string(line)));
}

TEST_F(LevelTest, BonusPointStandsOnFinishedGroundWithItsActions) {
    Load({"<Level CurrentY=\"1000\"/>", Root, "<BonusElement>",
          "<Point border=\"1\" " + At(2, 0) + ">", "<RemovePicture name=\"A\"/>",
          "<StartEffect name=\"Spark\" x=\"3\"/>", "</Point>", "<ShowPicture name=\"B\"/>",
          "<PutFishka " + At(3, 3) + " type=\"10\" ghost=\"true\"/>",
          "<Bomb " + At(4, 4) + " r=\"2\" effectname=\"Boom\" ghost=\"true\"/>"});
    ASSERT_EQ(objects.BonusPoints.size(), 1u);
    const TBonusPoint& p = objects.BonusPoints[0];
    EXPECT_EQ(p.Frag, Frag(2, 0));
    EXPECT_EQ(p.Actions.RemovePictures, (std::vector<std::string>{"A"}));
    EXPECT_EQ(p.StartEffect.Name, "Spark");
    EXPECT_EQ(p.StartEffect.X, 3);
    EXPECT_EQ(p.StartEffect.Y, 0);
    EXPECT_EQ(game.Fishkas.back().State, fsFixed);
    EXPECT_TRUE(IntArrayContains(Frag(2, 0), game.Level.FinishFrags));
    const TBonusElement& e = objects.BonusElements[0];
    EXPECT_EQ(e.Points, (TIntArray{0}));
    EXPECT_EQ(e.Actions.ShowPictures, (std::vector<std::string>{"B"}));
    ASSERT_EQ(e.Actions.Puts.size(), 1u);
    EXPECT_EQ(e.Actions.Puts[0].Frag, Frag(3, 3));
    ASSERT_EQ(e.Actions.Bombs.size(), 1u);
    EXPECT_EQ(e.Actions.Bombs[0].Frag, Frag(4, 4));
    EXPECT_TRUE(e.Actions.Bombs[0].Ghost);
    EXPECT_EQ(e.Actions.Bombs[0].EffectName, "Boom");
}

TEST_F(LevelTest, LevelEffectWithSurfnameFirstStartsTheSurfnameValue) {
    Load({"<LevelEffect x=\"1\" y=\"2\" surfname=\"Glow\" name=\"Fire\"/>",
          "<LevelEffect x=\"1\" y=\"2\" name=\"Fire\" surfname=\"Glow\"/>", Root});
    EXPECT_TRUE(host.Has("surface effect Glow Glow 1,2"));
    EXPECT_TRUE(host.Has("surface effect Fire Glow 1,2"));
}

} // namespace
