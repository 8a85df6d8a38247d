// The whole game on the headless platform with the built content.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "game/HeadlessGame.h"
#include "graphics/ResourceList.h"
#include "graphics/SurfEngine.h"
#include "interface/VexForm.h"
#include "interface/VexLabel.h"
#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

class GameScreen : public HeadlessGame {
  protected:
    // A level in progress without a level file: the feed deals the single-square pieces.
    void Play() { StartBareLevel(500); }
};

TEST_F(GameScreen, StartUpReachesTheTitleWithEveryCataloguedImageLoaded) {
    Start();
    ASSERT_NE(form.Interface().TopWindow(), nullptr);
    EXPECT_EQ(form.Interface().TopWindow()->Name, "WTitle");
    EXPECT_EQ(form.GameState(), gsTitle);
    ASSERT_NE(form.Resources(), nullptr);
    for (const ResourceEntry& entry : form.Resources()->Resources())
        EXPECT_GE(form.Surfaces().FindSurface(entry.Name), 0) << entry.Name;
    for (const char* name : {"MemorySurface", "Background", "MouseCursor", "GamePlay1"})
        EXPECT_GE(form.Surfaces().FindSurface(name), 0) << name;
    EXPECT_EQ(form.Game().PointerImage, PointerNormal);
    // The title is drawn, not a black frame, and the bird hovers near its place.
    EXPECT_GT(Differing(0, 0, 799, 599, 0), 400000);
    auto* bird = form.Interface().FindInterfaceObject("LBirdWTitle");
    ASSERT_NE(bird, nullptr);
    EXPECT_NEAR(bird->OriginLeft, 462, 8);
    EXPECT_NEAR(bird->OriginTop, 10, 10);
}

