#include "InputFixture.h"

using G = TSyntheticGeometry;

namespace {
constexpr int F3 = vk::F1 + 2, F4 = vk::F1 + 3, F5 = vk::F1 + 4, F6 = vk::F1 + 5, F7 = vk::F1 + 6,
              F8 = vk::F1 + 7;
}

class InputPointerTest : public InputTest {
  protected:
    // The pointer whose take point (x + 5, map y - 5) hits the middle of the frag.
    TPoint TakeOver(int frag) const {
        TPoint a = geometry.FragAnchor(frag);
        return {a.X + 15, a.Y + 25 - game.MapScroll + 245};
    }
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
    void MoveTo(TPoint p, uint32_t now = 0) { input.FormMouseMove(p.X, p.Y, now); }
    void Click(TPoint p, int button = ibLeft, uint32_t now = 0) {
        input.FormMouseDown(button, p.X, p.Y, now);
    }
};

TEST_F(InputPointerTest, DigitKeysTakeThatFeedPieceOrOnlyResetThePointer) {
    Feed(2);
    game.PointerImage = PointerHammer;
    MoveTo({300, 300});
    input.FormKeyDown(vk::Key0 + 3, 0, 0);
    EXPECT_EQ(game.PointerImage, PointerNormal);
    EXPECT_EQ(game.HeldPiece, -1);
    EXPECT_EQ(game.Steck.size(), 2u);

    int second = game.Steck[1];
    input.FormKeyDown(vk::Key0 + 2, 0, 0);
    ASSERT_EQ(game.HeldPiece, second);
    EXPECT_EQ(game.Fishkas[second].State, fsHeld);
    EXPECT_EQ(game.Fishkas[second].X, 280); // centred on the pointer
    EXPECT_EQ(game.Fishkas[second].Y, 280);
    EXPECT_EQ(game.Steck.size(), 1u);
    EXPECT_TRUE(host.Has("effect TakeFishka " + std::to_string(second)));
    // With a piece in the hand another digit takes nothing.
    input.FormKeyDown(vk::Key0 + 1, 0, 0);
    EXPECT_EQ(game.HeldPiece, second);
}

TEST_F(InputPointerTest, SpaceOnAnEmptyFeedMakesAPieceStraightIntoTheHand) {
    game.Level.FeedPeriod = 3000;
    game.HoveredPiece = 4;
    input.FormKeyDown(vk::Space, 0, 500);
    ASSERT_GE(game.HeldPiece, 0);
    EXPECT_TRUE(game.Steck.empty());
    EXPECT_EQ(game.NextFeedTime, 3500u);
    EXPECT_EQ(game.HoveredPiece, -1);

    // With a full feed Space takes the front piece and makes none.
    game.HeldPiece = -1;
    Feed(3);
    int front = game.Steck[0];
    size_t pieces = game.Fishkas.size();
    input.FormKeyDown(vk::Space, 0, 900);
    EXPECT_EQ(game.HeldPiece, front);
    EXPECT_EQ(game.Fishkas.size(), pieces);
    EXPECT_EQ(game.NextFeedTime, 3500u);
}

TEST_F(InputPointerTest, HammerOverARootPieceHighlightsNothingAndIsRefused) {
    int root = LevelPiece(G::Frag(0, 0), Bottom);
    game.Fishkas[root].Root = true;
    int other = LevelPiece(G::Frag(3, 3), Top);
    input.FormKeyDown(F3, 0, 0);
    ASSERT_EQ(game.PointerImage, PointerHammer);

    MoveTo(HammerOver(G::Frag(3, 3)));
    EXPECT_EQ(game.HoveredPiece, other);
    MoveTo(HammerOver(G::Frag(0, 0)));
    EXPECT_EQ(game.HoveredPiece, -1);
    Click(HammerOver(G::Frag(0, 0)));
    EXPECT_TRUE(host.Has("effect UnableHammer " + std::to_string(root)));
    EXPECT_EQ(game.HammerCount, 3);
    // A tool pointer keeps the click from the interface.
    EXPECT_EQ(ui.CountPrefix("ui down"), 0);
}

