#include "RulesFixture.h"

using G = TSyntheticGeometry;

class ToolsTest : public RulesTest {
  protected:
    ToolsTest() {
        root = LevelPiece(G::Frag(0, 0), Bottom);
        game.Level.MapBottom = 3000;
        game.FindOpenEnds();
    }
    // The hammer pointer whose hot spot hits the middle of the frag.
    TPoint HammerOver(int frag) const {
        TPoint a = geometry.FragAnchor(frag);
        return {a.X + 20 - HammerHotSpot.X - 5,
                a.Y + 20 - game.MapScroll + 245 - HammerHotSpot.Y + 5};
    }
    TPoint ClipperOver(int frag) const {
        TPoint a = geometry.FragAnchor(frag);
        return {a.X + 20 - ClipperHotSpot.X,
                a.Y + 20 - game.MapScroll + 245 - ClipperHotSpot.Y + 5};
    }
    int Laid(int type, int frag) {
        Hold(type, frag);
        game.PlaceHeld(1000);
        EXPECT_EQ(game.HeldPiece, -1);
        return game.LastPlaced;
    }
    int root = -1;
};

TEST_F(ToolsTest, HammerRefusesRootsInitialLinksAndFixedPieces) {
    game.Fishkas[root].InitialGroup = 0;
    game.Fishkas[root].Root = true;
    int initial = LevelPiece(G::Frag(2, 3), Top);
    game.Fishkas[initial].InitialGroup = 1;
    int fixed = LevelPiece(G::Frag(3, 4), Top, fsFixed);
    game.HammerBoard(HammerOver(G::Frag(0, 0)), 0);
    game.HammerBoard(HammerOver(G::Frag(2, 3)), 0);
    game.HammerBoard(HammerOver(G::Frag(3, 4)), 0);
    for (int piece : {root, initial, fixed})
        EXPECT_TRUE(host.Has("effect UnableHammer " + std::to_string(piece))) << piece;
    EXPECT_EQ(game.HammerCount, 3);
    EXPECT_EQ(game.Fishkas.size(), 3u);
}

TEST_F(ToolsTest, HammerBreaksAPieceAndSplitsItsLink) {
    int first = Laid(Top | Bottom, G::Frag(1, 0));
    int second = Laid(Top | Bottom, G::Frag(2, 0));
    EXPECT_EQ(game.Fishkas[second].Group, 1);
    game.HammerCount = 1;
    game.PointerImage = PointerHammer;
    game.HammerBoard(HammerOver(G::Frag(1, 0)), 0);
    EXPECT_TRUE(host.Has("effect HammerFishka " + std::to_string(first)));
    EXPECT_TRUE(host.Has("effect HammerFishkaSound " + std::to_string(first)));
    ASSERT_EQ(game.Fishkas.size(), 2u);
    EXPECT_EQ(game.LastPlaced, 1); // the second piece moved down
    EXPECT_EQ(game.Fishkas[1].Group, 2);
    EXPECT_EQ(game.Level.SquarePiece, (TIntArray{0, 1}));
    EXPECT_EQ(game.HammerCount, 0);
    EXPECT_EQ(host.Captions["LHammerCountWGame"], "0");
    EXPECT_EQ(game.PointerImage, PointerNormal);
    // The map aims at the open end the hole left.
    EXPECT_EQ(game.ScrollTarget, G::BoardY + 245);
    game.HammerBoard(HammerOver(G::Frag(2, 0)), 0); // no hammers left
    EXPECT_EQ(game.Fishkas.size(), 2u);
}

