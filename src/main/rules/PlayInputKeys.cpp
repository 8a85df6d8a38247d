#include "main/rules/PlayInput.h"

void TPlayInput::TakeFromSteck(int position, uint32_t now) {
    if (game_.HeldPiece >= 0 || position >= static_cast<int>(game_.Steck.size())) return;
    game_.TakePiece(game_.Steck[position], game_.PointerPos, now);
}

// F3 and F4: the tool when the hand and the pointer are free and one is left, else the arrow.
void TPlayInput::ToolKey(const std::string& image, int stock, uint32_t now) {
    if (game_.PointerImage != PointerNormal || stock <= 0 || game_.HeldPiece >= 0) {
        SetPointer(PointerNormal);
        return;
    }
    SetPointer(image);
    FormMouseMove(game_.PointerPos.X, game_.PointerPos.Y, now);
}

void TPlayInput::FormKeyDown(int key, unsigned shift, uint32_t now) {
    if (game_.DemoPlaying) {
        host_.StopDemo();
        return;
    }
    bool entering = sequences_.Active();
    if (entering) {
        int done = sequences_.Feed(key, now);
        if (done) SequenceActs(done, now);
    }
    bool alt = shift & shiftstate::Alt, ctrl = shift & shiftstate::Ctrl;
    bool playing = game_.GameState == gsPlaying;
    if (key >= vk::Key0 + 1 && key <= vk::Key0 + 9) {
        SetPointer(PointerNormal);
        TakeFromSteck(key - vk::Key0 - 1, now);
    }
    if (key == vk::Escape && playing) {
        SetPointer(PointerNormal);
        host_.ShowModal("WMenu");
        BMenuWGameMouseUp(now);
    }
    if (key == vk::Return && !alt && host_.TopWindowName() == "WGameOverDialog")
        host_.CallMethod("BOkWGameOverDialogMouseUp");
    if (key == vk::Space) {
        SetPointer(PointerNormal);
        if (game_.HeldPiece < 0) {
            if (game_.Steck.empty()) {
                game_.NewFishkaInSteck();
                game_.NextFeedTime = now + game_.Level.FeedPeriod;
            }
            TakeFromSteck(0, now);
        }
        game_.HoveredPiece = -1;
    }
    if (key == vk::Return && alt) host_.SwitchDisplayMode();
    if (key == vk::Shift) ShiftDown = true;
    if (key == vk::F1 + 2 && !ctrl && playing) ToolKey(PointerHammer, game_.HammerCount, now);
    if (key == vk::F1 + 3 && !ctrl && playing) ToolKey(PointerClipper, game_.ClipperCount, now);
    if (key == vk::Delete && game_.HeldPiece >= 0 && game_.BumperPiece < 0) game_.PutInBumper(now);
    if (key == vk::F1 + 4 && !entering) {
        sequences_.Start(now);
        return; // the key that opens a sequence goes nowhere else
    }
    if (DeveloperKeys) DeveloperKey(key, shift, now);
    host_.InterfaceKeyDown(key, shift);
}

void TPlayInput::DeveloperKey(int key, unsigned shift, uint32_t now) {
    bool ctrl = shift & shiftstate::Ctrl;
    IGameHost& host = game_.Host();
    if (key == vk::Prior || key == vk::Next) {
        int step = key == vk::Prior ? -20 : 20;
        game_.MapScroll += step;
        game_.ScrollTarget += step;
        host.RebuildBackground();
    }
    if (key == vk::F1 + 2 && ctrl) {
        TLevel& L = game_.Level;
        int count = static_cast<int>(L.CombSequence.size());
        if (count > 0) L.CombPos = L.CombPos + 1 >= count ? 0 : L.CombPos + 1;
        host.RebuildBackground();
    }
    if (key == vk::F1 + 3 && ctrl) host_.ToggleDemoRecording(now);
    // Finishing twice, or outside a level, would pay a level out twice.
    if (key == vk::F1 && ctrl && game_.GameState == gsPlaying && !game_.LevelFinished) {
        if (game_.HeldPiece >= 0) {
            int held = game_.HeldPiece;
            game_.HeldPiece = -1;
            game_.RemoveFishka(held);
        }
        game_.LevelFinished = true;
        game_.ScrollSpeed = -2;
        game_.FinishLevel(now);
    }
    if (key == vk::F1 + 1 && ctrl) {
        host_.ToggleBlockedSquares();
        host.RebuildBackground();
    }
    if (key == vk::F1 + 8) host_.ToggleFrameRate();
}

void TPlayInput::SequenceActs(int sequence, uint32_t now) {
    IGameHost& host = game_.Host();
    if (sequence == 1) {
        game_.HammerCount += 4;
        host.SetCaption("LHammerCountWGame", std::to_string(game_.HammerCount));
        game_.GiveBonus(0, now);
    } else if (sequence == 2) {
        game_.ClipperCount += 4;
        host.SetCaption("LClipperCountWGame", std::to_string(game_.ClipperCount));
        game_.GiveBonus(2, now);
    } else if (sequence == 3) {
        game_.GiveBonus(1, now);
    }
}

void TPlayInput::BMenuWGameMouseUp(uint32_t now) {
    if (game_.GameState != gsHalted) menuOpenedAt_ = now;
    menuOpen_ = true;
    game_.GameState = gsHalted;
    game_.PauseSkillTimers(now);
    game_.Host().SetVisible("LLiveCountWGame", false);
    game_.Host().SetVisible("LDropAccelCounWGame", false);
}

void TPlayInput::BResumeWMenuMouseUp(uint32_t now) {
    game_.GameState = gsPlaying;
    game_.Host().RebuildBackground();
    // The time in the menu does not count toward losing.
    if (menuOpen_ && game_.Overflowing) game_.OverflowSince += now - menuOpenedAt_;
    menuOpen_ = false;
    game_.ResumeSkillTimers(now);
    game_.WobbleTime = now;
    host_.RestartLevelTimers(now);
}

void TPlayInput::BGenerateFishWGameMouseUp() {
    game_.NewFishkaInSteck();
}
