#include "main/levels/BotBoard.h"

#include <algorithm>
#include <deque>
#include <unordered_set>

namespace {

constexpr double LightCost = 25;      // every open end must be closed some day
constexpr double DeadCost = 1200;     // an end nothing dealt can close: a hammer or a clipper
constexpr double ClippableCost = 250; // ... when a clipper is in hand
constexpr double OutOfViewCost = 300; // the view follows the highest end; this one fell out
constexpr double TargetCost = 500;    // a bonus point or a ghost still to reach
constexpr double StepCost = 30;       // per free square between the network and a target
constexpr double ClimbCost = 30;      // per row between the network's top and the unseen map
constexpr double UnreachableCost = 4000;
constexpr double StrandedCost = 1e6; // the root network closed with targets left
constexpr int ViewBottom = 470;
constexpr int SpreadAllowed = 320; // map pixels between the highest and lowest end: the view
constexpr double SpreadCost = 3;   // per pixel beyond: the ends up there wait out of sight

} // namespace

TBotBoard::TBotBoard(const TGame& game, const TLevelObjects& objects)
    : g_(game), objects_(objects), geo_(game.Geometry()) {
    std::vector<int> types;
    for (size_t t = 0; t < g_.Level.TypeWeights.size(); ++t)
        if (g_.Level.TypeWeights[t] > 0) types.push_back(static_cast<int>(t));
    types.insert(types.end(), g_.Level.TypeQueue.begin(), g_.Level.TypeQueue.end());
    for (int type : types) {
        for (int turn = 0; turn < 4 && geo_.ValidType(type); ++turn) {
            const TComplexFishkaType& t = geo_.TypeOf(type);
            if (t.TypeSquares.size() == 1 && t.TypeSquares[0].Mask > 0 &&
                t.TypeSquares[0].Mask < 16)
                dealt_.set(t.TypeSquares[0].Mask);
            type = geo_.FindFishkaType(t.RotatesTo);
        }
    }
}

bool TBotBoard::Ghost(int square) const {
    const int piece = g_.Level.SquarePiece[square];
    return piece >= 0 && piece < static_cast<int>(g_.Fishkas.size()) &&
           g_.Fishkas[piece].State == fsGhost;
}

int TBotBoard::Occupant(int frag) const {
    const int i = g_.SquareIndexOfFrag(frag);
    return i < 0 || Ghost(i) ? -1 : i;
}

void TBotBoard::Needs(int frag, int& must, int& may) const {
    must = 0;
    may = 0;
    geo_.ForEachConnectAt(frag, [&](int side, int other, int otherSide) {
        const int bit = 1 << (side - 1);
        if (OffBoard(other)) return; // above the board's first square: a wall
        const int i = Occupant(other);
        if (i >= 0) {
            if (geo_.SquareHasTwig(g_.Level.SquareMask[i], otherSide)) must |= bit, may |= bit;
            return;
        }
        const int required = g_.RequiredMaskOf(other);
        if (required >= 0) {
            if (geo_.SquareHasTwig(required, otherSide)) must |= bit, may |= bit;
            return;
        }
        may |= bit;
    });
}

bool TBotBoard::DeadLight(const TLight& light) const {
    if (OffBoard(light.Frag)) return true;
    int must = 0, may = 0;
    Needs(light.Frag, must, may);
    const int required = g_.RequiredMaskOf(light.Frag);
    if (required >= 0) return (required & must) != must || (required & ~may) != 0;
    for (int m = 1; m < 16; ++m)
        if (dealt_.test(m) && (m & must) == must && (m & ~may) == 0) return false;
    return true;
}

int TBotBoard::LightGroup(const TLight& light) const {
    int group = -1;
    geo_.ForEachConnectAt(light.Frag, [&](int side, int other, int) {
        if (side != light.Side || group >= 0) return;
        const int i = g_.SquareIndexOfFrag(other);
        if (i >= 0) group = g_.Level.SquareGroup[i];
    });
    return group;
}

int TBotBoard::ScreenY(int frag) const {
    return geo_.FragAnchor(frag).Y - g_.MapScroll + 245;
}