// Lifting a piece off a square the level wants brings its ghost back, which appends to the
// piece list; the hammer used to read the piece through a reference that append had moved
// (AddressSanitizer sees it).
TEST_F(ToolsTest, HammerOnARequiredSquareLeavesItsGhost) {
    Ghost(G::Frag(1, 0), Top | Bottom);
    const int piece = Laid(Top | Bottom, G::Frag(1, 0));
    ASSERT_EQ(game.Fishkas.size(), 2u); // the ghost gave way to the piece
    game.Fishkas.shrink_to_fit();       // so that the ghost's return must move the list
    game.HammerBoard(HammerOver(G::Frag(1, 0)), 0);
    EXPECT_TRUE(host.Has("effect HammerFishka " + std::to_string(piece)));
    EXPECT_EQ(game.HammerCount, 2);
    ASSERT_EQ(game.Fishkas.size(), 2u);
    EXPECT_EQ(game.Fishkas[1].State, fsGhost);
    EXPECT_EQ(game.Fishkas[1].Type, Top | Bottom);
    EXPECT_EQ(game.Level.SquarePiece[game.SquareIndexOfFrag(G::Frag(1, 0))], 1);
}

TEST_F(ToolsTest, HammerInTheFeedSparesTheBumper) {
    game.NewFishkaInSteck();
    game.NewFishkaInSteck();
    game.Fishkas[game.Steck[1]].X = 300;
    int bumper = Hold(5, G::Frag(0, 0));
    game.PutInBumper(0);
    TPoint bumperAt{game.Fishkas[bumper].X + 10 - HammerHotSpot.X,
                    game.Fishkas[bumper].Y + 10 - HammerHotSpot.Y};
    game.HammerSteck(bumperAt, 0);
    EXPECT_EQ(game.BumperPiece, bumper);
    EXPECT_EQ(game.HammerCount, 3);
    TFishka target = game.Fishkas[game.Steck[1]];
    game.HammerSteck({target.X + 10 - HammerHotSpot.X, target.Y + 10 - HammerHotSpot.Y}, 0);
    EXPECT_EQ(game.Steck.size(), 1u);
    EXPECT_EQ(game.HammerCount, 2);
    EXPECT_EQ(game.BumperPiece, bumper - 1);
}

TEST_F(ToolsTest, ClipperMakesThePieceThatFitsItsNeighbours) {
    int loose = LevelPiece(G::Frag(1, 1), Left | Bottom);
    game.PointerImage = PointerClipper;
    EXPECT_EQ(game.ClipperFittedType(G::Frag(1, 0)), Top | Right);
    EXPECT_EQ(game.ClipPreviewType(G::Frag(1, 0)), Top | Right);
    EXPECT_EQ(game.ClipPreviewType(G::Frag(0, 0)), -1); // the level piece already fits so
    game.Clip(ClipperOver(G::Frag(1, 0)), 0);
    int made = static_cast<int>(game.Fishkas.size()) - 1;
    EXPECT_EQ(game.Fishkas[made].Type, Top | Right);
    EXPECT_EQ(game.Fishkas[made].State, fsOnBoard);
    EXPECT_EQ(game.Fishkas[made].X, G::BoardX);
    EXPECT_EQ(game.Fishkas[loose].Group, 1);
    EXPECT_TRUE(host.Has("effect ConnectLink " + std::to_string(loose)));
    EXPECT_TRUE(host.Has("effect ClipperFishkaNew " + std::to_string(made)));
    EXPECT_EQ(game.ClipperCount, 2);
    EXPECT_EQ(host.Captions["LClipperCountWGame"], "2");
}

TEST_F(ToolsTest, ClipperReshapesALaidSquare) {
    int piece = Laid(Top | Bottom, G::Frag(1, 0));
    LevelPiece(G::Frag(1, 1), Left | Bottom);
    game.Clip(ClipperOver(G::Frag(1, 0)), 0);
    EXPECT_EQ(game.Fishkas[piece].Type, Top | Right);
    EXPECT_EQ(game.Level.SquareMask[game.SquareIndexOfFrag(G::Frag(1, 0))], Top | Right);
    EXPECT_EQ(game.ClipperCount, 2);
    // Already the fitted type: nothing is used.
    game.Clip(ClipperOver(G::Frag(1, 0)), 0);
    EXPECT_EQ(game.ClipperCount, 2);
}

