#include "main/levels/LevelBot.h"

#include <algorithm>
#include <map>
#include <optional>

#include "main/levels/BotBoard.h"
#include "main/levels/GameSnapshot.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr uint32_t ActionMs = 600;
constexpr TPoint BumperDrop{700, 450};
constexpr TPoint HammerButtonAt{662, 332};
constexpr TPoint ClipperButtonAt{742, 332};
constexpr double Acceptable = 1;     // a move must make the position better...
constexpr double CrowdedSlack = -60; // ... unless the feed is about to jam
constexpr double PatienceStep = 30;  // ... or the wait for a better piece has been long
constexpr size_t Crowded = 6;        // feed pieces: more, and the jam is near
constexpr int StuckDrops = 4;        // pieces given away in a row before a piece is broken
constexpr double Desperate = -1100;  // never worse: a dead end or a target cut off

// A way to lay a piece: the type it must be turned to, the turns, and where to click.
struct TMove {
    int Type = -1;
    int Turns = 0;
    int Frag = -1;
    TPoint Pointer;
    double Gain = -1e18;
};

} // namespace

class TBotPlayer::TMind {
  public:
    TMind(TBotWorld world, IBotHand& hand)
        : w_(std::move(world)), hand_(hand), g_(w_.Game), board_(w_.Game, w_.Objects),
          seenTop_(g_.MapScroll - 245), lastLaid_(w_.Now()) {}

    void Watch() { seenTop_ = std::min(seenTop_, g_.MapScroll - 245); }

    TBotRun Tally() const {
        TBotRun run;
        run.Placements = placements_;
        run.Drops = drops_;
        run.Hammers = hammers_;
        run.Clippers = clippers_;
        return run;
    }

    bool Act() {
        if (g_.PointerImage != PointerNormal) return UseTool();
        if (g_.HeldPiece >= 0) return ActHolding();
        if (Repair() || Unblock() || ClearFeed()) return true;
        return TakeFromFeed();
    }

  private:
    uint32_t Now() const { return w_.Now(); }
    TGameSnapshot Save() const { return TGameSnapshot::Take(g_, w_.Objects); }
    void Restore(const TGameSnapshot& v) { v.Restore(g_, w_.Objects); }

    double Value() const { return board_.Value(seenTop_, g_.ClipperCount); }

    TPoint ImageSize(int type) { return w_.Host.ImageSize(g_.Geometry().TypeOf(type).ImageName); }

    // Where the pointer must be for square k of the type to lie on the frag.
    TPoint PointerFor(int type, int k, int frag) {
        const TGeometry& geo = g_.Geometry();
        const TPoint target = geo.FragAnchor(frag);
        const TPoint a = geo.FragAnchor(geo.TypeOf(type).TypeSquares[k].Frag);
        const TPoint size = ImageSize(type);
        return {target.X - a.X + 5 + size.X / 2, target.Y - a.Y - g_.MapScroll + 245 + size.Y / 2};
    }

    // Lays the type as a trial and gives the position's value after it; nullopt when the
    // game refuses. The game is left as found.
    std::optional<double> Trial(int type, TPoint pointer, const TGameSnapshot& here) {
        TFishka f;
        f.Type = static_cast<uint8_t>(type);
        f.State = fsHeld;
        const TPoint size = ImageSize(type);
        f.X = pointer.X - size.X / 2;
        f.Y = pointer.Y - size.Y / 2;
        const int piece = g_.HeldPiece = g_.AddFishka(f);
        std::optional<double> value;
        if (g_.FitTest(piece).Fits) {
            g_.PlaceHeld(Now());
            if (g_.LevelFinished)
                value = 1e9;
            else if (g_.HeldPiece < 0 && !Rebuilds(piece))
                value = Value();
        }
        Restore(here);
        return value;
    }

