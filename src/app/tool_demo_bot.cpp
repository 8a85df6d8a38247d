// The demo author: a headless player that leaves an events file behind.
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/DemoBot.h"
#include "app/HeadlessRun.h"
#include "app/ToolCommands.h"
#include "interface/VexInterfaceObject.h"
#include "main/levels/GameSnapshot.h"
#include "main/levels/LevelBot.h"
#include "main/shell/GameSession.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr uint32_t FrameMs = 33;

class TBot {
  public:
    explicit TBot(const TDemoBotOptions& o)
        : game_(ToolGameFolders(o.Dir), TMainFormOptions{o.Seed, std::nullopt}) {
        game_.Start();
    }

    std::vector<std::string> Lines;
    TMainForm& Form() { return game_.Form; }
    TGame& Game() { return game_.Form.Game(); }

    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            game_.Loop.RunOnce();
            game_.Clock.Advance(FrameMs);
            elapsed_ += FrameMs;
        }
    }
    // The pointer glides to the point, a few frames a step, as a hand moves.
    void MoveTo(TPoint to) {
        const TPoint from = pointer_;
        const int steps =
            std::clamp(static_cast<int>(std::hypot(to.X - from.X, to.Y - from.Y) / 40), 1, 12);
        for (int i = 1; i <= steps; ++i) {
            pointer_ = {from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps};
            Mouse(EventType::MouseMove, "move", MouseButton::Left);
            Frames(1);
        }
    }
    void Click(TPoint at, bool right = false) {
        MoveTo(at);
        Frames(6);
        const MouseButton b = right ? MouseButton::Right : MouseButton::Left;
        Mouse(EventType::MouseDown, right ? "rdown" : "ldown", b);
        Frames(2);
        Mouse(EventType::MouseUp, right ? "rup" : "lup", b);
        Frames(2);
    }
    void CtrlKey(int key, const char* name) {
        Emit("keydown ctrl");
        Push(EventType::KeyDown, vk::Control, 0);
        Emit(std::string("key ") + name);
        Push(EventType::KeyDown, key, shiftstate::Ctrl);
        Push(EventType::KeyUp, key, shiftstate::Ctrl);
        Emit("keyup ctrl");
        Push(EventType::KeyUp, vk::Control, 0);
        Frames(1);
    }
    void ClickObject(const std::string& name) {
        const TVexInterfaceObject* o = game_.Form.Interface().FindInterfaceObject(name);
        if (o) Click({o->OriginLeft + o->Width / 2, o->OriginTop + o->Height / 2});
    }
    uint32_t Elapsed() const { return elapsed_; }
    uint32_t Now() { return game_.Clock.Now(); }
    void ShiftKey(bool down) {
        Emit(down ? "keydown shift" : "keyup shift");
        Push(down ? EventType::KeyDown : EventType::KeyUp, vk::Shift, down ? shiftstate::Shift : 0);
    }

  private:
    void Emit(const std::string& what) { Lines.push_back(std::to_string(elapsed_) + " " + what); }
    void Mouse(EventType type, const char* verb, MouseButton button) {
        Emit(std::string(verb) + " " + std::to_string(pointer_.X) + " " +
             std::to_string(pointer_.Y));
        PlatformEvent e;
        e.Type = type;
        e.Button = button;
        e.X = pointer_.X, e.Y = pointer_.Y;
        if (type != EventType::MouseMove)
            e.Shift = button == MouseButton::Left ? shiftstate::Left : shiftstate::Right;
        game_.Host.Pointer = pointer_;
        game_.Host.Push(e);
    }
    void Push(EventType type, int key, unsigned shift) {
        PlatformEvent e;
        e.Type = type;
        e.Key = key;
        e.Shift = shift;
        game_.Host.Push(e);
    }

    THeadlessRun game_;
    TPoint pointer_{400, 300};
    uint32_t elapsed_ = 0;
};

