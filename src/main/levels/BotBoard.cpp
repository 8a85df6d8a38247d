#include "main/levels/BotBoard.h"

#include <algorithm>
#include <deque>

namespace {

constexpr double LightCost = 25;      // every open end must be closed some day
constexpr double DeadCost = 1200;     // an end nothing dealt can close: a hammer or a clipper
constexpr double ClippableCost = 250; // ... when a clipper is in hand
constexpr double OutOfViewCost = 300; // the view follows the highest end; this one fell out
constexpr double TargetCost = 500;    // a bonus point or a ghost still to reach
constexpr double StepCost = 30;       // per free square between the network and a target
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

int TBotBoard::Occupant(int frag) const {
    const int i = g_.SquareIndexOfFrag(frag);
    if (i < 0) return -1;
    const int piece = g_.Level.SquarePiece[i];
    if (piece >= 0 && piece < static_cast<int>(g_.Fishkas.size()) &&
        g_.Fishkas[piece].State == fsGhost)
        return -1;
    return i;
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

int TBotBoard::StepsFromNetwork(int frag) const {
    // The network may meet a bonus point's own twigs halfway: any open end of the point's
    // link is a goal. A ghost is reached on its own square.
    // A laid square of another link is met only at that link's open ends: its walls turn the
    // network away, so one with none left cannot be reached at all.
    std::vector<char> goal(geo_.Frags.size(), 0);
    const int square = g_.SquareIndexOfFrag(frag);
    const int group = square >= 0 && !g_.IsRequired(frag) ? g_.Level.SquareGroup[square] : -1;
    if (Occupant(frag) < 0 || group < 0) goal[frag] = 1;
    if (group >= 0)
        for (const TLight& light : g_.Level.Lights)
            if (LightGroup(light) == group) goal[light.Frag] = 1;
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
        if (goal[f]) return dist[f];
        geo_.ForEachConnectAt(f, [&](int, int other, int) {
            if (dist[other] >= 0) return;
            if (goal[other]) {
                dist[other] = dist[f] + 1;
                queue.push_front(other);
            } else if (Occupant(other) < 0) {
                dist[other] = dist[f] + 1;
                queue.push_back(other);
            }
        });
    }
    return -1;
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
    // Links apart from the root's (the level's own, or cut off by the hammer) must join it.
    std::vector<int> groups;
    for (size_t i = 0; i < g_.Level.SquareFrag.size(); ++i) {
        const int frag = g_.Level.SquareFrag[i], group = g_.Level.SquareGroup[i];
        if (group == 1 || g_.IsFinishFrag(frag) || g_.IsRequired(frag) || Occupant(frag) < 0 ||
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
    int best = 0;
    for (const TOneStamp& stamp : geo_.Combinations[comb])
        for (const TStampCell& anchor : stamp)
            for (const TFishka& f : g_.Fishkas) {
                if (f.State != fsOnBoard || f.Type != anchor.Type) continue;
                const int dx = f.X - anchor.X, dy = f.Y - anchor.Y;
                int matched = 0;
                for (const TStampCell& cell : stamp)
                    matched +=
                        std::any_of(g_.Fishkas.begin(), g_.Fishkas.end(), [&](const TFishka& o) {
                            return o.State == fsOnBoard && o.Type == cell.Type &&
                                   o.X == cell.X + dx && o.Y == cell.Y + dy;
                        });
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
    int top = 1 << 30, bottom = -(1 << 30);
    for (const TLight& light : g_.Level.Lights) {
        v -= LightCost;
        if (DeadLight(light))
            v -= !OffBoard(light.Frag) && clippable-- > 0 ? ClippableCost : DeadCost;
        if (withView && ScreenY(light.Frag) > ViewBottom) v -= OutOfViewCost;
        if (LightGroup(light) == 1) ++rootLights;
        const int y = geo_.FragAnchor(light.Frag).Y;
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    if (withView && bottom - top > SpreadAllowed) v -= SpreadCost * (bottom - top - SpreadAllowed);
    const std::vector<TTarget> targets = Targets(seenTop);
    if (!targets.empty() && rootLights == 0) v -= StrandedCost;
    for (const TTarget& t : targets) {
        v -= TargetCost;
        if (!t.Seen) continue;
        const int steps = StepsFromNetwork(t.Frag);
        v -= steps < 0 ? UnreachableCost : StepCost * steps;
    }
    return v + CombinationValue();
}