TEST_F(InputPointerTest, NormalPointerHoversOnlyTheLastLaidPieceOnTheBoard) {
    int old = LevelPiece(G::Frag(2, 2), Top);
    MoveTo(TakeOver(G::Frag(2, 2)));
    EXPECT_EQ(game.HoveredPiece, -1);
    game.LastPlaced = old;
    MoveTo(TakeOver(G::Frag(2, 2)));
    EXPECT_EQ(game.HoveredPiece, old);
    EXPECT_TRUE(ui.Has("ui move " + std::to_string(TakeOver(G::Frag(2, 2)).X) + "," +
                       std::to_string(TakeOver(G::Frag(2, 2)).Y)));
}

TEST_F(InputPointerTest, ToolButtonsNeedStockAndARightClickDropsTheTool) {
    game.HammerCount = 0;
    Click({650, 320});
    EXPECT_EQ(game.PointerImage, PointerNormal);
    game.HammerCount = 2;
    Click({630, 300}); // the corner belongs to the button
    EXPECT_EQ(game.PointerImage, PointerHammer);
    Click({775, 365});
    EXPECT_EQ(game.PointerImage, PointerClipper);
    Click({700, 550}, ibRight);
    EXPECT_EQ(game.PointerImage, PointerNormal);
    // The clipper pointer clicked beside the board simply goes back to the arrow.
    game.PointerImage = PointerClipper;
    Click({620, 200});
    EXPECT_EQ(game.PointerImage, PointerNormal);
}

TEST_F(InputPointerTest, RightClickTurnsTheHeldPieceBackwardWhileShiftIsDown) {
    int piece = Hold(TypeOf("12"), G::Frag(2, 2));
    Click({300, 300}, ibRight);
    EXPECT_EQ(game.Fishkas[piece].Type, TypeOf("23"));
    EXPECT_TRUE(host.Has("effect RotateFishka " + std::to_string(piece)));
    input.FormKeyDown(vk::Shift, shiftstate::Shift, 0);
    Click({300, 300}, ibRight);
    Click({300, 300}, ibRight);
    EXPECT_EQ(game.Fishkas[piece].Type, TypeOf("14"));
    input.FormKeyUp(vk::Shift);
    Click({300, 300}, ibRight);
    EXPECT_EQ(game.Fishkas[piece].Type, TypeOf("12"));
}

TEST_F(InputPointerTest, TheWheelTurnsTheHeldPieceWithoutAnEffect) {
    int piece = Hold(TypeOf("12"), G::Frag(2, 2));
    MoveTo({200, 200});
    input.FormMouseWheel(-120);
    EXPECT_EQ(game.Fishkas[piece].Type, TypeOf("23"));
    input.FormMouseWheel(120);
    input.FormMouseWheel(120);
    EXPECT_EQ(game.Fishkas[piece].Type, TypeOf("14"));
    EXPECT_EQ(game.Fishkas[piece].X, 180);
    EXPECT_FALSE(host.Has("effect RotateFishka " + std::to_string(piece)));
    // Without a piece in the hand the wheel does nothing.
    game.HeldPiece = -1;
    input.FormMouseWheel(120);
    EXPECT_EQ(game.Fishkas[piece].Type, TypeOf("14"));
}

TEST_F(InputPointerTest, ALeftClickInTheBumperAreaDropsTheHeldPiece) {
    int piece = Hold(TypeOf("1"), G::Frag(2, 2));
    Click({600, 400}, ibLeft, 100);
    EXPECT_EQ(game.BumperPiece, piece);
    EXPECT_EQ(game.HeldPiece, -1);
    EXPECT_TRUE(ui.Has("timers 100"));
    // Delete drops only while the bumper is empty.
    int next = Hold(TypeOf("1"), G::Frag(2, 2));
    input.FormKeyDown(vk::Delete, 0, 200);
    EXPECT_EQ(game.HeldPiece, next);
}

