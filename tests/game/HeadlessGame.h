#pragma once
// The whole game on the headless platform with the built content, one frame of 33 ms at a time.
#include <gtest/gtest.h>

#include "../shell/TestGameFolder.h"
#include "interface/VexForm.h"
#include "interface/VexInterfaceObject.h"
#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

class HeadlessGame : public ::testing::Test {
  protected:
    // A level in progress without a level file: the feed deals the single-square pieces, the
    // first at once and then one every feedPeriod ms.
    void StartBareLevel(int feedPeriod) {
        TGame& g = form.Game();
        g.ResetLevel(clock.Now());
        g.Level.TypeWeights.assign(16, 1);
        g.Level.FeedPeriod = feedPeriod;
        g.NextFeedTime = clock.Now();
        g.GameState = gsPlaying;
        form.Interface().ChangeModal("WGame");
        form.RebuildBackground();
    }
    HeadlessGame()
        : host(folder.WithContent().Path()), platform{clock, display, audio, host},
          form(platform, TMainFormOptions{7u, std::nullopt}), loop(form, host) {}

    void Start() {
        form.FormCreate(true);
        form.FormActivate();
        Frames(1);
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            loop.RunOnce();
            clock.Advance(33);
        }
    }
    void Push(EventType type, int x = 0, int y = 0, int key = 0,
              MouseButton button = MouseButton::Left) {
        PlatformEvent e;
        e.Type = type;
        e.Button = button;
        e.X = x, e.Y = y, e.Key = key;
        if (type == EventType::MouseMove || type == EventType::MouseDown) host.Pointer = {x, y};
        host.Push(e);
    }
    // A left click, then two frames.
    void Click(int x, int y) {
        Push(EventType::MouseMove, x, y);
        Push(EventType::MouseDown, x, y);
        Push(EventType::MouseUp, x, y);
        Frames(2);
    }
    void RightClick(int x, int y) {
        Push(EventType::MouseDown, x, y, 0, MouseButton::Right);
        Push(EventType::MouseUp, x, y, 0, MouseButton::Right);
        Frames(1);
    }
    // A click at the middle of a named interface object; false when there is none.
    bool ClickObject(const std::string& name) {
        const TVexInterfaceObject* o = form.Interface().FindInterfaceObject(name);
        if (!o) return false;
        Click(o->OriginLeft + o->Width / 2, o->OriginTop + o->Height / 2);
        return true;
    }
    void Key(int key) {
        Push(EventType::KeyDown, 0, 0, key);
        Push(EventType::KeyUp, 0, 0, key);
        Frames(1);
    }
    std::string TopWindow() {
        const TVexForm* top = form.Interface().TopWindow();
        return top ? top->Name : std::string();
    }
    int Differing(int x0, int y0, int x1, int y1, uint32_t colour) const {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += display.Pixel(x, y) != colour;
        return n;
    }

    TestGameFolder folder;
    HeadlessClock clock;
    HeadlessDisplay display;
    HeadlessAudio audio;
    HeadlessHost host;
    Platform platform;
    TMainForm form;
    TGameLoop loop;
};