    // Laying again the piece the hammer just broke undoes the break: the bot would go round
    // in circles, a hammer a turn. With no hammer left there is no circle, and the piece may
    // be the only one that still fits there.
    bool Rebuilds(int piece) const {
        if (broken_.first < 0 || g_.HammerCount <= 0 || g_.Fishkas[piece].Type != broken_.first)
            return false;
        const TIntArray frags = g_.BoardFragsOf(piece);
        return !frags.empty() && frags.front() == broken_.second;
    }

    // The frags a piece may be laid over: open ends and ghosts in view.
    std::vector<int> Anchors() const {
        std::vector<int> frags;
        auto add = [&](int frag) {
            const int y = board_.ScreenY(frag);
            if (y >= 0 && y <= 460 && std::find(frags.begin(), frags.end(), frag) == frags.end())
                frags.push_back(frag);
        };
        for (const TLight& light : g_.Level.Lights)
            add(light.Frag);
        for (const TBotBoard::TTarget& t : board_.Targets(seenTop_))
            if (g_.IsRequired(t.Frag)) add(t.Frag);
        return frags;
    }

    // A tool the game refused on a frag (a clip that would close a link too early) is not
    // tried there again until a piece is laid.
    bool Failed(int frag) const { return IntArrayContains(frag, failed_); }

    bool Refused(int type, int frag) const {
        return std::any_of(refused_.begin(), refused_.end(),
                           [&](const TMove& m) { return m.Type == type && m.Frag == frag; });
    }

    // The best way to lay a piece of the type, over its turns and every anchor in view.
    TMove BestMove(int type) {
        const TGameSnapshot here = Save();
        const double before = Value();
        const std::vector<int> anchors = Anchors();
        TMove best;
        for (int turns = 0; turns < 4 && g_.Geometry().ValidType(type); ++turns) {
            const TComplexFishkaType& t = g_.Geometry().TypeOf(type);
            for (int frag : anchors)
                for (int k = 0; k < static_cast<int>(t.TypeSquares.size()); ++k) {
                    if (Refused(type, frag)) continue;
                    const TPoint p = PointerFor(type, k, frag);
                    if (p.X < 0 || p.X > 600 || p.Y < 0 || p.Y > 500) continue;
                    const std::optional<double> v = Trial(type, p, here);
                    if (v && *v - before > best.Gain) best = {type, turns, frag, p, *v - before};
                }
            const int next = g_.Geometry().FindFishkaType(t.RotatesTo);
            if (next == type || next < 0) break;
            type = next;
        }
        return best;
    }

    // --- the hand ---------------------------------------------------------------------------
    void Press(int button, TPoint at) { hand_.Press(button, at, false); }
    void Turn(int& turns) {
        const TPoint at = g_.PointerPos;
        if (turns == 3) {
            hand_.Press(ibRight, at, true); // Shift turns the other way: one turn for three
            turns = 0;
        } else {
            Press(ibRight, at);
            --turns;
        }
    }

    // How good a move must be: better than now, less so the longer no piece has been laid (a
    // player settles for a piece that adds an end when no better one comes), and anything
    // not too bad when the feed is crowded.
    double Floor() const {
        const uint32_t period = std::max(1000, g_.Level.FeedPeriod);
        const double waited = static_cast<double>(Now() - lastLaid_) / period;
        const double patient =
            std::max(Desperate, Acceptable - PatienceStep * std::max(0.0, waited - 2));
        return Hurried() ? std::min(patient, CrowdedSlack) : patient;
    }

    bool FeedCrowded() const { return g_.Steck.size() >= Crowded; }
    // In the mode without losing a crowded feed only waits: nothing hurries a move.
    bool Hurried() const { return g_.Mode != pmNoLose && FeedCrowded(); }
    bool BumperFree() const { return g_.BumperPiece < 0 && Now() > g_.BumperBlockedUntil; }

