// The demo author: a headless player that leaves an events file behind.
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/DemoBot.h"
#include "app/HeadlessRun.h"
#include "app/ToolCommands.h"
#include "interface/VexInterfaceObject.h"
#include "main/shell/GameSession.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr uint32_t FrameMs = 33;
constexpr TPoint BumperDrop{700, 455};

// Where the held piece should go: the right clicks that turn it there and the pointer.
struct TPlan {
    int Turns = 0;
    TPoint Pointer;
    int Score = 0; // open ends closed, and the wanted combination furthered
    TPoint Lands;  // where the piece lies: many pointers lay it on the same squares
};

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

// How far a piece of that type laid at (x, y) takes the wanted combination: 100 when it
// completes it, 5 for every other piece of the arrangement already in place.
int CombinationScore(const TGame& g, int type, int x, int y) {
    const TLevel& L = g.Level;
    if (L.CombPos < 0 || L.CombPos >= static_cast<int>(L.CombSequence.size())) return 0;
    const int comb = L.CombSequence[L.CombPos];
    const auto& combinations = g.Geometry().Combinations;
    if (comb < 0 || comb >= static_cast<int>(combinations.size())) return 0;
    int best = 0;
    for (const auto& stamp : combinations[comb])
        for (size_t c = 0; c < stamp.size(); ++c) {
            if (stamp[c].Type != type) continue;
            const int dx = x - stamp[c].X, dy = y - stamp[c].Y;
            int matched = 0;
            for (size_t i = 0; i < stamp.size(); ++i)
                matched += i != c &&
                           std::any_of(g.Fishkas.begin(), g.Fishkas.end(), [&](const TFishka& f) {
                               return f.State == fsOnBoard && f.Type == stamp[i].Type &&
                                      f.X == stamp[i].X + dx && f.Y == stamp[i].Y + dy;
                           });
            best =
                std::max(best, matched + 1 == static_cast<int>(stamp.size()) ? 100 : 5 * matched);
        }
    return best;
}

// Tries a piece in every turn at every open end without touching the game for good: each
// trial is undone before the next. Plans the game refused before are left out.
std::optional<TPlan> PlanPlacement(TGame& g, int piece, const std::vector<TPlan>& refused) {
    TFishka& f = g.Fishkas[piece];
    const TFishka kept = f;
    const int mismatch = g.MismatchSide, hintFrag = g.HintFrag;
    const bool fits = g.HeldFits, crossing = g.CrossingFlag;
    const uint32_t hintUntil = g.HintFragUntil;
    std::optional<TPlan> best;
    int type = f.Type;
    for (int turns = 0; turns < 4; ++turns) {
        f.Type = static_cast<uint8_t>(type);
        const TPoint size = g.PieceImageSize(piece);
        for (const TLight& light : std::vector<TLight>(g.Level.Lights)) {
            const TPoint a = g.Geometry().FragAnchor(light.Frag);
            for (int dy = -40; dy <= 40; dy += 20)
                for (int dx = -40; dx <= 40; dx += 20) {
                    const TPoint p{a.X + 20 + dx, a.Y + 20 + dy + 250 - g.MapScroll};
                    if (p.X < 5 || p.X > 595 || p.Y < 5 || p.Y > 495) continue;
                    f.X = p.X - size.X / 2;
                    f.Y = p.Y - size.Y / 2;
                    const TFitResult fit = g.FitTest(piece);
                    if (!fit.Fits) continue;
                    int closes = 0;
                    for (const TLight& l : g.Level.Lights)
                        closes += std::count(fit.Frags.begin(), fit.Frags.end(), l.Frag) > 0;
                    const TPlan plan{turns,
                                     p,
                                     10 * closes + CombinationScore(g, type, fit.X, fit.Y),
                                     {fit.X, fit.Y}};
                    const bool wasRefused =
                        std::any_of(refused.begin(), refused.end(), [&](const TPlan& r) {
                            return r.Turns == turns && r.Lands.X == fit.X && r.Lands.Y == fit.Y;
                        });
                    if (closes > 0 && !wasRefused && (!best || plan.Score > best->Score))
                        best = plan;
                }
        }
        const int next = g.Geometry().FindFishkaType(g.Geometry().TypeOf(type).RotatesTo);
        if (next < 0) break;
        type = next;
    }
    f = kept;
    g.MismatchSide = mismatch, g.HintFrag = hintFrag, g.HeldFits = fits;
    g.CrossingFlag = crossing, g.HintFragUntil = hintUntil;
    return best;
}

// The map comes into view and stops; a player waits for it.
void WaitForTheMap(TBot& bot) {
    const TGame& g = bot.Game();
    for (int i = 0; i < 600 && g.MapScroll != g.ScrollTarget; ++i)
        bot.Frames(1);
    bot.Frames(20);
}

// The feed piece worth taking (the one with the best place on the board), or -1.
int ChooseFeedPiece(TGame& g) {
    int chosen = -1, score = 0;
    for (size_t i = 0; i < g.Steck.size() && i < 8; ++i) {
        const std::optional<TPlan> plan = PlanPlacement(g, g.Steck[i], {});
        if (plan && plan->Score > score) chosen = g.Steck[i], score = plan->Score;
    }
    return chosen;
}

void Take(TBot& bot, int piece) {
    TGame& g = bot.Game();
    const TPoint size = g.PieceImageSize(piece);
    bot.Click({g.Fishkas[piece].X + size.X / 2, g.Fishkas[piece].Y + size.Y / 2});
    bot.Frames(12);
}

void PlayTheLevel(TBot& bot, uint32_t until) {
    TGame& g = bot.Game();
    std::vector<TPlan> refused;
    while (bot.Elapsed() < until && !g.LevelFinished && g.GameState == gsPlaying) {
        if (g.HeldPiece < 0) {
            refused.clear();
            const int piece = ChooseFeedPiece(g);
            if (piece >= 0) {
                Take(bot, piece);
            } else if (g.Steck.size() >= 4) {
                Take(bot, g.Steck.front()); // nothing fits: it goes to the bumper
            } else {
                bot.Frames(10);
            }
            continue;
        }
        const std::optional<TPlan> plan = PlanPlacement(g, g.HeldPiece, refused);
        if (!plan) {
            bot.Click(BumperDrop);
            bot.Frames(15);
            continue;
        }
        for (int t = 0; t < plan->Turns; ++t) {
            bot.Click({g.PointerPos.X, g.PointerPos.Y}, true);
            bot.Frames(6);
        }
        bot.Click(plan->Pointer);
        bot.Frames(18);
        // The game may refuse a place the fit allows (a required twig, a moving picture, a
        // link it would close too soon): the piece is still in hand.
        if (g.HeldPiece >= 0) refused.push_back(*plan);
    }
}

} // namespace

std::vector<std::string> AuthorDemo(const TDemoBotOptions& o, std::string& error) {
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
    PlayTheLevel(bot, bot.Elapsed() + o.Seconds * 1000);
    bot.Frames(90); // the map pans to the top: the end of the story
    bot.CtrlKey(vk::F1 + 3, "f4");
    bot.Frames(2);
    return bot.Lines;
}