TEST_F(InputPointerTest, TheClipperPreviewComesBackWhenTheClipperIsChosenAgain) {
    LevelPiece(G::Frag(0, 0), Bottom | Right);
    MoveTo(ClipperOver(G::Frag(1, 0)));
    input.FormKeyDown(F4, 0, 0);
    ASSERT_EQ(game.PointerImage, PointerClipper);
    EXPECT_EQ(game.ClipPreviewFrag, G::Frag(1, 0));
    EXPECT_EQ(game.ClipPreview, TypeOf("1"));
    input.FormKeyDown(F4, 0, 0); // back to the arrow
    EXPECT_EQ(game.ClipPreview, -1);
    input.FormKeyDown(F4, 0, 0); // the pointer has not moved
    EXPECT_EQ(game.ClipPreview, TypeOf("1"));
    // After a clip the square holds that piece: nothing more to preview there.
    Click(ClipperOver(G::Frag(1, 0)));
    EXPECT_EQ(game.ClipperCount, 2);
    EXPECT_EQ(game.ClipPreview, -1);
}

TEST_F(InputPointerTest, ANormalClickOnAnEmptyBoardSpotHighlightsTheLevelPicture) {
    TPoint p = TakeOver(G::Frag(2, 2));
    Click(p);
    EXPECT_TRUE(ui.Has("ui down 0 " + std::to_string(p.X) + "," + std::to_string(p.Y)));
    EXPECT_EQ(ui.CountPrefix("highlight"), 1);
    EXPECT_EQ(game.HeldPiece, -1);
}

TEST_F(InputPointerTest, OutsidePlayTheClickGoesOnlyToTheInterface) {
    Feed(1);
    game.GameState = gsBetweenLevels;
    game.PointerImage = PointerHammer;
    TPoint p{game.Fishkas[game.Steck[0]].X + 10, 570};
    Click(p);
    EXPECT_EQ(ui.CountPrefix("ui down"), 1);
    EXPECT_EQ(game.Steck.size(), 1u);
    EXPECT_EQ(game.HeldPiece, -1);
}

TEST_F(InputPointerTest, DemoEventsAreRecordedWhileRecording) {
    game.DemoRecording = true;
    MoveTo({50, 60});
    Click({50, 60});
    input.FormMouseUp(ibLeft, 50, 60);
    Click({700, 550}, ibRight);
    input.FormMouseUp(ibRight, 700, 550);
    input.FormMouseWheel(120);
    std::vector<std::string> demo;
    for (const std::string& line : host.Log)
        if (line.rfind("demo ", 0) == 0) demo.push_back(line);
    EXPECT_EQ(demo,
              (std::vector<std::string>{"demo <MouseMove>", "demo <MouseLDown>", "demo <MouseLUp>",
                                        "demo <MouseRDown>", "demo <MouseRUp>"}));
}

// Playback knows forward turns only: a backward turn by Shift or by the wheel is recorded as
// the forward presses that reach the same type, so the replayed piece lies the same way.
TEST_F(InputPointerTest, BackwardTurnsAreRecordedAsTheForwardTurnsThatReachTheSameType) {
    int piece = Hold(TypeOf("12"), G::Frag(2, 2));
    game.DemoRecording = true;
    auto presses = [&] {
        int n = 0;
        for (const std::string& line : host.Log)
            n += line == "demo <MouseRDown>";
        host.Log.clear();
        return n;
    };
    auto replayed = [&](int from, int n) {
        game.Fishkas[piece].Type = static_cast<uint8_t>(from);
        for (int i = 0; i < n; ++i)
            input.ReplayPress(ibRight, 300, 300, 0);
        return static_cast<int>(game.Fishkas[piece].Type);
    };
    input.FormKeyDown(vk::Shift, shiftstate::Shift, 0);
    Click({300, 300}, ibRight);
    input.FormKeyUp(vk::Shift);
    const int back = game.Fishkas[piece].Type;
    EXPECT_EQ(back, TypeOf("14"));
    EXPECT_EQ(replayed(TypeOf("12"), presses()), back);
    input.FormMouseWheel(120); // away from the player: backward
    const int wheeled = game.Fishkas[piece].Type;
    EXPECT_EQ(replayed(back, presses()), wheeled);
    input.FormMouseWheel(-120);
    EXPECT_EQ(presses(), 1);
}