    bool ActHolding() {
        if (!plan_) {
            const TMove m = BestMove(g_.Fishkas[g_.HeldPiece].Type);
            if (m.Type >= 0 && m.Gain >= Floor()) plan_ = m;
        }
        if (!plan_) {
            if (!BumperFree()) return false;
            Press(ibLeft, BumperDrop);
            if (g_.HeldPiece < 0) ++drops_, ++dropsInARow_;
            return true;
        }
        if (plan_->Turns > 0) {
            Turn(plan_->Turns);
            return true;
        }
        Press(ibLeft, plan_->Pointer);
        if (g_.HeldPiece >= 0) {
            refused_.push_back(*plan_); // the game said no: a closed link, a moving picture
        } else {
            ++placements_;
            lastLaid_ = Now();
            dropsInARow_ = 0;
            refused_.clear();
            failed_.clear();
        }
        plan_.reset();
        return true;
    }

    // Where a click takes the feed piece: its picture's centre may fall between its squares
    // (a piece of two corners), so the first point of the picture that hits it is chosen.
    TPoint GripOf(int piece) {
        const TFishka& f = g_.Fishkas[piece];
        const TPoint size = ImageSize(f.Type);
        const TPoint centre{f.X + size.X / 2, f.Y + size.Y / 2};
        if (g_.SteckFishkaAt(centre.X, centre.Y) == piece) return centre;
        for (int y = f.Y + 20; y < f.Y + size.Y; y += 40)
            for (int x = f.X + 20; x < f.X + size.X; x += 40)
                if (g_.SteckFishkaAt(x, y) == piece) return {x, y};
        return centre;
    }

    // A feed piece worth taking: the best gain, or when the feed is about to jam the one to
    // give away.
    // The feed pieces on the screen, the one whose best move gains most and the one whose
    // best move gains least, first of equals; -1 for none.
    struct TFeedChoice {
        int Best = -1, Worst = -1;
        double BestGain = -1e18, WorstGain = 1e18;
    };
    TFeedChoice WeighFeed() {
        TFeedChoice c;
        std::map<int, double> byType;
        // Trials take every placement back by restoring the pieces and the feed, so both are
        // read by value here.
        const TIntArray feed = g_.Steck;
        for (int piece : feed) {
            const int type = g_.Fishkas[piece].Type;
            const TPoint size = ImageSize(type);
            if (g_.Fishkas[piece].X + size.X / 2 >= 800) continue; // not on the screen yet
            auto it = byType.find(type);
            if (it == byType.end()) it = byType.emplace(type, BestMove(type).Gain).first;
            if (it->second > c.BestGain) c.BestGain = it->second, c.Best = piece;
            if (it->second < c.WorstGain) c.WorstGain = it->second, c.Worst = piece;
        }
        return c;
    }

    bool TakeFromFeed() {
        const TFeedChoice c = WeighFeed();
        const int bestPiece = c.Best, worstPiece = c.Worst;
        const double bestGain = c.BestGain;
        const double floor = Floor();
        int piece = -1;
        if (bestPiece >= 0 && bestGain >= floor)
            piece = bestPiece;
        else if (FeedCrowded() && BumperFree())
            piece = worstPiece;
        if (piece < 0) return false;
        Press(ibLeft, GripOf(piece));
        plan_.reset();
        refused_.clear();
        return g_.HeldPiece >= 0;
    }

    // An open end nothing dealt can close: the clipper closes it, else the hammer breaks the
    // piece that made it.
    bool Repair() {
        for (const TLight& light : g_.Level.Lights) {
            const int y = board_.ScreenY(light.Frag);
            if (y < 0 || y > 460 || !board_.DeadLight(light)) continue;
            if (g_.ClipperCount > 0 && !board_.OffBoard(light.Frag) && !Failed(light.Frag) &&
                g_.ClipPreviewType(light.Frag) >= 0) {
                tool_ = {PointerClipper, light.Frag};
                Press(ibLeft, ClipperButtonAt);
                return true;
            }
            if (g_.HammerCount > 0 && !Failed(light.Frag)) {
                int piece = -1;
                g_.Geometry().ForEachConnectAt(light.Frag, [&](int, int other, int) {
                    const int i = g_.SquareIndexOfFrag(other);
                    const int p = i >= 0 ? g_.Level.SquarePiece[i] : -1;
                    if (p < 0) return;
                    const TFishka& f = g_.Fishkas[p];
                    if (f.State == fsOnBoard && !f.Root && f.InitialGroup != 1 && p > piece)
                        piece = p;
                });
                if (piece >= 0) {
                    failed_.push_back(light.Frag); // one try a light until the board changes
                    tool_ = {PointerHammer, g_.BoardFragsOf(piece).front()};
                    Press(ibLeft, HammerButtonAt);
                    return true;
                }
            }
        }
        return false;
    }

