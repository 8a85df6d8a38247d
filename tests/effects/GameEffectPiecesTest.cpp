#include <gtest/gtest.h>

#include "EffectTestKit.h"
#include "archive/Random.h"
#include "main/effects/EffectRuntime.h"
#include "main/effects/GameEffectPieces.h"
#include "main/rules/Game.h"

namespace {

struct SizedHost : TQuietGameHost {
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

// As the main form joins them: rules start effects at pieces, the tick retires them and hands
// the pieces back to the board layer, the level's rain falls by the level's name.
TEST(GameEffectPieces, FromTheRulesToTheFrame) {
    World w;
    auto engine = FrameEngine();
    AddSprite(*engine, "12.png", 40, 30, 0x00FF00);
    TEffectList& list = EffectListOf(*engine);
    list.SetPieces(&w.pieces);
    TEffectTypes types;
    TEffectRuntime rt(types, list, w.random);
    types.LoadFromText("[effecttype] ConnectLink create\n[effect]\n[surfname] %Fishka1\n"
                       "[fishkaundereffect] %fishka1\n[shiftx] %fishka1\n[shifty] %fishka1\n"
                       "[timetolive] 500\n[transbegin] 255\n[transend] 255\n"
                       "[effecttype] Drizzle\n[effect]\n[raineffect]\n[rainwidth] 10\n"
                       "[rainheight] 10\n[rainspeed] 100\n[rainbornevery] 10\n"
                       "[raintimetowork] 1000\n",
                       0);
    const int piece = w.Add(fsOnBoard, 100, 1200);
    rt.StartEffect("ConnectLink", {}, piece, -1, 10);
    EXPECT_TRUE(w.game.Fishkas[piece].EffectAttached);
    w.game.MapScroll = 1100; // the map scrolls: the piece's copy rides along
    list.FollowPieces();
    list.DrawEffects(*engine, w.game.MapScroll - 245, 20);
    EXPECT_EQ(FramePixel(*engine, 100, 1200 + 245 - 1100 + 5), 0x00FF00u);
    EXPECT_FALSE(list.UpdateEffects(100, *engine));
    EXPECT_TRUE(list.UpdateEffects(510, *engine));
    EXPECT_FALSE(w.game.Fishkas[piece].EffectAttached);

    w.game.Level.RainEffect = "Drizzle";
    rt.RestartEffectTypes(2000); // the level starts
    rt.RunLevelEffect(w.game.Level.RainEffect, 2011);
    EXPECT_EQ(list.Count(), 1);
}

} // namespace