std::vector<int> TBotBoard::NetworkDistances() const {
    // One walk over the free squares from every open end of the root network serves all the
    // targets of a position: the bot weighs thousands of positions a game.
    const std::vector<int> squareAt = g_.SquareIndexByFrag();
    std::vector<int> dist(geo_.Frags.size(), -1);
    std::deque<int> queue;
    for (const TLight& light : g_.Level.Lights)
        if (LightGroup(light) == 1 && dist[light.Frag] < 0) {
            dist[light.Frag] = 0;
            queue.push_back(light.Frag);
        }
    while (!queue.empty()) {
        const int f = queue.front();
        queue.pop_front();
        geo_.ForEachConnectAt(f, [&](int, int other, int) {
            // Nothing is laid above the board's top, so no way leads over it.
            if (dist[other] >= 0 || OffBoard(other) ||
                (squareAt[other] >= 0 && !Ghost(squareAt[other])))
                return;
            dist[other] = dist[f] + 1;
            queue.push_back(other);
        });
    }
    return dist;
}

int TBotBoard::StepsTo(int frag, const std::vector<int>& dist) const {
    int best = -1;
    auto reach = [&](int steps) {
        if (steps >= 0 && (best < 0 || steps < best)) best = steps;
    };
    // A laid square of another link is met only at that link's open ends: its walls turn the
    // network away, so one with none left cannot be reached at all. A ghost, a free square or
    // a square of no link is reached on or beside itself.
    const int square = g_.SquareIndexOfFrag(frag);
    const int group = square >= 0 && !g_.IsRequired(frag) ? g_.Level.SquareGroup[square] : -1;
    if (Occupant(frag) < 0)
        reach(dist[frag]);
    else if (group < 0)
        geo_.ForEachConnectAt(frag, [&](int, int other, int) {
            if (dist[other] >= 0) reach(dist[other] + 1);
        });
    if (group >= 0)
        for (const TLight& light : g_.Level.Lights)
            if (LightGroup(light) == group) reach(dist[light.Frag]);
    return best;
}

bool TBotBoard::ReachesAbove(const std::vector<int>& dist, int y) const {
    for (size_t frag = 0; frag < dist.size(); ++frag)
        if (dist[frag] >= 0 && geo_.FragAnchor(static_cast<int>(frag)).Y < y) return true;
    return false;
}

std::vector<TBotBoard::TTarget> TBotBoard::Targets(int seenTop) const {
    std::vector<TTarget> out;
    for (const TBonusPoint& p : objects_.BonusPoints)
        if (!p.Done && p.Frag >= 0) out.push_back({p.Frag, geo_.FragAnchor(p.Frag).Y >= seenTop});
    for (size_t i = 0; i < g_.Level.RequiredFrag.size(); ++i) {
        const int frag = g_.Level.RequiredFrag[i];
        const int square = g_.SquareIndexOfFrag(frag);
        const int piece = square >= 0 ? g_.Level.SquarePiece[square] : -1;
        const bool ghost = piece >= 0 && g_.Fishkas[piece].State == fsGhost;
        if (square < 0 || ghost) out.push_back({frag, geo_.FragAnchor(frag).Y >= seenTop});
    }
    // Links apart from the root's (the level's own, or cut off by the hammer) must join it; so
    // must a reached bonus point whose link the hammer broke, as its twig is an open end.
    std::vector<int> groups;
    for (size_t i = 0; i < g_.Level.SquareFrag.size(); ++i) {
        const int frag = g_.Level.SquareFrag[i], group = g_.Level.SquareGroup[i];
        const bool listed =
            std::any_of(out.begin(), out.end(), [&](const TTarget& t) { return t.Frag == frag; });
        if (group == 1 || Ghost(static_cast<int>(i)) || listed || g_.IsRequired(frag) ||
            g_.Level.SquareMask[i] == 0 ||
            std::find(groups.begin(), groups.end(), group) != groups.end())
            continue;
        groups.push_back(group);
        out.push_back({frag, geo_.FragAnchor(frag).Y >= seenTop});
    }
    return out;
}

