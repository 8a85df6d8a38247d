#include "main/levels/LevelSolver.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

// The whole game state a move can change, so every move can be taken back.
struct TSnapshot {
    TLevel Level;
    TFishkas Fishkas;
    TIntArray Steck;
    int HeldPiece, LastPlaced, ClipperCount, HammerCount, MapScroll, ScrollTarget, ScrollTurn;
    bool LevelFinished;
    std::string Pointer;
    TLevelObjects Objects;
};

class TSolver {
  public:
    TSolver(TGame& game, TLevelObjects& objects, int maxClippers, long budget)
        : game_(game), objects_(objects), maxClippers_(maxClippers), budget_(budget) {
        for (size_t t = 0; t < game.Level.TypeWeights.size(); ++t)
            if (game.Level.TypeWeights[t] > 0) types_.insert(static_cast<int>(t));
        for (int t : game.Level.TypeQueue)
            if (game.Geometry().ValidType(t)) types_.insert(t);
        // Fewest twig sides first: end pieces close open ends without opening new ones.
        order_.assign(types_.begin(), types_.end());
        std::stable_sort(order_.begin(), order_.end(),
                         [&](int a, int b) { return Sides(a) < Sides(b); });
    }

    TSolveResult Run() {
        TSnapshot start = Save();
        game_.HeldPiece = -1;
        game_.GameState = gsPlaying;
        bool solved = game_.FindOpenEnds();
        // Deepening by one piece at a time finds a short sequence before a long detour.
        for (int depth = 1; !solved && depth <= MaxDepth && nodes_ <= budget_; ++depth) {
            seen_.clear();
            solved = Search(0, 0, depth);
        }
        TSolveResult r{solved, bestPlacements_, bestClippers_, nodes_};
        Restore(start);
        return r;
    }

  private:
    TSnapshot Save() const {
        const TGame& g = game_;
        return {g.Level,         g.Fishkas,      g.Steck,     g.HeldPiece,    g.LastPlaced,
                g.ClipperCount,  g.HammerCount,  g.MapScroll, g.ScrollTarget, g.ScrollTurn,
                g.LevelFinished, g.PointerImage, objects_};
    }
    void Restore(const TSnapshot& s) {
        TGame& g = game_;
        g.Level = s.Level;
        g.Fishkas = s.Fishkas;
        g.Steck = s.Steck;
        g.HeldPiece = s.HeldPiece;
        g.LastPlaced = s.LastPlaced;
        g.ClipperCount = s.ClipperCount;
        g.HammerCount = s.HammerCount;
        g.MapScroll = s.MapScroll;
        g.ScrollTarget = s.ScrollTarget;
        g.ScrollTurn = s.ScrollTurn;
        g.LevelFinished = s.LevelFinished;
        g.PointerImage = s.Pointer;
        objects_ = s.Objects;
    }

    std::string Key() const {
        std::string key;
        for (size_t i = 0; i < game_.Level.SquareFrag.size(); ++i)
            key += std::to_string(game_.Level.SquareFrag[i]) + ":" +
                   std::to_string(game_.Level.SquareMask[i]) + ",";
        return key;
    }

    // Lays a piece of the type with its k-th square over the frag; true when it was laid.
    bool Lay(int type, int k, int frag) {
        const TGeometry& geo = game_.Geometry();
        const TTypeSquare& sq = geo.TypeOf(type).TypeSquares[k];
        TPoint target = geo.FragAnchor(frag), a = geo.FragAnchor(sq.Frag);
        TFishka f;
        f.Type = static_cast<uint8_t>(type);
        f.State = fsHeld;
        f.X = target.X - a.X + 5;
        f.Y = target.Y - a.Y - game_.MapScroll + 245;
        game_.HeldPiece = game_.AddFishka(f);
        game_.PlaceHeld(++now_);
        return game_.HeldPiece < 0 || game_.LevelFinished;
    }

    bool Clip(int frag) {
        if (game_.ClipperFittedType(frag) < 0) return false;
        TPoint a = game_.Geometry().FragAnchor(frag);
        int before = game_.ClipperCount;
        game_.Clip({a.X + 18, a.Y + 20 - game_.MapScroll + 245 - 4}, ++now_);
        return game_.ClipperCount < before || game_.LevelFinished;
    }

    bool Finished() {
        if (game_.LevelFinished) return true;
        return game_.FindOpenEnds();
    }

    int Sides(int type) const {
        int n = 0;
        for (const TTypeSquare& sq : game_.Geometry().TypeOf(type).TypeSquares)
            n += game_.Geometry().TwigSideCount(sq.Mask);
        return n;
    }

    bool Search(int placements, int clippers, int movesLeft) {
        if (movesLeft <= 0 || ++nodes_ > budget_) return false;
        std::string key = Key() + "|" + std::to_string(clippers);
        auto it = seen_.find(key);
        if (it != seen_.end() && it->second >= movesLeft) return false;
        seen_[key] = movesLeft;
        game_.FindOpenEnds();
        if (game_.Level.Lights.empty()) return false;
        // Every open end must be covered some day: try the pieces for the highest one.
        const TLight light = game_.Level.Lights.front();
        TSnapshot here = Save();
        for (int type : order_) {
            int squares = static_cast<int>(game_.Geometry().TypeOf(type).TypeSquares.size());
            for (int k = 0; k < squares; ++k) {
                if (Lay(type, k, light.Frag)) {
                    if (Finished() || Search(placements + 1, clippers, movesLeft - 1)) {
                        return Done(placements + 1, clippers);
                    }
                }
                Restore(here);
            }
        }
        if (clippers < maxClippers_ && game_.ClipperCount > 0) {
            if (Clip(light.Frag)) {
                if (Finished() || Search(placements, clippers + 1, movesLeft - 1))
                    return Done(placements, clippers + 1);
            }
            Restore(here);
        }
        return false;
    }

    bool Done(int placements, int clippers) {
        if (bestPlacements_ < 0) bestPlacements_ = placements, bestClippers_ = clippers;
        return true;
    }

    TGame& game_;
    TLevelObjects& objects_;
    int maxClippers_;
    long budget_;
    long nodes_ = 0;
    uint32_t now_ = 1000000;
    static constexpr int MaxDepth = 60;
    std::set<int> types_;
    std::vector<int> order_;
    std::map<std::string, int> seen_; // moves that were left when a position was looked at
    int bestPlacements_ = -1, bestClippers_ = 0;
};

} // namespace

TSolveResult SolveLevel(TGame& game, TLevelObjects& objects, int maxClippers, long nodeBudget) {
    TSolver solver(game, objects, maxClippers, nodeBudget);
    TSolveResult r = solver.Run();
    if (!r.Solved) r.Placements = 0, r.Clippers = 0;
    return r;
}