// The map comes into view and stops; a player waits for it.
void WaitForTheMap(TBot& bot) {
    const TGame& g = bot.Game();
    for (int i = 0; i < 600 && g.MapScroll != g.ScrollTarget; ++i)
        bot.Frames(1);
    bot.Frames(20);
}

// The play bot's mind with the author's hand: every press glides the visible pointer there
// and is written down. The mind tries its moves in a quiet sandbox of the same level, brought
// up to the real game's state before every look, so nothing it only tries reaches the game or
// the recording.
class TDemoHand : public IBotHand {
  public:
    TDemoHand(TBot& bot, TLevelSandbox& mirror) : bot_(bot), mirror_(mirror) { Sync(); }

    void Press(int button, TPoint at, bool shift) override {
        if (shift) bot_.ShiftKey(true);
        bot_.Click(at, button == ibRight);
        if (shift) bot_.ShiftKey(false);
        bot_.Frames(button == ibRight ? 4 : 10);
        Sync();
    }

    // The real game's state into the mirror.
    void Sync() {
        TGame& real = bot_.Game();
        TGame& m = mirror_.Game();
        TGameSnapshot::Take(real, bot_.Form().Session()->Objects()).Restore(m, mirror_.Objects);
        m.BumperBlockedUntil = real.BumperBlockedUntil;
        m.PointerPos = real.PointerPos;
        m.GameState = real.GameState;
    }

  private:
    TBot& bot_;
    TLevelSandbox& mirror_;
};

// Plays until the level ends or the time is up; gives the pieces laid.
int PlayTheLevel(TBot& bot, const TDemoBotOptions& o, uint32_t until) {
    TGame& g = bot.Game();
    TLevelSandbox mirror(ToolGameFolders(o.Dir));
    TSandboxLevel level;
    level.Name = bot.Form().Session()->Levels().FileNames.at(o.Level);
    level.Mode = g.Mode;
    mirror.Start(level);
    TDemoHand hand(bot, mirror);
    TBotPlayer player({mirror.Game(), mirror.Objects, mirror.Host, [&] { return bot.Now(); }},
                      hand);
    while (bot.Elapsed() < until && !g.LevelFinished && g.GameState == gsPlaying) {
        hand.Sync();
        player.Watch();
        bot.Frames(player.Act() ? 3 : 6);
    }
    return player.Tally().Placements;
}

} // namespace

std::vector<std::string> AuthorDemo(const TDemoBotOptions& o, std::string& error,
                                    TDemoBotReport& report) {
    TBot bot(o);
    TMainForm& form = bot.Form();
    if (!form.Settings.DeveloperKeys()) {
        error = "the game folder's options.cfg must set DebugMode=527";
        return {};
    }
    if (!form.Session() || o.Level < 0 || o.Level >= form.Session()->Levels().Count()) {
        error = "no level " + std::to_string(o.Level + 1) + " in the game";
        return {};
    }
    bot.Frames(10);
    bot.ClickObject("BNewWTitle");
    bot.ClickObject("BPlayWStartDialog");
    WaitForTheMap(bot);
    // The levels before the chosen one are finished with the developer key.
    for (int level = 0; level < o.Level; ++level) {
        bot.CtrlKey(vk::F1, "f1");
        bot.Frames(150);
        bot.ClickObject("BOkWFinishLevelDialog");
        bot.ClickObject("BNextLevelWBetweenLevelMenu");
        WaitForTheMap(bot);
    }
    bot.CtrlKey(vk::F1 + 3, "f4"); // the level again from its start, recorded
    WaitForTheMap(bot);
    const uint32_t start = bot.Elapsed();
    report.Placements = PlayTheLevel(bot, o, start + o.Seconds * 1000);
    report.Finished = bot.Game().LevelFinished;
    report.PlayedMs = bot.Elapsed() - start;
    bot.Frames(90); // the map pans to the top: the end of the story
    bot.CtrlKey(vk::F1 + 3, "f4");
    bot.Frames(2);
    return bot.Lines;
}
