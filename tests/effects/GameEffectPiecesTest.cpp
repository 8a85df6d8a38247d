#include <gtest/gtest.h>

#include "archive/Random.h"
#include "main/effects/GameEffectPieces.h"
#include "main/rules/Game.h"

namespace {

struct SizedHost : IGameHost {
    TPoint ImageSize(const std::string& name) override {
        return name == "quest.png" ? TPoint{20, 20} : TPoint{40, 30};
    }
};

struct World {
    TGeometry geo;
    std::vector<TBonusType> bonuses;
    Random random{1};
    SizedHost host;
    TGame game{geo, bonuses, random, host};
    TGameEffectPieces pieces{game};
    World() {
        geo.CompFishkaTypes.resize(2);
        geo.CompFishkaTypes[1].ImageName = "12.png";
        game.MapScroll = 1000;
        game.Level.QuestImage = "quest.png";
    }
    int Add(int state, int x, int y, bool quest = false) {
        TFishka f;
        f.Type = 1;
        f.State = state;
        f.X = x;
        f.Y = y;
        f.Quest = quest;
        return game.AddFishka(f);
    }
};

// Board pieces lie on the map; pieces in the hand, the feed and the bumper are on the screen
// already, so effects started at them must not be moved by the map scroll.
TEST(GameEffectPieces, ScreenPlaceByWhereThePieceIs) {
    World w;
    const int board = w.Add(fsOnBoard, 100, 1200);
    const int ghost = w.Add(fsGhost, 100, 1200);
    const int held = w.Add(fsHeld, 300, 250);
    const int feed = w.Add(fsInSteck, 40, 550);
    const int bumper = w.Add(fsInBumper, 615, 440);
    EXPECT_EQ(w.pieces.ScreenPosition(board), (TPoint{100, 1200 + 245 - 1000 + 5}));
    EXPECT_EQ(w.pieces.ScreenPosition(ghost), (TPoint{100, 450}));
    EXPECT_EQ(w.pieces.ScreenPosition(held), (TPoint{300, 250}));
    EXPECT_EQ(w.pieces.ScreenPosition(feed), (TPoint{40, 550}));
    EXPECT_EQ(w.pieces.ScreenPosition(bumper), (TPoint{615, 440}));
    EXPECT_EQ(w.pieces.Position(board), (TPoint{100, 1200}));
    EXPECT_EQ(w.pieces.Count(), 5);
}

TEST(GameEffectPieces, PictureCentreAndFlag) {
    World w;
    const int plain = w.Add(fsOnBoard, 0, 0);
    const int quest = w.Add(fsInSteck, 0, 0, true);
    EXPECT_EQ(w.pieces.SurfaceName(plain), "12.png");
    EXPECT_EQ(w.pieces.SurfaceName(quest), "quest.png"); // still hidden in the feed
    EXPECT_EQ(w.pieces.CentreOffset(plain), (TPoint{20, 15}));
    EXPECT_EQ(w.pieces.CentreOffset(quest), (TPoint{10, 10}));
    w.pieces.SetEffectAttached(plain, true);
    EXPECT_TRUE(w.game.Fishkas[plain].EffectAttached);
    w.pieces.SetEffectAttached(plain, false);
    EXPECT_FALSE(w.game.Fishkas[plain].EffectAttached);
}

} // namespace