TEST_F(GameScreen, EveryHintLabelHasAnEnglishText) {
    Start();
    for (const char* name :
         {"LHintFirstTransparentFishka", "LHintLevelTop", "LHintSkillLive", "LHintSkillDropAccel",
          "LHintSkillLuckyTwig", "LHintSkillAmphora", "LHintSkillHammer", "LHintFirstTakeFishka",
          "LHintFirstTakeBonusFishka", "LHintFirstTakeQuestFishka", "LHintMatchingJoints",
          "LHintTransparentTwig", "LHintClosedLink", "LHintFishComb"}) {
        auto* label = dynamic_cast<TVexLabel*>(form.Interface().FindInterfaceObject(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_FALSE(label->Caption.empty()) << name;
    }
}

TEST_F(GameScreen, ClickingNewGameOpensTheStartDialog) {
    Start();
    for (EventType t : {EventType::MouseMove, EventType::MouseDown, EventType::MouseUp}) {
        PlatformEvent e;
        e.Type = t;
        e.X = 290, e.Y = 266;
        host.Push(e);
    }
    Frames(2);
    EXPECT_EQ(form.Interface().TopWindow()->Name, "WStartDialog");
}

TEST_F(GameScreen, ALevelInPlayFillsTheFeedAndCutsItAtColumn794) {
    Start();
    Play();
    Frames(3);
    EXPECT_GT(Differing(10, 10, 590, 480, 0), 100000); // the frame's play area
    const uint32_t frameAt795 = display.Pixel(796, 560);
    Frames(150); // five seconds
    TGame& g = form.Game();
    EXPECT_GE(g.Steck.size(), 8u);
    // The newest piece has just come in at x 799: nothing of it shows past column 794.
    ASSERT_FALSE(g.Steck.empty());
    EXPECT_EQ(display.Pixel(796, 560), frameAt795);
    // Frames of 33 ms move the feed 0.99 pixel each, 151 pixels since the first piece came.
    EXPECT_NEAR(g.Fishkas[g.Steck.front()].X, 799 - 153 * 0.99, 1.5);
    display.SavePng(folder.Path() + "play.png");
    if (const char* keep = std::getenv("QUORREL_KEEP_SHOTS")) display.SavePng(keep);
}

TEST_F(GameScreen, TheCountdownMarksGrowWithTheJam) {
    Start();
    Play();
    TGame& g = form.Game();
    g.Level.LoseTime = 2200;
    g.Overflowing = true;
    g.OverflowSince = clock.Now() - 1100;
    g.Level.TypeWeights.clear(); // nothing more arrives
    form.FormPaint();
    // round(1100 * 11 / 2200) = 6 marks, 8 pixels apart from y 578 upwards.
    const int h = form.ImageSize("ProgressOTT.png").Y;
    ASSERT_GT(h, 0);
    EXPECT_GT(Differing(784, 578 - 8 * 5, 790, 578 - 8 * 5 + h - 1, 0), 0);
    const uint32_t above = display.Pixel(786, 578 - 8 * 6 + 2);
    g.OverflowSince = clock.Now() - 2200;
    form.FormPaint();
    EXPECT_NE(display.Pixel(786, 578 - 8 * 6 + 2), above); // the seventh mark came
}

TEST_F(GameScreen, HintsFadeInAtTheirCornerAndWrapLongTexts) {
    Start();
    Play();
    form.ShowHint("LHintFirstTakeFishka", 10000);
    const THintBox& hint = form.Render().Hint;
    EXPECT_EQ(hint.Corner.X, 150);
    EXPECT_EQ(hint.Corner.Y, 20);
    EXPECT_GE(hint.Lines.size(), 2u);
    for (const std::string& line : hint.Lines)
        EXPECT_LE(form.Renderer().HintTextWidth(hint.CharSet, line), 300) << line;
    form.ShowHint("NoSuchLabel", 10000); // nothing changes
    EXPECT_EQ(hint.Lines.size(), form.Render().Hint.Lines.size());
}

TEST_F(GameScreen, LosingTheFocusKeepsTheSkillCountdown) {
    Start();
    Play();
    TGame& g = form.Game();
    g.LiveUntil = clock.Now() + 5000;
    Frames(3);
    const uint32_t left = g.LiveUntil - clock.Now();
    PlatformEvent e;
    e.Type = EventType::Deactivate;
    host.Push(e);
    Frames(1);
    clock.Advance(60000); // a minute away
    e.Type = EventType::Activate;
    host.Push(e);
    Frames(1);
    EXPECT_EQ(g.LiveUntil - clock.Now(), left - 33);
}

TEST_F(GameScreen, SixteenBitFramesRenderTheSameScreen) {
    display.RefusedDepths = {32};
    Start();
    EXPECT_EQ(display.BitsPerPixel(), 16);
    EXPECT_EQ(form.Surfaces().BitsPerPixel(), 16);
    EXPECT_GT(Differing(0, 0, 799, 599, 0), 400000);
}

TEST_F(GameScreen, AltEnterTwiceReturnsToTheWindowAndKeepsTheCheckBoxInStep) {
    Start();
    PlatformEvent e;
    e.Type = EventType::KeyDown;
    e.Key = 0x0D;
    e.Shift = 2; // Alt
    host.Push(e);
    Frames(1);
    EXPECT_TRUE(display.IsFullScreen());
    EXPECT_EQ(form.Settings.FullScreenMode, 1);
    host.Push(e);
    Frames(2);
    EXPECT_FALSE(display.IsFullScreen());
    EXPECT_EQ(form.Settings.FullScreenMode, 0);
    EXPECT_GT(Differing(0, 0, 799, 599, 0), 400000); // the images came back
}

TEST_F(GameScreen, TheFirstGhostHintWaitsForPlayWhereItCanBeSeen) {
    Start();
    Play();
    TGame& g = form.Game();
    g.ScrollTarget = g.ScrollTurn = g.MapScroll;
    TFishka ghost;
    ghost.Type = 1;
    ghost.X = 200;
    ghost.Y = g.MapScroll - 50; // whole in view, the map at rest
    ghost.State = fsGhost;
    ghost.Group = 1;
    g.AddFishka(ghost);
    // Between levels the ghosts are drawn into the background, where no hint box shows.
    g.GameState = gsBetweenLevels;
    form.RebuildBackground();
    Frames(2);
    EXPECT_TRUE(g.HintsPending.FirstTransparentFishka);
    g.GameState = gsPlaying;
    Frames(1);
    EXPECT_FALSE(g.HintsPending.FirstTransparentFishka);
    EXPECT_GT(form.Render().Hint.End, clock.Now()); // shown from now on, for ten seconds
}

// The laid pieces that look the same from frame to frame are drawn once and reused: a piece
// laid, hovered, darkened or taken away without a rebuilt background must still show in the
// very next frame, and a reused frame must look exactly like one drawn afresh.
TEST_F(GameScreen, ThePieceLayerFollowsTheBoardFromFrameToFrame) {
    Start();
    Play();
    TGame& g = form.Game();
    g.ScrollTarget = g.ScrollTurn = g.MapScroll;
    g.PointerPos = {300, 300}; // over the board: the feed leaves the hovered piece alone
    auto area = [&] {
        std::vector<uint32_t> pixels;
        for (int y = 100; y < 240; ++y)
            for (int x = 150; x < 300; ++x)
                pixels.push_back(display.Pixel(x, y));
        return pixels;
    };
    Frames(3);
    const std::vector<uint32_t> empty = area();
    TFishka f;
    f.Type = 1;
    f.X = 200;
    f.Y = g.MapScroll - 80; // on screen at y 170
    f.State = fsOnBoard;
    f.Group = 1;
    const int piece = g.AddFishka(f);
    Frames(1);
    const std::vector<uint32_t> laid = area();
    EXPECT_FALSE(laid == empty);
    Frames(3); // drawn once more, then from the stored layer
    EXPECT_TRUE(area() == laid);
    g.HoveredPiece = piece;
    Frames(1);
    EXPECT_FALSE(area() == laid);
    g.HoveredPiece = -1;
    Frames(1);
    EXPECT_TRUE(area() == laid);
    g.Fishkas[piece].Group = 2; // cut off from the first network: darker
    Frames(1);
    const std::vector<uint32_t> dark = area();
    EXPECT_FALSE(dark == laid);
    Frames(3);
    EXPECT_TRUE(area() == dark);
    g.RemoveFishka(piece);
    Frames(1);
    EXPECT_TRUE(area() == empty);
}

} // namespace
