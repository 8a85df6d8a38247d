#include <algorithm>
#include <climits>

#include "main/rules/Game.h"

namespace {

bool HitsPiece(TGame& game, const TGeometry& geo, int index, int x, int y) {
    const TFishka& f = game.Fishkas[index];
    if (f.State == fsGhost || !geo.ValidType(f.Type)) return false;
    if (f.Quest && f.State == fsInSteck) {
        TPoint size = game.Host().ImageSize(game.Level.QuestImage);
        return x >= f.X && x <= f.X + size.X - 1 && y >= f.Y && y <= f.Y + size.Y - 1;
    }
    int vertexCount = geo.FragTypes.empty() ? 0 : geo.FragTypes[0].VertexCount;
    for (const TTypeSquare& sq : geo.TypeOf(f.Type).TypeSquares) {
        if (!geo.ValidFrag(sq.Frag)) continue;
        std::vector<TPoint> polygon;
        const TFrag& frag = geo.Frags[sq.Frag];
        for (int v = 0; v < vertexCount && v < MaxFragVertices; ++v) {
            TPoint p =
                frag.PointIdx[v] < geo.Points.size() ? geo.Points[frag.PointIdx[v]] : TPoint{};
            polygon.push_back({p.X + f.X, p.Y + f.Y});
        }
        if (InsidePolygon(polygon, x, y)) return true;
    }
    return false;
}

template <class Accept>
int FirstHit(TGame& game, const TGeometry& geo, int x, int y, Accept accept) {
    for (int i = 0; i < static_cast<int>(game.Fishkas.size()); ++i)
        if (accept(game.Fishkas[i].State) && HitsPiece(game, geo, i, x, y)) return i;
    return -1;
}

} // namespace

int TGame::FishkaAt(int x, int y) {
    return FirstHit(*this, geo_, x, y, [](int) { return true; });
}

int TGame::SteckFishkaAt(int x, int y) {
    return FirstHit(*this, geo_, x, y, [](int s) { return s == fsInSteck || s == fsInBumper; });
}

int TGame::BoardFishkaAt(int x, int y) {
    return FirstHit(*this, geo_, x, y, [](int s) { return s == fsOnBoard || s == fsFixed; });
}

TIntArray TGame::BoardFragsOf(int piece) {
    TIntArray frags;
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return frags;
    const TFishka& f = Fishkas[piece];
    for (const TTypeSquare& sq : geo_.TypeOf(f.Type).TypeSquares) {
        TPoint v = geo_.FirstVertex(sq.Frag);
        int frag = geo_.FragForProbe(f.X + v.X - 5, f.Y + v.Y);
        if (frag < 0) {
            host_.DebugLog("Error in GetFishkaFrags");
            break;
        }
        frags.push_back(frag);
    }
    return frags;
}

// Every side of frag with a board connect is collected into sides; a twig must meet a twig and
// a bare side a bare side, both for covering squares and for required squares.
bool TGame::JointsMatch(int frag, int mask, TIntArray& sides) {
    bool ok = true;
    geo_.ForEachConnectAt(frag, [&](int side, int other, int otherSide) {
        if (!ok) return;
        sides.push_back(side);
        bool twig = geo_.SquareHasTwig(mask, side);
        auto check = [&](int neighbourMask) {
            if (twig == geo_.SquareHasTwig(neighbourMask, otherSide)) return true;
            MismatchSide = side;
            if (twig && neighbourMask == 0) HintFrag = other;
            return false;
        };
        int j = SquareIndexOfFrag(other);
        if (j >= 0 && !check(Level.SquareMask[j])) ok = false;
        int required = RequiredMaskOf(other);
        if (ok && required >= 0 && !check(required)) ok = false;
    });
    if (!ok) return false;
    for (int side = 1; side <= 4; ++side)
        if (geo_.SquareHasTwig(mask, side) && !IntArrayContains(side, sides)) return false;
    return true;
}

TFitResult TGame::FitTest(int piece) {
    TFitResult r;
    MismatchSide = -1;
    HintFrag = -1;
    CrossingFlag = false;
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return r;
    const TFishka& f = Fishkas[piece];
    if (geo_.TypeOf(f.Type).TypeSquares.empty()) return r; // an unknown type fits nowhere
    r.Fits = true;
    r.X = r.Y = INT_MAX;
    for (const TTypeSquare& sq : geo_.TypeOf(f.Type).TypeSquares) {
        TPoint a = geo_.FragAnchor(sq.Frag);
        int frag = geo_.FragForProbe(f.X + a.X - 5, f.Y + a.Y + MapScroll - 245);
        if (frag < 0) return r.Fits = false, r;
        r.Frags.push_back(frag);
        int j = SquareIndexOfFrag(frag);
        if (j >= 0 && Level.SquarePiece[j] < 0) {
            HintFrag = frag;
            return r.Fits = false, r;
        }
        if (j >= 0 && Fishkas[Level.SquarePiece[j]].State != fsGhost) return r.Fits = false, r;
        TIntArray sides;
        if (!JointsMatch(frag, sq.Mask, sides)) {
            r.Fits = false;
            if (!IntArrayContains(MismatchSide, sq.Joins)) return r;
            MismatchSide = -1; // towards a square of the same piece: look on
        }
        TPoint anchor = geo_.FragAnchor(frag);
        r.X = std::min(r.X, anchor.X);
        r.Y = std::min(r.Y, anchor.Y);
        int required = RequiredMaskOf(frag);
        if (required >= 0 && required != sq.Mask) {
            CrossingFlag = true;
            return r.Fits = false, r;
        }
    }
    return r;
}
