#include <algorithm>
#include <set>

#include "main/rules/Game.h"

int TGame::NewGroupNumber() const {
    std::set<int> used;
    for (size_t i = 0; i < Level.SquareFrag.size(); ++i)
        if (Level.SquareMask[i] != 0) used.insert(Level.SquareGroup[i]);
    int n = 1;
    while (used.count(n))
        ++n;
    return n;
}

void TGame::RecomputeGroups() {
    TLevel& L = Level;
    size_t count = L.SquareFrag.size();
    for (size_t i = 0; i < count; ++i)
        if (L.SquareMask[i] != 0) L.SquareGroup[i] = 0;
    for (size_t start = 0; start < count; ++start) {
        if (L.SquareMask[start] == 0 || L.SquareGroup[start] != 0) continue;
        int group = NewGroupNumber();
        L.SquareGroup[start] = group;
        std::vector<size_t> todo{start};
        while (!todo.empty()) {
            size_t cur = todo.back();
            todo.pop_back();
            int mask = L.SquareMask[cur];
            geo_.ForEachConnectAt(L.SquareFrag[cur], [&](int side, int other, int) {
                if (!geo_.SquareHasTwig(mask, side)) return;
                int j = SquareIndexOfFrag(other);
                if (j < 0 || L.SquareMask[j] == 0 || L.SquareGroup[j] != 0) return;
                L.SquareGroup[j] = group;
                todo.push_back(static_cast<size_t>(j));
            });
        }
    }
    for (size_t i = 0; i < count; ++i)
        if (L.SquarePiece[i] >= 0 && L.SquarePiece[i] < static_cast<int>(Fishkas.size()))
            Fishkas[L.SquarePiece[i]].Group = L.SquareGroup[i];
    hooks_->GroupsRecomputed();
}

bool TGame::FindOpenEnds(int* highestFrag) {
    TLevel& L = Level;
    L.Lights.clear();
    bool finished = true;
    int highest = -1;
    for (size_t i = 0; i < L.SquareFrag.size(); ++i)
        if (L.SquareGroup[i] != 1 && !IsFinishFrag(L.SquareFrag[i])) finished = false;
    const std::vector<int> squareAt = SquareIndexByFrag();
    for (size_t i = 0; i < L.SquareFrag.size(); ++i) {
        int mask = L.SquareMask[i];
        geo_.ForEachConnectAt(L.SquareFrag[i], [&](int side, int other, int otherSide) {
            if (!geo_.SquareHasTwig(mask, side)) return;
            int j = squareAt[other];
            bool open =
                j < 0 || (L.SquarePiece[j] >= 0 && Fishkas[L.SquarePiece[j]].State == fsGhost);
            if (!open) return;
            finished = false;
            L.Lights.push_back({other, otherSide, false});
            if (!IsFinishFrag(other) && other > highest) highest = other;
        });
    }
    if (!finished && highest >= 0) {
        int rowY = geo_.FirstVertex(highest).Y;
        for (TLight& light : L.Lights)
            light.SameRow = geo_.FirstVertex(light.Frag).Y == rowY;
    }
    L.NearLights.clear();
    if (PutAllow != paBorderFish) {
        for (const TLight& light : L.Lights) {
            if (!IntArrayContains(light.Frag, L.NearLights)) L.NearLights.push_back(light.Frag);
            geo_.ForEachConnectAt(light.Frag, [&](int, int other, int) {
                if (squareAt[other] < 0 && !IntArrayContains(other, L.NearLights))
                    L.NearLights.push_back(other);
            });
        }
    }
    if (highestFrag) *highestFrag = highest;
    return finished;
}

bool TGame::GroupIsClosed(int group) const {
    const TLevel& L = Level;
    if (group == -1) return false;
    if (std::all_of(L.SquareGroup.begin(), L.SquareGroup.end(), [](int g) { return g == 1; }))
        return false;
    const std::vector<int> squareAt = SquareIndexByFrag();
    for (size_t i = 0; i < L.SquareFrag.size(); ++i) {
        if (L.SquareGroup[i] != group) continue;
        bool open = false;
        int mask = L.SquareMask[i];
        geo_.ForEachConnectAt(L.SquareFrag[i], [&](int side, int other, int) {
            if (geo_.SquareHasTwig(mask, side) && squareAt[other] < 0) open = true;
        });
        if (open) return false;
    }
    return true;
}

bool TGame::TouchesOnlyOnce(int piece) {
    TIntArray frags = BoardFragsOf(piece);
    const TLevel& L = Level;
    int touches = 0;
    for (size_t i = 0; i < L.SquareFrag.size(); ++i) {
        if (L.SquarePiece[i] == piece) continue;
        int mask = L.SquareMask[i];
        geo_.ForEachConnectAt(L.SquareFrag[i], [&](int side, int other, int) {
            if (geo_.SquareHasTwig(mask, side) && IntArrayContains(other, frags)) ++touches;
        });
    }
    return touches <= 1;
}

