// A game played the way a player plays it: the title, the start dialog, the first level with
// the feed, the bumper and the clipper, the finish, the between-level menu and the next level.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/HeadlessGame.h"
#include "graphics/SurfEngine.h"
#include "main/effects/EffectList.h"
#include "main/shell/GameSession.h"
#include "platform/VirtualKeys.h"

namespace {

class PlayThrough : public HeadlessGame {
  protected:
    void NewGame() {
        Start();
        ASSERT_TRUE(ClickObject("BNewWTitle"));
        ASSERT_EQ(TopWindow(), "WStartDialog");
        ASSERT_TRUE(ClickObject("BPlayWStartDialog"));
        WhileTheMapScrolls();
    }
    // The map comes into view from below; the player waits for it to stand still.
    void WhileTheMapScrolls() {
        const TGame& g = form.Game();
        for (int i = 0; i < 600 && g.MapScroll != g.ScrollTarget; ++i)
            Frames(1);
        ASSERT_EQ(g.MapScroll, g.ScrollTarget);
    }
    // Where to point the clipper so that it works on the frag.
    TPoint ClipperPointFor(int frag) {
        const TGame& g = form.Game();
        const TPoint a = g.Geometry().FragAnchor(frag);
        return {a.X + 20 - ClipperHotSpot.X, a.Y + 20 + 245 - g.MapScroll + 5 - ClipperHotSpot.Y};
    }
    // Closes every open end with the clipper, one click each; the first level has more ends
    // than the starting kit has clippers, so the player is handed one for each.
    void ClipEveryOpenEnd() {
        TGame& g = form.Game();
        g.ClipperCount = std::max<int>(g.ClipperCount, static_cast<int>(g.Level.Lights.size()));
        for (int guard = 0; guard < 8 && !g.Level.Lights.empty() && !g.LevelFinished; ++guard) {
            const int frag = g.Level.Lights.front().Frag;
            ASSERT_GE(g.ClipPreviewType(frag), 0) << "the clipper cannot close frag " << frag;
            if (g.PointerImage != PointerClipper) Key(vk::F1 + 3);
            ASSERT_EQ(g.PointerImage, PointerClipper);
            const TPoint at = ClipperPointFor(frag);
            Click(at.X, at.Y);
        }
    }
    // Turns the held piece and moves it over the open ends until it fits at one; true when it
    // does, with the pointer left there.
    bool FindAPlaceForTheHeldPiece() {
        TGame& g = form.Game();
        for (int turn = 0; turn < 4; ++turn) {
            for (const TLight& light : std::vector<TLight>(g.Level.Lights)) {
                const TPoint a = g.Geometry().FragAnchor(light.Frag);
                for (int dy = -40; dy <= 40; dy += 20)
                    for (int dx = -40; dx <= 40; dx += 20) {
                        Push(EventType::MouseMove, a.X + 20 + dx,
                             a.Y + 20 + dy + 250 - g.MapScroll);
                        Frames(1);
                        if (!g.HeldFits) continue;
                        const TIntArray frags = g.FitTest(g.HeldPiece).Frags;
                        if (std::find(frags.begin(), frags.end(), light.Frag) != frags.end())
                            return true;
                    }
            }
            RightClick(g.PointerPos.X, g.PointerPos.Y);
        }
        return false;
    }
    int AudioCalls(const std::string& prefix) const {
        return static_cast<int>(
            std::count_if(audio.Calls.begin(), audio.Calls.end(),
                          [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }
    int PlayAreaColours() {
        std::vector<uint32_t> seen;
        for (int y = 10; y < 480; y += 7)
            for (int x = 10; x < 590; x += 7)
                if (std::find(seen.begin(), seen.end(), display.Pixel(x, y)) == seen.end())
                    seen.push_back(display.Pixel(x, y));
        return static_cast<int>(seen.size());
    }
};

TEST_F(PlayThrough, PlayStartsTheFirstLevelWithItsSceneryAndFeed) {
    NewGame();
    TGame& g = form.Game();
    EXPECT_EQ(g.GameState, gsPlaying);
    EXPECT_EQ(TopWindow(), "WGame");
    EXPECT_EQ(form.CurrentLevel(), 0);
    ASSERT_FALSE(g.Fishkas.empty()) << "the level's root piece";
    EXPECT_FALSE(g.Level.Lights.empty());
    ASSERT_NE(form.Session(), nullptr);
    EXPECT_FALSE(form.Session()->Objects().Pictures.empty());
    // The scenery is drawn: a sky, trees and ferns make many colours, an empty board few.
    EXPECT_GT(PlayAreaColours(), 50);
    // The title's music gave way to the level's.
    EXPECT_GE(AudioCalls("MusicPlay"), 2);
    const int sounds = AudioCalls("SamplePlay");
    // Space takes the front of the feed (dealing one at once when it is empty), with sparkles.
    const int effects = EffectListOf(form.Surfaces()).Count();
    Key(vk::Space);
    ASSERT_GE(g.HeldPiece, 0);
    EXPECT_GT(EffectListOf(form.Surfaces()).Count(), effects);
    const int held = g.HeldPiece;
    // The held piece follows the pointer; the wheel turns it.
    Push(EventType::MouseMove, 300, 200);
    Frames(1);
    EXPECT_NEAR(g.Fishkas[held].X + g.PieceImageSize(held).X / 2, 300, 1);
    const int type = g.Fishkas[held].Type;
    PlatformEvent wheel;
    wheel.Type = EventType::MouseWheel;
    wheel.WheelDelta = -120;
    host.Push(wheel);
    Frames(1);
    EXPECT_EQ(g.HeldPiece, held);
    EXPECT_NE(g.Fishkas[held].Type, type) << "turning changes the piece's type";
    // Laid over an open end where it fits, it leaves the hand with an effect of its own.
    ASSERT_TRUE(FindAPlaceForTheHeldPiece());
    const int onBoard = EffectListOf(form.Surfaces()).Count();
    Click(g.PointerPos.X, g.PointerPos.Y);
    EXPECT_EQ(g.HeldPiece, -1);
    EXPECT_EQ(g.Fishkas[held].State, fsOnBoard);
    EXPECT_GT(EffectListOf(form.Surfaces()).Count(), onBoard);
    EXPECT_GE(AudioCalls("SamplePlay"), sounds + 2) << "taking and laying are heard";

    // The hammer breaks it again, with its own effect; the arrow comes back after the blow.
    TPoint square{-1, -1}; // the map point in the middle of one of its squares
    for (size_t k = 0; k < g.Level.SquarePiece.size(); ++k)
        if (g.Level.SquarePiece[k] == held) square = g.Geometry().FragAnchor(g.Level.SquareFrag[k]);
    ASSERT_GE(square.X, 0);
    const TPoint laidAt{square.X + 15, square.Y + 25 + 245 - g.MapScroll};
    const int pieces = static_cast<int>(g.Fishkas.size()), hammers = g.HammerCount;
    Key(vk::F1 + 2);
    ASSERT_EQ(g.PointerImage, PointerHammer);
    const int beforeBlow = EffectListOf(form.Surfaces()).Count();
    Click(laidAt.X - HammerHotSpot.X, laidAt.Y - HammerHotSpot.Y);
    EXPECT_EQ(static_cast<int>(g.Fishkas.size()), pieces - 1);
    EXPECT_EQ(g.HammerCount, hammers - 1);
    EXPECT_GT(EffectListOf(form.Surfaces()).Count(), beforeBlow);
    if (g.PointerImage != PointerNormal) RightClick(300, 300);

    // The next piece: Delete drops it into the bumper, which carries it away.
    Key(vk::Space);
    ASSERT_GE(g.HeldPiece, 0);
    const int dropped = g.HeldPiece;
    Key(vk::Delete);
    EXPECT_EQ(g.HeldPiece, -1);
    EXPECT_EQ(g.BumperPiece, dropped);
}

TEST_F(PlayThrough, TheFirstLevelIsFinishedAndTheSecondFollows) {
    NewGame();
    TGame& g = form.Game();
    ASSERT_EQ(g.GameState, gsPlaying);
    const int clippers = g.ClipperCount;
    ClipEveryOpenEnd();
    EXPECT_LT(g.ClipperCount, clippers);
    // Clipping makes effects on the board.
    EXPECT_GT(EffectListOf(form.Surfaces()).Count(), 0);
    Frames(10);
    ASSERT_TRUE(g.LevelFinished) << g.Level.Lights.size() << " open ends left";
    EXPECT_EQ(TopWindow(), "WFinishLevelDialog");
    EXPECT_EQ(g.PointerImage, PointerNormal) << "the dialog takes the first click";
    const int score = g.Level.LevelScore;

    ASSERT_TRUE(ClickObject("BOkWFinishLevelDialog"));
    EXPECT_EQ(TopWindow(), "WBetweenLevelMenu");
    EXPECT_EQ(g.GameState, gsBetweenLevels);
    EXPECT_EQ(form.CurrentLevel(), 1);
    EXPECT_EQ(form.TotalScore(), score);
    Frames(5);

    ASSERT_TRUE(ClickObject("BNextLevelWBetweenLevelMenu"));
    WhileTheMapScrolls();
    EXPECT_EQ(g.GameState, gsPlaying);
    EXPECT_EQ(TopWindow(), "WGame");
    EXPECT_EQ(form.CurrentLevel(), 1);
    EXPECT_FALSE(g.LevelFinished);
    EXPECT_FALSE(g.Level.Lights.empty());
}

TEST_F(PlayThrough, AnAbandonedLevelIsPlayedAgainWithTheToolsItStartedWith) {
    NewGame();
    TGame& g = form.Game();
    ClipEveryOpenEnd();
    Frames(10);
    ASSERT_TRUE(g.LevelFinished);
    ASSERT_TRUE(ClickObject("BOkWFinishLevelDialog"));
    ASSERT_TRUE(ClickObject("BNextLevelWBetweenLevelMenu"));
    WhileTheMapScrolls();
    ASSERT_EQ(form.CurrentLevel(), 1);
    const int clippers = g.ClipperCount, hammers = g.HammerCount;
    // The rain of the second level falls.
    Frames(20);
    EXPECT_GT(EffectListOf(form.Surfaces()).Count(), 0);

    // A clipper spent, then the level given up from the menu.
    const int frag = g.Level.Lights.front().Frag;
    Key(vk::F1 + 3);
    const TPoint at = ClipperPointFor(frag);
    Click(at.X, at.Y);
    ASSERT_EQ(g.ClipperCount, clippers - 1);
    Key(vk::Escape);
    ASSERT_TRUE(ClickObject("BAbortWMenu"));
    ASSERT_TRUE(ClickObject("BOkWAbortLivelDialog"));
    EXPECT_EQ(TopWindow(), "WBetweenLevelMenu");
    EXPECT_EQ(g.GameState, gsBetweenLevels);
    EXPECT_EQ(g.ClipperCount, clippers);
    EXPECT_EQ(g.HammerCount, hammers);

    ASSERT_TRUE(ClickObject("BNextLevelWBetweenLevelMenu"));
    WhileTheMapScrolls();
    EXPECT_EQ(g.GameState, gsPlaying);
    EXPECT_EQ(form.CurrentLevel(), 1);
    EXPECT_EQ(g.ClipperCount, clippers);
    EXPECT_TRUE(std::any_of(g.Level.Lights.begin(), g.Level.Lights.end(), [frag](const TLight& l) {
        return l.Frag == frag;
    })) << "the clipped end is open again";
}

TEST_F(PlayThrough, SkillHintsExplainTheMenusSkillsAndNothingOnTheTitle) {
    NewGame();
    TGame& g = form.Game();
    ClipEveryOpenEnd();
    Frames(10);
    ASSERT_TRUE(ClickObject("BOkWFinishLevelDialog"));
    ASSERT_EQ(TopWindow(), "WBetweenLevelMenu");
    // The pointer rests on the first skill: its hint shows after half a second.
    Push(EventType::MouseMove, 90, 100);
    Frames(25);
    EXPECT_TRUE(form.Render().SkillHintActive);
    EXPECT_FALSE(form.Render().SkillHintText.empty());

    ASSERT_TRUE(ClickObject("BMainMenuWBetweenLevelMenu"));
    ASSERT_EQ(TopWindow(), "WTitle");
    ASSERT_EQ(g.GameState, gsBetweenLevels); // until a new game starts
    Push(EventType::MouseMove, 90, 101);
    Frames(25);
    EXPECT_TRUE(form.Render().SkillHintText.empty());
}

TEST_F(PlayThrough, EscapeOpensTheMenuAndAbandoningReturnsToTheTitle) {
    NewGame();
    TGame& g = form.Game();
    Key(vk::Escape);
    EXPECT_EQ(TopWindow(), "WMenu");
    ASSERT_TRUE(ClickObject("BResumeWMenu"));
    EXPECT_EQ(TopWindow(), "WGame");
    EXPECT_EQ(g.GameState, gsPlaying);
    Key(vk::Escape);
    ASSERT_TRUE(ClickObject("BAbortWMenu"));
    EXPECT_EQ(TopWindow(), "WAbortLivelDialog");
    ASSERT_TRUE(ClickObject("BOkWAbortLivelDialog"));
    Frames(2);
    EXPECT_NE(g.GameState, gsPlaying);
}

} // namespace
