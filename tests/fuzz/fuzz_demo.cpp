// "Demo.dat" as the title's Demo button plays it: the whole game on the headless platform over
// the built content, two seconds of the demo, then a key stops it and the title is back for the
// next input. The seeds keep their events within those two seconds.
#include "FuzzGame.h"
#include "FuzzInput.h"
#include "archive/SafeFile.h"
#include "interface/VexInterfaceObject.h"
#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

struct TDemoGame {
    TGameFolders Folders = FuzzGameFolders("demo");
    HeadlessClock Clock;
    HeadlessDisplay Display;
    HeadlessAudio Audio;
    HeadlessHost Host{Folders.User};
    Platform Platform_{Clock, Display, Audio, Host};
    TMainForm Form{Platform_, TMainFormOptions{7u, std::nullopt, Folders}};
    TGameLoop Loop{Form, Host};

    TDemoGame() {
        Form.FormCreate(true);
        Form.FormActivate();
        Frames(1);
    }
    // Frames of a tenth of a second: drawing is most of a frame's cost, and the demo's lines
    // come due by the clock whatever the frame rate.
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            Loop.RunOnce();
            Clock.Advance(100);
        }
    }
    void Push(EventType type, TPoint at, int key = 0) {
        PlatformEvent e;
        e.Type = type;
        e.X = at.X, e.Y = at.Y, e.Key = key;
        if (type != EventType::KeyDown && type != EventType::KeyUp) Host.Pointer = at;
        Host.Push(e);
    }
    void PlayDemo() {
        const TVexInterfaceObject* button = Form.Interface().FindInterfaceObject("BDemoWTitle");
        if (!button) std::abort(); // the built interface has the button
        const TPoint at{button->OriginLeft + button->Width / 2,
                        button->OriginTop + button->Height / 2};
        Push(EventType::MouseMove, at);
        Push(EventType::MouseDown, at);
        Push(EventType::MouseUp, at);
        Frames(1);
        for (int i = 0; i < 20 && Form.Game().DemoPlaying; ++i)
            Frames(1);
        Push(EventType::KeyDown, {}, vk::Space);
        Push(EventType::KeyUp, {}, vk::Space);
        Frames(1);
        if (Form.Game().DemoPlaying) std::abort(); // a key always stops a demo
    }
};

TDemoGame& Game() {
    static TDemoGame game;
    return game;
}

} // namespace

// The game's archives are prepared before the first input, outside its time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Game();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TDemoGame& game = Game();
    WriteFileAtomically(game.Folders.UserPath("Demo.dat"), FuzzText(data, size));
    game.PlayDemo();
    return 0;
}