double TBotBoard::CombinationValue() const {
    const TLevel& L = g_.Level;
    if (L.CombPos < 0 || L.CombPos >= static_cast<int>(L.CombSequence.size())) return 0;
    const int comb = L.CombSequence[L.CombPos];
    if (comb < 0 || comb >= static_cast<int>(geo_.Combinations.size())) return 0;
    // Pieces already standing as a part of the wanted arrangement, anchored on any laid piece.
    std::unordered_set<uint64_t> laid;
    auto key = [](int type, int x, int y) {
        return (static_cast<uint64_t>(type) << 48) ^
               (static_cast<uint64_t>(static_cast<uint32_t>(x) & 0xffffff) << 24) ^
               (static_cast<uint32_t>(y) & 0xffffff);
    };
    for (const TFishka& f : g_.Fishkas)
        if (f.State == fsOnBoard) laid.insert(key(f.Type, f.X, f.Y));
    int best = 0;
    for (const TOneStamp& stamp : geo_.Combinations[comb])
        for (const TStampCell& anchor : stamp)
            for (const TFishka& f : g_.Fishkas) {
                if (f.State != fsOnBoard || f.Type != anchor.Type) continue;
                const int dx = f.X - anchor.X, dy = f.Y - anchor.Y;
                int matched = 0;
                for (const TStampCell& cell : stamp)
                    matched += laid.count(key(cell.Type, cell.X + dx, cell.Y + dy)) > 0;
                best = std::max(best, matched);
            }
    return 20.0 * best;
}

bool TBotBoard::SquareMayLie(int type, int k, int frag) const {
    if (OffBoard(frag) || Occupant(frag) >= 0) return false;
    const int mask = geo_.TypeOf(type).TypeSquares[k].Mask;
    int must = 0, may = 0;
    Needs(frag, must, may);
    return (mask & must) == must && (mask & ~may) == 0;
}

double TBotBoard::Value(int seenTop, int clippers, bool withView) const {
    double v = 0;
    int rootLights = 0, clippable = clippers;
    int top = 1 << 30, bottom = -(1 << 30), rootTop = 1 << 30;
    bool rootInView = false;
    for (const TLight& light : g_.Level.Lights) {
        v -= LightCost;
        if (DeadLight(light))
            v -= !OffBoard(light.Frag) && clippable-- > 0 ? ClippableCost : DeadCost;
        if (withView && ScreenY(light.Frag) > ViewBottom) v -= OutOfViewCost;

        const int y = geo_.FragAnchor(light.Frag).Y;
        if (LightGroup(light) == 1) {
            ++rootLights, rootTop = std::min(rootTop, y);
            rootInView = rootInView || y - g_.ScrollTarget + 245 >= 0;
        }
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    if (withView && bottom - top > SpreadAllowed) v -= SpreadCost * (bottom - top - SpreadAllowed);
    const std::vector<TTarget> targets = Targets(seenTop);
    if (!targets.empty() && rootLights == 0) v -= StrandedCost;
    // The view goes where the lowest end takes it: a network whose every end lies above it
    // waits, untouchable, until the ends below are closed or moved up.
    if (withView && rootLights > 0 && !rootInView) v -= OutOfViewCost;
    std::vector<int> dist;
    bool unseen = false;
    for (const TTarget& t : targets) {
        v -= TargetCost;
        unseen = unseen || !t.Seen;
        if (!t.Seen) continue;
        if (dist.empty()) dist = NetworkDistances();
        const int steps = StepsTo(t.Frag, dist);
        v -= steps < 0 ? UnreachableCost : StepCost * steps;
    }
    // Something still waits above what has been seen: the network climbs towards it, and
    // must still have a free way up there.
    if (unseen && rootTop < (1 << 30)) {
        v -= ClimbCost * std::max(0, rootTop - seenTop) / 40;
        if (dist.empty()) dist = NetworkDistances();
        if (!ReachesAbove(dist, seenTop)) v -= UnreachableCost;
    }
    return v + CombinationValue();
}