    // Where the hammer pointer breaks the piece on the frag.
    TPoint HammerPointer(int frag) const {
        const TPoint a = g_.Geometry().FragAnchor(frag);
        return {a.X + 7, a.Y - g_.MapScroll + 245};
    }

    bool UseTool() {
        if (g_.PointerImage == PointerClipper) {
            const int before = g_.ClipperCount;
            Press(ibLeft, ClipperPointer(tool_.second));
            clippers_ += g_.ClipperCount < before;
            if (g_.ClipperCount == before) failed_.push_back(tool_.second);
        } else if (feedTarget_ >= 0) {
            const int before = g_.HammerCount;
            if (feedTarget_ < static_cast<int>(g_.Fishkas.size()) &&
                g_.Fishkas[feedTarget_].State == fsInSteck) {
                const TPoint grip = GripOf(feedTarget_);
                Press(ibLeft, {grip.X - HammerHotSpot.X, grip.Y - HammerHotSpot.Y});
            }
            hammers_ += g_.HammerCount < before;
            feedTarget_ = -1;
        } else {
            const int before = g_.HammerCount;
            Press(ibLeft, HammerPointer(tool_.second));
            hammers_ += g_.HammerCount < before;
            if (g_.HammerCount == before) failed_.push_back(tool_.second);
        }
        if (g_.PointerImage != PointerNormal) Press(ibRight, g_.PointerPos);
        return true;
    }

    // The feed is about to jam and the bumper takes nothing yet: the hammer breaks the feed
    // piece least worth laying. The mode without losing never jams.
    bool ClearFeed() {
        if (g_.Mode == pmNoLose || g_.HammerCount <= 0 || BumperFree() ||
            (!g_.Overflowing && static_cast<int>(g_.Steck.size()) < MaxSteck - 2))
            return false;
        const int worst = WeighFeed().Worst;
        if (worst < 0) return false;
        feedTarget_ = worst;
        tool_ = {PointerHammer, -1};
        Press(ibLeft, HammerButtonAt);
        return true;
    }

    // Where the clipper pointer works on the frag.
    TPoint ClipperPointer(int frag) const {
        const TPoint a = g_.Geometry().FragAnchor(frag);
        return {a.X + 18, a.Y + 16 - g_.MapScroll + 245};
    }

    // Nothing dealt has fitted for a while: a laid piece was a wrong turn, or an end waits
    // for a shape the feed does not bring. The hammer breaks the piece whose breaking leaves
    // the best position, opening its squares for another way round; the clipper makes the
    // shape an open end in view wants, when that leaves a better position still.
    bool Unblock() {
        if (dropsInARow_ < StuckDrops) return false;
        const TGameSnapshot here = Save();
        double best = -1e18;
        int bestFrag = -1, bestType = -1;
        for (int p = 0; g_.HammerCount > 0 && p < static_cast<int>(g_.Fishkas.size()); ++p) {
            const TFishka& f = g_.Fishkas[p];
            if (f.State != fsOnBoard || f.Root || f.InitialGroup == 1) continue;
            const TIntArray frags = g_.BoardFragsOf(p);
            const int y = frags.empty() ? -1 : board_.ScreenY(frags.front());
            if (y < 0 || y > 460) continue;
            g_.HammerBoard(HammerPointer(frags.front()), Now());
            const double v = Value();
            Restore(here);
            if (v > best) best = v, bestFrag = frags.front(), bestType = f.Type;
        }
        const int clipFrag = BestClip(g_.HammerCount > 0 ? best : Value());
        dropsInARow_ = 0;
        if (clipFrag >= 0) {
            tool_ = {PointerClipper, clipFrag};
            Press(ibLeft, ClipperButtonAt);
            return true;
        }
        if (bestFrag < 0) return false;
        broken_ = {bestType, bestFrag};
        tool_ = {PointerHammer, bestFrag};
        Press(ibLeft, HammerButtonAt);
        return true;
    }

