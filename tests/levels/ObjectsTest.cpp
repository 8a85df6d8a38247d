#include "LevelFixture.h"

namespace {

// Right and bottom twigs: the root leaves an open end to the right, so laying below it keeps
// the level going.
const std::string Root = "<Fishka type=\"6\" frag=\"30\" unhammer=\"true\"/>";
const std::string Scroll = "<Level CurrentY=\"1000\"/>";

class LevelObjectsTest : public LevelTest {
  protected:
    // Lays a new piece of the type over the frag through the rules' laying.
    void Lay(int type, int frag) {
        game.FindOpenEnds(); // the open ends, as the level start shows them
        TFishka f;
        f.Type = static_cast<uint8_t>(type);
        f.State = fsHeld;
        TPoint anchor = geometry.FragAnchor(frag);
        f.X = anchor.X + 5;
        f.Y = anchor.Y + 245 - game.MapScroll;
        game.HeldPiece = game.AddFishka(f);
        game.PlaceHeld(3000);
    }
    int PieceOn(int frag) const {
        int j = game.SquareIndexOfFrag(frag);
        return j < 0 ? -1 : game.Level.SquarePiece[j];
    }
};

TEST_F(LevelObjectsTest, ReachedPointRunsItsActionsInOrderOnce) {
    Load({Scroll, Root,
          "<Picture name=\"Gate\" x=\"" + std::to_string(PictureX(3)) + "\" y=\"" +
              std::to_string(PictureY(3)) + "\" z=\"0\" visible=\"false\">",
          "<Image name=\"Rock\"/></Picture>",
          "<Picture name=\"Log\" x=\"" + std::to_string(PictureX(4)) + "\" y=\"" +
              std::to_string(PictureY(3)) + "\" z=\"0\"><Image name=\"Rock\"/></Picture>",
          "<Point border=\"1\" " + At(2, 0) + ">", "<RemovePicture name=\"Log\"/>",
          "<ShowPicture name=\"Gate\"/>", "<PutFishka " + At(4, 5) + " type=\"10\"/>",
          "<StartEffect name=\"Glow\" x=\"7\" y=\"8\" surfname=\"Halo\"/>", "</Point>"});
    EXPECT_TRUE(Blocked(Frag(3, 4)));
    EXPECT_FALSE(Blocked(Frag(3, 3)));
    EXPECT_FALSE(runtime.DryRunFindsFragBomb());
    Lay(5, Frag(1, 0)); // top and bottom twigs: group 1 reaches the point
    ASSERT_TRUE(objects.BonusPoints[0].Done);
    EXPECT_FALSE(Blocked(Frag(3, 4)));
    EXPECT_TRUE(Blocked(Frag(3, 3)));
    int put = PieceOn(Frag(4, 5));
    ASSERT_GE(put, 0);
    EXPECT_EQ(game.Fishkas[put].Type, 10);
    EXPECT_EQ(game.Fishkas[put].State, fsOnBoard);
    EXPECT_EQ(host.Count("surface effect Glow Halo 7,8"), 1);
    runtime.CheckBonusPoints(4000); // done points stay done
    EXPECT_EQ(host.Count("surface effect Glow Halo 7,8"), 1);
}

TEST_F(LevelObjectsTest, ElementRunsWhenAllItsPointsAreDoneAndAnEmptyOneAtOnce) {
    Load({Scroll, Root, "<BonusElement>", "<StartEffect name=\"Empty\"/>", "<BonusElement>",
          "<Point border=\"1\" " + At(2, 0) + ">", "</Point>",
          "<Point border=\"8\" " + At(0, 2) + ">", "</Point>", "<StartEffect name=\"Both\"/>"});
    runtime.CheckBonusPoints(2000);
    EXPECT_TRUE(objects.BonusElements[0].Done);
    EXPECT_TRUE(host.Has("surface effect Empty"));
    EXPECT_FALSE(objects.BonusElements[1].Done);
    Lay(5, Frag(1, 0));
    EXPECT_TRUE(objects.BonusPoints[0].Done);
    EXPECT_FALSE(objects.BonusElements[1].Done);
    Lay(14, Frag(0, 1)); // left, right and bottom twigs: the second point, the level goes on
    EXPECT_TRUE(objects.BonusElements[1].Done);
    EXPECT_TRUE(host.Has("surface effect Both"));
}

TEST_F(LevelObjectsTest, DryRunFindsAFragBombAndRestoresWhatItMarked) {
    Load({Scroll, Root, "<Point border=\"8\" " + At(0, 1) + ">", "<Bomb " + At(3, 3) + " r=\"1\"/>",
          "</Point>"});
    EXPECT_TRUE(runtime.DryRunFindsFragBomb()); // the point touches the root's right twig
    EXPECT_FALSE(objects.BonusPoints[0].Done);
}

TEST_F(LevelObjectsTest, FragBombRadiusOneHitsItsFragAndTwoItsNeighbours) {
    Load({Scroll, Root});
    for (int f : {Frag(2, 2), Frag(1, 2), Frag(2, 1), Frag(2, 3), Frag(3, 2), Frag(1, 1)})
        runtime.PutPiece(f, 5, false);
    size_t pieces = game.Fishkas.size();
    runtime.FragBomb(Frag(2, 2), 1, "Boom", false);
    EXPECT_EQ(game.Fishkas.size(), pieces - 1);
    EXPECT_LT(PieceOn(Frag(2, 2)), 0);
    EXPECT_TRUE(host.Has("surface effect Boom  90,1080"));
    runtime.PutPiece(Frag(2, 2), 5, false);
    runtime.FragBomb(Frag(2, 2), 2, "Boom", false); // visited: nothing until regrouped
    EXPECT_GE(PieceOn(Frag(2, 2)), 0);
    game.RecomputeGroups();
    EXPECT_TRUE(objects.VisitedFrags.empty());
    runtime.FragBomb(Frag(2, 2), 2, "Boom", false);
    for (int f : {Frag(2, 2), Frag(1, 2), Frag(2, 1), Frag(2, 3), Frag(3, 2)})
        EXPECT_LT(PieceOn(f), 0) << f;
    EXPECT_GE(PieceOn(Frag(1, 1)), 0);
    EXPECT_GE(PieceOn(Frag(0, 0)), 0);
}

TEST_F(LevelObjectsTest, GhostFragBombLiftsPiecesIntoGhostsExceptOnFinishedGround) {
    Load({Scroll, Root});
    runtime.PutPiece(Frag(2, 2), 5, false);
    runtime.PutPiece(Frag(2, 3), 10, false);
    game.Level.FinishFrags.push_back(Frag(2, 3));
    runtime.FragBomb(Frag(2, 2), 2, "Boom", true);
    int ghost = PieceOn(Frag(2, 2));
    ASSERT_GE(ghost, 0);
    EXPECT_EQ(game.Fishkas[ghost].State, fsGhost);
    EXPECT_EQ(game.RequiredMaskOf(Frag(2, 2)), 5);
    EXPECT_LT(PieceOn(Frag(2, 3)), 0); // finished ground: destroyed
}

TEST_F(LevelObjectsTest, PutPieceJoinsItsNeighboursAndNeverStacks) {
    Load({Scroll, Root});
    runtime.PutPiece(Frag(1, 0), 5, false);
    int put = PieceOn(Frag(1, 0));
    EXPECT_EQ(game.Fishkas[put].Group, game.Fishkas[0].Group);
    size_t pieces = game.Fishkas.size();
    runtime.PutPiece(Frag(1, 0), 10, true);
    EXPECT_EQ(game.Fishkas.size(), pieces);
    EXPECT_TRUE(host.Has("log PutFishka on a covered frag"));
    runtime.PutPiece(Frag(3, 3), 10, true);
    EXPECT_EQ(game.Fishkas[PieceOn(Frag(3, 3))].State, fsGhost);
    EXPECT_EQ(game.RequiredMaskOf(Frag(3, 3)), 10);
}

TEST_F(LevelObjectsTest, PictureBombRemovesPicturesWithinReachAndStartsEffectsEvenOnHidden) {
    auto picture = [](const std::string& name, int row, int col, const std::string& image,
                      const std::string& extra) {
        return "<Picture name=\"" + name + "\" x=\"" + std::to_string(PictureX(col)) + "\" y=\"" +
               std::to_string(PictureY(row)) + "\" z=\"0\"" + extra + "><Image name=\"" + image +
               "\"/></Picture>";
    };
    Load({Scroll, Root, picture("A", 1, 1, "Rock", ""),
          picture("B", 1, 2, "Rock", " visible=\"false\""), picture("C", 1, 3, "Wide", "")});
    runtime.PictureBomb(50, 1040, "Rock", "Dust", 50);
    EXPECT_FALSE(objects.Pictures[0].Visible);
    EXPECT_TRUE(host.Has("surface effect Dust  50,1040"));
    EXPECT_TRUE(host.Has("surface effect Dust  90,1040")); // hidden B still gets its effect
    EXPECT_TRUE(objects.Pictures[2].Visible);              // another image: untouched
    runtime.PictureBomb(130, 1040, "", "Dust", 1);         // any image: C's corner is at 130
    EXPECT_FALSE(objects.Pictures[2].Visible);
}

TEST_F(LevelObjectsTest, FireSourcesKeepTheirRhythm) {
    Load({"<FireEffect name=\"Ember\" x=\"4\" y=\"5\" runevery=\"100\"/>",
          "<FireEffect name=\"Spark\" x=\"1\" y=\"1\" runevery=\"0\" followpic=\"Nobody\"/>",
          Root});
    runtime.RunFireSources(1100);
    EXPECT_EQ(host.Count("surface effect Ember"), 0); // not yet earlier than now
    runtime.RunFireSources(1101);
    runtime.RunFireSources(1102);
    EXPECT_EQ(host.Count("surface effect Ember  4,5"), 1);
    EXPECT_EQ(host.Count("surface effect Spark  1,1"), 3); // every tick, at its own point
}

TEST_F(LevelObjectsTest, GhostGroupPaysOnceAllGhostsAreCovered) {
    bonusTypes[1].PlusScore = 10;
    Load({Scroll, Root, "<GhostGroup>", "<GhostFishka " + At(1, 0) + " type=\"5\"/>",
          "<GGBonusProb>0 1</GGBonusProb>", "<GhostGroup>", "<GGBonusProb>0 1</GGBonusProb>"});
    runtime.CheckGhostGroups(2000);
    EXPECT_FALSE(objects.GhostGroups[0].Done);
    Lay(5, Frag(1, 0));
    EXPECT_TRUE(objects.GhostGroups[0].Done);
    int piece = PieceOn(Frag(1, 0));
    EXPECT_TRUE(host.Has("effect TwinkleFishka 0,0 " + std::to_string(piece)));
    EXPECT_EQ(game.Level.SquareGroup[game.SquareIndexOfFrag(Frag(1, 0))], 1);
    EXPECT_EQ(host.Count("effect GiveScore"), 1); // the empty group pays nothing
    EXPECT_FALSE(objects.GhostGroups[1].Done);
}

// Breaking or taking back a piece numbers the groups again from the twigs; a link brought back
// by its ghost group has no twig to the root and must not fall out of the root's group, or
// the level could never be finished.
TEST_F(LevelObjectsTest, LinkBroughtBackStaysJoinedWhenGroupsAreNumberedAgain) {
    Load({Scroll, Root, "<GhostGroup>", "<GhostFishka " + At(3, 3) + " type=\"5\"/>",
          "<GGBonusProb>0 1</GGBonusProb>"});
    Lay(5, Frag(3, 3));
    ASSERT_TRUE(objects.GhostGroups[0].Done);
    Lay(5, Frag(1, 0));
    game.HammerCount = 1;
    const TPoint at = geometry.FragAnchor(Frag(1, 0));
    game.HammerBoard({at.X + 7, at.Y - game.MapScroll + 245}, 4000);
    ASSERT_LT(PieceOn(Frag(1, 0)), 0);
    EXPECT_EQ(game.Level.SquareGroup[game.SquareIndexOfFrag(Frag(3, 3))], 1);
    Lay(5, Frag(1, 0));
    ASSERT_TRUE(game.TakePiece(PieceOn(Frag(1, 0)), {}, 5000)); // the piece just laid comes back
    EXPECT_EQ(game.Level.SquareGroup[game.SquareIndexOfFrag(Frag(3, 3))], 1);
    EXPECT_EQ(game.Fishkas[PieceOn(Frag(3, 3))].Group, 1);
}

TEST_F(LevelObjectsTest, GhostGroupGivesNoBonusDuringDemoPlaybackAndSkipsBlockedFrags) {
    bonusTypes[1].PlusScore = 10;
    Load({Scroll, Root, "<GhostGroup>", "<GGBonusProb>0 1</GGBonusProb>"});
    objects.GhostGroups[0].GhostFrags = {Frag(4, 4)};
    game.Level.SquareFrag.push_back(Frag(4, 4)); // a blocked square, no piece
    game.Level.SquareMask.push_back(0);
    game.Level.SquareGroup.push_back(1);
    game.Level.SquarePiece.push_back(-1);
    game.DemoPlaying = true;
    runtime.CheckGhostGroups(2000);
    EXPECT_TRUE(objects.GhostGroups[0].Done);
    EXPECT_EQ(host.Count("effect GiveScore"), 0);
    EXPECT_EQ(host.Count("effect TwinkleFishka"), 0);
}

TEST_F(LevelObjectsTest, GhostRectanglesIncludeTheirEdges) {
    Load({"<MakeGhostRect left=\"10\" top=\"20\" right=\"30\" bottom=\"40\"/>", Root});
    EXPECT_TRUE(runtime.InGhostRect(10, 20));
    EXPECT_TRUE(runtime.InGhostRect(30, 40));
    EXPECT_FALSE(runtime.InGhostRect(31, 40));
}

} // namespace