bool TGame::CoversLight(const TIntArray& frags) const {
    for (const TLight& light : Level.Lights)
        if (IntArrayContains(light.Frag, frags)) return true;
    return false;
}

bool TGame::ReachesLight(const TIntArray& frags, int piece) const {
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return false;
    const TComplexFishkaType& type = geo_.TypeOf(Fishkas[piece].Type);
    bool reaches = false;
    for (size_t i = 0; i < frags.size() && i < type.TypeSquares.size(); ++i) {
        int mask = type.TypeSquares[i].Mask;
        geo_.ForEachConnectAt(frags[i], [&](int side, int other, int) {
            if (!geo_.SquareHasTwig(mask, side)) return;
            for (const TLight& light : Level.Lights)
                if (light.Frag == other) reaches = true;
        });
    }
    return reaches;
}

void TGame::DistanceWalk(int piece, int64_t distance) {
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return;
    Fishkas[piece].Marked = 1;
    Fishkas[piece].Distance = distance;
    maxWalkDistance_ = std::max(maxWalkDistance_, distance);
    const TComplexFishkaType& type = geo_.TypeOf(Fishkas[piece].Type);
    TIntArray frags = BoardFragsOf(piece);
    for (size_t i = 0; i < frags.size() && i < type.TypeSquares.size(); ++i) {
        int mask = type.TypeSquares[i].Mask;
        geo_.ForEachConnectAt(frags[i], [&](int side, int other, int otherSide) {
            if (!geo_.SquareHasTwig(mask, side)) return;
            int j = SquareIndexOfFrag(other);
            if (j < 0 || !geo_.SquareHasTwig(Level.SquareMask[j], otherSide)) return;
            int next = Level.SquarePiece[j];
            if (next < 0 || next == piece) return;
            if (!Fishkas[next].Marked || Fishkas[next].Distance > distance + 100)
                DistanceWalk(next, distance + 100);
        });
    }
}

int TGame::AddSquareJoined(int frag, int mask, int piece, bool connectEffects, bool* merged) {
    TLevel& L = Level;
    L.SquareFrag.push_back(frag);
    L.SquareMask.push_back(mask);
    L.SquareGroup.push_back(0);
    L.SquarePiece.push_back(piece);
    return JoinSquare(static_cast<int>(L.SquareFrag.size()) - 1, connectEffects, merged);
}

int TGame::JoinSquare(int square, bool connectEffects, bool* merged) {
    TLevel& L = Level;
    TIntArray groups;
    int mask = L.SquareMask[square];
    geo_.ForEachConnectAt(L.SquareFrag[square], [&](int side, int other, int) {
        if (!geo_.SquareHasTwig(mask, side)) return;
        int j = SquareIndexOfFrag(other);
        if (j >= 0 && j != square && !IntArrayContains(L.SquareGroup[j], groups))
            groups.push_back(L.SquareGroup[j]);
    });
    L.SquareGroup[square] = 0;
    int group = groups.empty() ? NewGroupNumber() : IntArrayMin(groups);
    L.SquareGroup[square] = group;
    int piece = L.SquarePiece[square];
    if (piece >= 0) Fishkas[piece].Group = group;
    if (merged) *merged = !groups.empty();
    TIntArray linked;
    for (size_t i = 0; i < L.SquareFrag.size(); ++i) {
        if (L.SquareGroup[i] == group || !IntArrayContains(L.SquareGroup[i], groups)) continue;
        L.SquareGroup[i] = group;
        int p = L.SquarePiece[i];
        if (p < 0) continue;
        Fishkas[p].Group = group;
        if (group == 1 && Fishkas[p].State != fsGhost && !IsFinishFrag(L.SquareFrag[i]) &&
            !Fishkas[p].EffectAttached && !IntArrayContains(p, linked))
            linked.push_back(p);
    }
    if (connectEffects)
        for (int p : linked)
            host_.StartEffect("ConnectLink", {}, p, -1);
    return group;
}

void TGame::UpdateScrollTarget(int highestFrag) {
    int target = geo_.FragAnchor(highestFrag < 0 ? 0 : highestFrag).Y - 80;
    if (target < Level.MapTop + 245) target = Level.MapTop + 245;
    if (target > Level.MapBottom - 240) target = Level.MapBottom - 240;
    ScrollTarget = target;
    ScrollTurn = (ScrollTarget + MapScroll) / 2;
}

void TGame::PlaceMap() {
    MapScroll = Level.MapBottom - 1000;
    int highest = -1;
    FindOpenEnds(&highest);
    UpdateScrollTarget(highest);
}
