#include <algorithm>
#include <cmath>

#include "main/rules/Game.h"

namespace {
constexpr int MaxScrollSpeed = 127; // the speed is a signed byte; it must never wrap
}

// The finished map pans at twice the feed's speed; only the direction is kept between frames,
// so one long frame does not leave the pan fast for good.
void TGame::PanFinishedMap(uint32_t now) {
    if (FeedStep > 0) {
        if (MapScroll - 245 < Level.MapTop && ScrollSpeed < 0) ScrollSpeed = 2;
        if (Level.MapBottom < MapScroll + 240 && ScrollSpeed > 0) ScrollSpeed = -2;
        MapScroll += (ScrollSpeed > 0 ? 2 : ScrollSpeed < 0 ? -2 : 0) * FeedStep;
    }
    host_.SetButtonPicture("BOkWFinishLevelDialog", std::sin(now / 100.0) > 0 ? 0 : 1);
}

// Speeds up until the turning point, then slows down; passing the target stops there.
void TGame::ScrollTowardTarget() {
    if (MapScroll < ScrollTarget) {
        if (MapScroll < ScrollTurn)
            ScrollSpeed = std::min(ScrollSpeed + 1, MaxScrollSpeed);
        else if (MapScroll > ScrollTurn && ScrollSpeed > 1)
            --ScrollSpeed;
        if (ScrollSpeed == 0) ScrollSpeed = 1; // at the turning point from rest: keep going
        MapScroll += ScrollSpeed;
        if (MapScroll >= ScrollTarget) ScrollTarget = ScrollTurn = MapScroll, ScrollSpeed = 0;
    } else if (MapScroll > ScrollTarget) {
        if (MapScroll > ScrollTurn)
            ScrollSpeed = std::max(ScrollSpeed - 1, -MaxScrollSpeed);
        else if (MapScroll < ScrollTurn && ScrollSpeed < -1)
            ++ScrollSpeed;
        if (ScrollSpeed == 0) ScrollSpeed = -1;
        MapScroll += ScrollSpeed;
        if (MapScroll <= ScrollTarget) ScrollTarget = ScrollTurn = MapScroll, ScrollSpeed = 0;
    }
}

// Whole 1/30-second steps of the scroll for the frame's time; the fraction waits for the next
// frame. At rest nothing is saved up, so a new target always starts from a clean step.
void TGame::ScrollFor(double frameScale) {
    ScrollSteps += frameScale;
    for (; ScrollSteps >= 1; ScrollSteps -= 1)
        ScrollTowardTarget();
    if (MapScroll == ScrollTarget) ScrollSteps = 0;
}

void TGame::RefreshSkillLabels(uint32_t now) {
    bool live = now < LiveUntil && Mode != pmNoLose;
    if (live) host_.SetCaption("LLiveCountWGame", std::to_string((LiveUntil - now) / 1000));
    host_.SetVisible("LLiveCountWGame", live);
    bool drop = now < DropAccelUntil;
    if (drop)
        host_.SetCaption("LDropAccelCounWGame", std::to_string((DropAccelUntil - now) / 1000));
    host_.SetVisible("LDropAccelCounWGame", drop);
}

void TGame::LoseTest(uint32_t now) {
    if (Mode == pmNoLose) return;
    size_t n = Steck.size();
    if (n > 6) {
        bool jam = Fishkas[Steck[0]].X == 5 && Fishkas[Steck[n - 1]].X == Fishkas[Steck[n - 2]].X &&
                   !FeedMoved && now > LiveUntil;
        if (jam && !Overflowing) OverflowSince = now;
        Overflowing = jam;
    }
    if (Overflowing && now - OverflowSince > static_cast<uint32_t>(Level.LoseTime)) {
        GameState = gsHalted;
        SetPointer(PointerNormal);
        host_.ShowWindow("WGameOverDialog");
    }
}

void TGame::GameTick(uint32_t now, double frameScale) {
    if (now > WobbleTime + 200) {
        Wobble = Wobble == 1 ? -1 : Wobble + 1;
        WobbleTime += 200;
    }
    Pulse = RoundEven(std::sin(now / 250.0) * 64 + 100);
    bool changed = hooks_->UpdateEffects(now);
    int scrollBefore = MapScroll;
    if (LevelFinished) {
        PanFinishedMap(now);
    } else {
        ScrollFor(frameScale);
        if (now >= NextFeedTime && !DemoPlaying) {
            NewFishkaInSteck();
            NextFeedTime = now + Level.FeedPeriod;
        }
        RefreshSkillLabels(now);
        LoseTest(now);
    }
    if (MapScroll != scrollBefore) changed = true;
    if (now > BumperBlockedUntil) BumperIdle = false;
    if (hooks_->CyclePictures(now)) changed = true;
    if (changed) host_.RebuildBackground();
    hooks_->RunRepeatingEffects(now);
    hooks_->RunFireSources(now);
    hooks_->FollowMapScroll(MapScroll);
}

void TGame::PauseSkillTimers(uint32_t now) {
    if (skillsPaused_) return;
    livePauseStart_ = dropPauseStart_ = now;
    skillsPaused_ = true;
}

void TGame::ResumeSkillTimers(uint32_t now) {
    if (!skillsPaused_) return;
    LiveUntil += now - livePauseStart_;
    DropAccelUntil += now - dropPauseStart_;
    skillsPaused_ = false;
    RefreshSkillLabels(now);
}