TEST_F(InputPointerTest, TouchingTheGameDuringDemoPlaybackStopsItAndDoesNothingElse) {
    game.DemoPlaying = true;
    game.PointerPos = {100, 100};
    Feed(2);
    MoveTo({103, 104}); // exactly 5 pixels off
    EXPECT_FALSE(ui.Has("stop demo"));
    EXPECT_EQ(game.PointerPos, (TPoint{100, 100}));
    MoveTo({106, 104});
    EXPECT_TRUE(ui.Has("stop demo"));
    ui.Log.clear();
    input.FormKeyDown(vk::Key0 + 1, 0, 0);
    EXPECT_EQ(ui.Log, (std::vector<std::string>{"stop demo"}));
    EXPECT_EQ(game.HeldPiece, -1);
    ui.Log.clear();
    Click({100, 100}, ibRight);
    EXPECT_EQ(ui.Log, (std::vector<std::string>{"stop demo"}));
}

class InputKeyTest : public InputPointerTest {
  protected:
    void Type(std::initializer_list<int> keys, uint32_t start, uint32_t step) {
        uint32_t now = start;
        for (int key : keys) {
            input.FormKeyDown(key, 0, now);
            now += step;
        }
    }
};

TEST_F(InputKeyTest, AKeyCodeTypedInTimeActsOnceAndTooSlowlyNotAtAll) {
    Type({F5, F6, F6, F7, F8}, 1000, 100);
    EXPECT_EQ(game.HammerCount, 7);
    EXPECT_EQ(host.Captions["LHammerCountWGame"], "7");
    // The last key comes 1600 ms after F5.
    Type({F5, F6, F6, F7}, 5000, 100);
    input.FormKeyDown(F8, 0, 6600);
    EXPECT_EQ(game.HammerCount, 7);
    // A wrong key ends the entry; the code must be started again.
    Type({F5, F6, F7, F7, F8}, 9000, 10);
    EXPECT_EQ(game.HammerCount, 7);
    Type({F5, F7, F7, F6, F8}, 12000, 10);
    EXPECT_EQ(game.ClipperCount, 7);
}

TEST_F(InputKeyTest, KeyCodesHaveUseLimitsUntilTheNextLevel) {
    for (int i = 0; i < 7; ++i)
        Type({F5, F6, F6, F7, F8}, 1000 + 2000 * i, 10);
    EXPECT_EQ(game.HammerCount, 3 + 5 * 4);
    input.ResetKeySequences();
    Type({F5, F6, F6, F7, F8}, 30000, 10);
    EXPECT_EQ(game.HammerCount, 3 + 6 * 4);
    EXPECT_EQ(input.Sequences().Table()[0].Used, 1);
}

TEST_F(InputKeyTest, OnlyTheF5ThatOpensACodeIsKeptFromTheInterface) {
    Type({F5, F6, F5}, 0, 10);
    EXPECT_EQ(ui.Log, (std::vector<std::string>{"ui key " + std::to_string(F6),
                                                "ui key " + std::to_string(F5)}));
    // Within an entry F5 is a key of the code (here a wrong one), not a new start.
    EXPECT_FALSE(input.Sequences().Active());
    input.FormKeyDown(F5, 0, 100);
    EXPECT_TRUE(input.Sequences().Active());
    EXPECT_EQ(ui.Log.size(), 2u);
}

TEST_F(InputKeyTest, EscapeOpensTheMenuAndResumingDoesNotCountTheMenuTime) {
    game.Overflowing = true;
    game.OverflowSince = 1000;
    game.LiveUntil = 9000;
    input.FormKeyDown(vk::Escape, 0, 5000);
    EXPECT_TRUE(ui.Has("show WMenu"));
    EXPECT_EQ(game.GameState, gsHalted);
    EXPECT_FALSE(host.Visible["LLiveCountWGame"]);
    EXPECT_FALSE(host.Visible["LDropAccelCounWGame"]);
    // Escape again, while the menu is open, changes nothing.
    input.FormKeyDown(vk::Escape, 0, 6000);
    EXPECT_EQ(ui.CountPrefix("show WMenu"), 1);
    input.BResumeWMenuMouseUp(8000);
    EXPECT_EQ(game.GameState, gsPlaying);
    EXPECT_EQ(game.OverflowSince, 4000u);
    EXPECT_EQ(game.LiveUntil, 12000u);
    EXPECT_TRUE(ui.Has("timers 8000"));
}