TEST_F(ToolsTest, ClipperOnAGhostLaysTheWantedMask) {
    int ghost = Ghost(G::Frag(3, 3), Left | Right);
    game.Clip(ClipperOver(G::Frag(3, 3)), 0);
    EXPECT_TRUE(host.Has("removed " + std::to_string(ghost)));
    int made = static_cast<int>(game.Fishkas.size()) - 1;
    EXPECT_EQ(game.Fishkas[made].Type, Left | Right);
    EXPECT_EQ(game.Fishkas[made].State, fsOnBoard);
    EXPECT_EQ(game.Level.SquareFrag.size(), 2u);
}

TEST_F(ToolsTest, ClipperRefusals) {
    // Nothing to fit to, a multi-square piece, a blocked square, a reshape on a required frag.
    game.Clip(ClipperOver(G::Frag(3, 3)), 0);
    EXPECT_EQ(game.ClipperCount, 3);
    game.Level.SquareFrag.push_back(G::Frag(1, 0));
    game.Level.SquareMask.push_back(0);
    game.Level.SquareGroup.push_back(1);
    game.Level.SquarePiece.push_back(-1);
    game.Clip(ClipperOver(G::Frag(1, 0)), 0);
    EXPECT_EQ(game.ClipperCount, 3);
    LevelPiece(G::Frag(0, 3), Bottom);
    LevelPiece(G::Frag(1, 3), TypeOf("double2"));
    game.Clip(ClipperOver(G::Frag(1, 3)), 0);
    EXPECT_EQ(game.ClipperCount, 3);
    EXPECT_EQ(game.Fishkas.size(), 3u);
}

// The preview offers only what a click makes: the level's own pieces and required squares
// already laid stay as they are, and the preview says so before the click.
TEST_F(ToolsTest, ThePreviewOffersOnlyWhatAClickMakes) {
    const int fixedPiece = LevelPiece(G::Frag(1, 0), Top | Bottom, fsFixed);
    LevelPiece(G::Frag(1, 1), Left | Bottom);
    EXPECT_EQ(game.ClipPreviewType(G::Frag(1, 0)), -1);
    game.Clip(ClipperOver(G::Frag(1, 0)), 0);
    EXPECT_EQ(game.Fishkas[fixedPiece].Type, Top | Bottom);

    const int laid = LevelPiece(G::Frag(3, 3), Left | Right);
    game.Level.RequiredFrag.push_back(G::Frag(3, 3));
    game.Level.RequiredMask.push_back(Left | Right);
    EXPECT_EQ(game.ClipPreviewType(G::Frag(3, 3)), -1);
    game.Clip(ClipperOver(G::Frag(3, 3)), 0);
    EXPECT_EQ(game.Fishkas[laid].Type, Left | Right);
    EXPECT_EQ(game.ClipperCount, 3);
}

TEST_F(ToolsTest, ClipperClosingALinkIsUndone) {
    int loose = LevelPiece(G::Frag(3, 3), Right);
    size_t pieces = game.Fishkas.size();
    game.Clip(ClipperOver(G::Frag(3, 4)), 0);
    EXPECT_TRUE(host.Has("hint LHintClosedLink 3000"));
    EXPECT_EQ(game.Fishkas.size(), pieces);
    EXPECT_EQ(game.ClipperCount, 3);
    EXPECT_EQ(game.Fishkas[loose].Group, 2);
    EXPECT_EQ(game.SquareIndexOfFrag(G::Frag(3, 4)), -1);
}

TEST_F(ToolsTest, ClipperFinishingTheLevelUsesNoClipper) {
    game.Clip(ClipperOver(G::Frag(1, 0)), 0);
    EXPECT_TRUE(game.LevelFinished);
    EXPECT_EQ(game.ClipperCount, 3);
    EXPECT_TRUE(host.Has("window WFinishLevelDialog"));
}
