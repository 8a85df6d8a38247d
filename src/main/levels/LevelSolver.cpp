#include "main/levels/LevelSolver.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

#include "main/levels/BotBoard.h"
#include "main/levels/GameSnapshot.h"

namespace {

constexpr int Branching = 3; // placements tried at a position before it is given up
constexpr double Finished = 1e12;
constexpr double ClipperCost = 40; // a piece that does as well is the better move

struct TCandidate {
    int Type = -1; // -1: the clipper at Frag
    int Square = 0;
    int Frag = -1;
    double Value = 0;
};

class TSolver {
  public:
    TSolver(TGame& game, TLevelObjects& objects, int maxClippers, long budget)
        : g_(game), objects_(objects), board_(game, objects), maxClippers_(maxClippers),
          budget_(budget) {
        // Every type the feed deals, and every turn of it a player can make.
        std::vector<int> dealt;
        for (size_t t = 0; t < g_.Level.TypeWeights.size(); ++t)
            if (g_.Level.TypeWeights[t] > 0) dealt.push_back(static_cast<int>(t));
        dealt.insert(dealt.end(), g_.Level.TypeQueue.begin(), g_.Level.TypeQueue.end());
        for (int type : dealt)
            for (int turn = 0; turn < 4 && g_.Geometry().ValidType(type); ++turn) {
                if (std::find(types_.begin(), types_.end(), type) == types_.end())
                    types_.push_back(type);
                type = g_.Geometry().FindFishkaType(g_.Geometry().TypeOf(type).RotatesTo);
            }
    }

    TSolveResult Run() {
        const TGameSnapshot start = TGameSnapshot::Take(g_, objects_);
        g_.HeldPiece = -1;
        g_.GameState = gsPlaying;
        TSolveResult r;
        r.Solved = g_.FindOpenEnds() || Search(0, 0);
        r.Placements = r.Solved ? placements_ : 0;
        r.Clippers = r.Solved ? clippers_ : 0;
        r.Nodes = nodes_;
        if (r.Solved) r.Moves.assign(path_.begin(), path_.end());
        start.Restore(g_, objects_);
        return r;
    }

  private:
    double Value() const {
        return g_.LevelFinished ? Finished : board_.Value(INT_MIN, g_.ClipperCount, false);
    }

    // Lays square k of the type over the frag through the placement code; true when laid.
    bool Lay(int type, int k, int frag) {
        const TGeometry& geo = g_.Geometry();
        const TPoint target = geo.FragAnchor(frag);
        const TPoint a = geo.FragAnchor(geo.TypeOf(type).TypeSquares[k].Frag);
        TFishka f;
        f.Type = static_cast<uint8_t>(type);
        f.State = fsHeld;
        f.X = target.X - a.X + 5;
        f.Y = target.Y - a.Y - g_.MapScroll + 245;
        g_.HeldPiece = g_.AddFishka(f);
        g_.PlaceHeld(++now_);
        return g_.HeldPiece < 0 || g_.LevelFinished;
    }

    bool Clip(int frag) {
        if (g_.ClipPreviewType(frag) < 0) return false;
        const TPoint a = g_.Geometry().FragAnchor(frag);
        const int before = g_.ClipperCount;
        g_.Clip({a.X + 18, a.Y + 20 - g_.MapScroll + 245 - 4}, ++now_);
        return g_.ClipperCount < before || g_.LevelFinished;
    }

    bool Apply(const TCandidate& c) {
        return c.Type < 0 ? Clip(c.Frag) : Lay(c.Type, c.Square, c.Frag);
    }

    std::vector<int> Anchors() const {
        std::vector<int> frags;
        for (const TLight& light : g_.Level.Lights)
            if (std::find(frags.begin(), frags.end(), light.Frag) == frags.end())
                frags.push_back(light.Frag);
        for (const TBotBoard::TTarget& t : board_.Targets(INT_MIN))
            if (g_.IsRequired(t.Frag) &&
                std::find(frags.begin(), frags.end(), t.Frag) == frags.end())
                frags.push_back(t.Frag);
        return frags;
    }

    // Every placement the rules accept here, best first.
    std::vector<TCandidate> Candidates(int clippersUsed) {
        const TGameSnapshot here = TGameSnapshot::Take(g_, objects_);
        std::vector<TCandidate> out;
        const std::vector<int> anchors = Anchors();
        for (int frag : anchors) {
            for (int type : types_) {
                const int squares = static_cast<int>(g_.Geometry().TypeOf(type).TypeSquares.size());
                for (int k = 0; k < squares; ++k) {
                    if (!board_.SquareMayLie(type, k, frag) && !g_.IsRequired(frag)) continue;
                    if (Lay(type, k, frag)) out.push_back({type, k, frag, Value()});
                    here.Restore(g_, objects_);
                }
            }
            if (clippersUsed < maxClippers_ && g_.ClipperCount > 0) {
                if (Clip(frag)) out.push_back({-1, 0, frag, Value() - ClipperCost});
                here.Restore(g_, objects_);
            }
        }
        std::stable_sort(out.begin(), out.end(), [](const TCandidate& a, const TCandidate& b) {
            return a.Value > b.Value;
        });
        return out;
    }

    size_t Key() const {
        std::vector<int> cells;
        // A ghost and the piece that brings it back have the same mask: the state tells them
        // apart.
        for (size_t i = 0; i < g_.Level.SquareFrag.size(); ++i) {
            const int piece = g_.Level.SquarePiece[i];
            const bool ghost = piece >= 0 && g_.Fishkas[piece].State == fsGhost;
            cells.push_back((g_.Level.SquareFrag[i] * 16 + g_.Level.SquareMask[i]) * 2 + ghost);
        }
        cells.push_back(-1 - g_.ClipperCount);
        std::sort(cells.begin(), cells.end());
        size_t h = cells.size();
        for (int c : cells)
            h = h * 1000003u ^ static_cast<size_t>(c);
        return h;
    }

    bool Search(int placements, int clippersUsed) {
        if (++nodes_ > budget_) return false;
        if (!seen_.insert(Key()).second) return false;
        const std::vector<TCandidate> candidates = Candidates(clippersUsed);
        const TGameSnapshot here = TGameSnapshot::Take(g_, objects_);
        int tried = 0;
        for (const TCandidate& c : candidates) {
            if (tried++ >= Branching && c.Value < Finished) break;
            const bool clip = c.Type < 0;
            Apply(c);
            path_.push_back({c.Type, c.Square, c.Frag});
            const int laid = placements + (clip ? 0 : 1), clipped = clippersUsed + (clip ? 1 : 0);
            if (g_.LevelFinished) {
                placements_ = laid;
                clippers_ = clipped;
                return true;
            }
            if (Search(laid, clipped)) return true;
            path_.pop_back();
            here.Restore(g_, objects_);
            if (nodes_ > budget_) return false;
        }
        return false;
    }

    TGame& g_;
    TLevelObjects& objects_;
    TBotBoard board_;
    int maxClippers_;
    long budget_;
    long nodes_ = 0;
    uint32_t now_ = 1000000;
    std::vector<int> types_;
    std::unordered_set<size_t> seen_;
    std::vector<TSolveResult::TMove> path_;
    int placements_ = 0, clippers_ = 0;
};

} // namespace

TSolveResult SolveLevel(TGame& game, TLevelObjects& objects, int maxClippers, long nodeBudget) {
    TSolver solver(game, objects, maxClippers, nodeBudget);
    return solver.Run();
}