TEST_F(InputKeyTest, EnterAcceptsTheGameOverDialogAndAltEnterSwitchesTheDisplay) {
    input.FormKeyDown(vk::Return, 0, 0);
    EXPECT_FALSE(ui.Has("call BOkWGameOverDialogMouseUp"));
    ui.TopWindow = "WGameOverDialog";
    input.FormKeyDown(vk::Return, shiftstate::Alt, 0);
    EXPECT_TRUE(ui.Has("display"));
    EXPECT_FALSE(ui.Has("call BOkWGameOverDialogMouseUp"));
    input.FormKeyDown(vk::Return, 0, 0);
    EXPECT_TRUE(ui.Has("call BOkWGameOverDialogMouseUp"));
}

TEST_F(InputKeyTest, ToolKeysNeedStockAFreeHandAndTheArrow) {
    input.FormKeyDown(F3, 0, 0);
    EXPECT_EQ(game.PointerImage, PointerHammer);
    input.FormKeyDown(F3, 0, 0);
    EXPECT_EQ(game.PointerImage, PointerNormal);
    game.ClipperCount = 0;
    input.FormKeyDown(F4, 0, 0);
    EXPECT_EQ(game.PointerImage, PointerNormal);
    Hold(TypeOf("1"), G::Frag(2, 2));
    input.FormKeyDown(F3, 0, 0);
    EXPECT_EQ(game.PointerImage, PointerNormal);
    game.HeldPiece = -1;
    game.GameState = gsHalted;
    input.FormKeyDown(F3, 0, 0);
    EXPECT_EQ(game.PointerImage, PointerNormal);
}

TEST_F(InputKeyTest, DeveloperKeysAnswerOnlyWhenEnabled) {
    game.Level.CombSequence = {0, 1, 0};
    game.Level.CombPos = 2;
    input.FormKeyDown(vk::Next, 0, 0);
    input.FormKeyDown(F3, shiftstate::Ctrl, 0);
    EXPECT_EQ(game.MapScroll, 1000);
    EXPECT_EQ(game.Level.CombPos, 2);

    input.SetDeveloperKeys(true);
    input.FormKeyDown(vk::Next, 0, 0);
    EXPECT_EQ(game.MapScroll, 1020);
    EXPECT_EQ(game.ScrollTarget, 1020);
    input.FormKeyDown(vk::Prior, 0, 0);
    input.FormKeyDown(vk::Prior, 0, 0);
    EXPECT_EQ(game.MapScroll, 980);
    input.FormKeyDown(F3, shiftstate::Ctrl, 0);
    EXPECT_EQ(game.Level.CombPos, 0);            // wraps
    EXPECT_EQ(game.PointerImage, PointerNormal); // Ctrl+F3 is not the hammer key
    input.FormKeyDown(vk::F1 + 8, 0, 0);
    EXPECT_TRUE(ui.Has("fps"));
    input.FormKeyDown(F4, shiftstate::Ctrl, 0);
    EXPECT_TRUE(ui.Has("demo toggle"));

    Hold(TypeOf("1"), G::Frag(2, 2));
    input.FormKeyDown(vk::F1, shiftstate::Ctrl, 0);
    EXPECT_TRUE(game.LevelFinished);
    EXPECT_EQ(game.HeldPiece, -1);
    EXPECT_TRUE(host.Has("window WFinishLevelDialog"));
    input.FormKeyDown(vk::F1, shiftstate::Ctrl, 0);
    EXPECT_EQ(host.Count("window WFinishLevelDialog"), 1);
}

TEST_F(InputKeyTest, TheInGameButtonMakesAPieceAtOnce) {
    game.Level.FeedPeriod = 3000;
    input.BGenerateFishWGameMouseUp();
    EXPECT_EQ(game.Steck.size(), 1u);
}