    // The open end in view where a clip leaves a position better than the bar, or -1.
    int BestClip(double bar) {
        if (g_.ClipperCount <= 0) return -1;
        const TGameSnapshot here = Save();
        int bestFrag = -1;
        for (const TLight& light : std::vector<TLight>(g_.Level.Lights)) {
            const int y = board_.ScreenY(light.Frag);
            if (y < 0 || y > 460 || board_.OffBoard(light.Frag) || Failed(light.Frag) ||
                g_.ClipPreviewType(light.Frag) < 0)
                continue;
            g_.Clip(ClipperPointer(light.Frag), Now());
            const double v = g_.LevelFinished ? 1e9 : Value();
            Restore(here);
            if (v > bar) bar = v, bestFrag = light.Frag;
        }
        return bestFrag;
    }

    TBotWorld w_;
    IBotHand& hand_;
    TGame& g_;
    TBotBoard board_;
    int seenTop_;
    std::optional<TMove> plan_;
    std::vector<TMove> refused_;
    TIntArray failed_;
    std::pair<std::string, int> tool_;
    int feedTarget_ = -1;                // a feed piece the hammer in hand is for; -1: a board frag
    std::pair<int, int> broken_{-1, -1}; // the type and first frag of the piece last broken
    int dropsInARow_ = 0;
    uint32_t lastLaid_;
    int placements_ = 0, drops_ = 0, hammers_ = 0, clippers_ = 0;
};

TBotPlayer::TBotPlayer(TBotWorld world, IBotHand& hand)
    : mind_(std::make_unique<TMind>(std::move(world), hand)) {}
TBotPlayer::~TBotPlayer() = default;
void TBotPlayer::Watch() {
    mind_->Watch();
}
bool TBotPlayer::Act() {
    return mind_->Act();
}
TBotRun TBotPlayer::Tally() const {
    return mind_->Tally();
}

namespace {

// Presses straight into the sandbox's input, as a mouse would.
class TSandboxHand : public IBotHand {
  public:
    explicit TSandboxHand(TLevelSandbox& s) : s_(s) {}
    void Press(int button, TPoint at, bool shift) override {
        TPlayInput& in = s_.Input();
        if (shift) in.FormKeyDown(vk::Shift, shiftstate::Shift, s_.Now());
        in.FormMouseMove(at.X, at.Y, s_.Now());
        in.FormMouseDown(button, at.X, at.Y, s_.Now());
        in.FormMouseUp(button, at.X, at.Y);
        if (shift) in.FormKeyUp(vk::Shift);
    }

  private:
    TLevelSandbox& s_;
};

} // namespace

TBotRun PlayLevel(TLevelSandbox& sandbox, const TSandboxLevel& level, uint32_t limitMs) {
    sandbox.Start(level);
    TSandboxHand hand(sandbox);
    TBotPlayer player(
        {sandbox.Game(), sandbox.Objects, sandbox.Host, [&] { return sandbox.Now(); }}, hand);
    uint32_t nextAction = sandbox.Now() + ActionMs;
    const TGame& g = sandbox.Game();
    while (sandbox.Elapsed() < limitMs) {
        sandbox.Frame();
        player.Watch();
        if (g.LevelFinished || sandbox.Lost()) break;
        if (sandbox.Now() >= nextAction && player.Act()) nextAction = sandbox.Now() + ActionMs;
    }
    TBotRun run = player.Tally();
    run.Seed = level.Seed;
    run.Won = g.LevelFinished;
    run.End = g.LevelFinished ? "won" : sandbox.Lost() ? "lost" : "timeout";
    run.Ms = sandbox.Elapsed();
    return run;
}
