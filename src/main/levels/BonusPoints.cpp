// Bonus points and elements reached by the growing twig, and ghost groups brought back.
#include "main/levels/LevelRuntime.h"

// Reached: a twig of the point's border meets a square of group 1 across a board connect.
bool TLevelRuntime::PointReached(const TBonusPoint& point) const {
    const TGeometry& geo = game_.Geometry();
    const TLevel& L = game_.Level;
    bool reached = false;
    geo.ForEachConnectAt(point.Frag, [&](int side, int other, int) {
        if (reached || !geo.SquareHasTwig(point.Border, side)) return;
        int j = game_.SquareIndexOfFrag(other);
        if (j >= 0 && L.SquareGroup[j] == 1) reached = true;
    });
    return reached;
}

static bool HasFragBomb(const TLevelActions& actions) {
    for (const TBombs& b : actions.Bombs)
        if (!b.PictureBomb) return true;
    return false;
}

static bool AllPointsDone(const TBonusElement& e, const std::vector<TBonusPoint>& points) {
    for (int p : e.Points)
        if (p >= 0 && p < static_cast<int>(points.size()) && !points[p].Done) return false;
    return true;
}

bool TLevelRuntime::DryRunFindsFragBomb() {
    std::vector<TBonusPoint>& points = objects_.BonusPoints;
    TIntArray marked;
    bool found = false;
    for (size_t i = 0; i < points.size(); ++i) {
        if (points[i].Done || !PointReached(points[i])) continue;
        points[i].Done = true;
        marked.push_back(static_cast<int>(i));
        found = found || HasFragBomb(points[i].Actions);
    }
    for (const TBonusElement& e : objects_.BonusElements)
        if (!e.Done && AllPointsDone(e, points) && HasFragBomb(e.Actions)) found = true;
    for (int i : marked)
        points[i].Done = false;
    return found;
}

void TLevelRuntime::CheckBonusPoints(uint32_t now) {
    for (size_t i = 0; i < objects_.BonusPoints.size(); ++i) {
        if (objects_.BonusPoints[i].Done || !PointReached(objects_.BonusPoints[i])) continue;
        // Copies: the actions may change the board but never the lists.
        TBonusPoint point = objects_.BonusPoints[i];
        objects_.BonusPoints[i].Done = true;
        RunActions(point.Actions, point.StartEffect, now);
    }
    for (size_t i = 0; i < objects_.BonusElements.size(); ++i) {
        TBonusElement& e = objects_.BonusElements[i];
        if (e.Done || !AllPointsDone(e, objects_.BonusPoints)) continue;
        e.Done = true;
        TBonusElement copy = e;
        RunActions(copy.Actions, copy.StartEffect, now);
    }
}

void TLevelRuntime::RunActions(const TLevelActions& actions, const TStartEffect& start,
                               uint32_t now) {
    (void)now;
    for (const std::string& name : actions.RemovePictures)
        RemovePicture(name);
    for (const std::string& name : actions.ShowPictures)
        ShowPicture(name);
    for (const TBombs& b : actions.Bombs) {
        if (b.PictureBomb)
            PictureBomb(b.X, b.Y, b.BombImage, b.EffectName, b.R);
        else
            FragBomb(b.Frag, b.R, b.EffectName, b.Ghost);
    }
    if (!actions.Bombs.empty()) {
        game_.RecomputeGroups();
        game_.Host().RebuildBackground();
    }
    for (const PutAction& put : actions.Puts)
        PutPiece(put.Frag, put.Type, put.Ghost);
    StartEffect(start.Name, start.SurfName, {start.X, start.Y});
    int highest = -1;
    game_.FindOpenEnds(&highest);
    game_.UpdateScrollTarget(highest);
}

// The whole links the group's pieces belong to join the root's group, not just their squares:
// a piece already linked to one would otherwise keep a group of its own that no later piece
// can close, and the level could never be finished. A ghost back on a frag of the group (its
// piece was broken) stays out until it is covered again.
void TLevelRuntime::JoinRootGroup(const TGhostFishGroup& g) {
    TLevel& L = game_.Level;
    TIntArray joined;
    for (int frag : g.GhostFrags) {
        int j = game_.SquareIndexOfFrag(frag);
        int piece = j >= 0 ? L.SquarePiece[j] : -1; // a blocked square has no piece
        if (piece < 0 || game_.Fishkas[piece].State == fsGhost) continue;
        if (!IntArrayContains(L.SquareGroup[j], joined)) joined.push_back(L.SquareGroup[j]);
    }
    for (size_t j = 0; j < L.SquareGroup.size(); ++j) {
        if (!IntArrayContains(L.SquareGroup[j], joined)) continue;
        L.SquareGroup[j] = 1;
        if (L.SquarePiece[j] >= 0) game_.Fishkas[L.SquarePiece[j]].Group = 1;
    }
}

// Groups are numbered again from the twigs alone after a piece leaves the board; the links
// that ghost groups brought back were joined by the level, not by twigs, and stay joined.
void TLevelRuntime::GroupsRecomputed() {
    objects_.VisitedFrags.clear();
    for (const TGhostFishGroup& g : objects_.GhostGroups)
        if (g.Done) JoinRootGroup(g);
}

void TLevelRuntime::CheckGhostGroups(uint32_t now) {
    TLevel& L = game_.Level;
    bool changed = false;
    for (TGhostFishGroup& g : objects_.GhostGroups) {
        // A group whose ghosts were all dropped while loading has nothing to bring back.
        if (g.Done || g.GhostFrags.empty()) continue;
        g.Done = true;
        for (int frag : g.GhostFrags) {
            int j = game_.SquareIndexOfFrag(frag);
            int piece = j >= 0 ? L.SquarePiece[j] : -1;
            if (piece >= 0 && game_.Fishkas[piece].State == fsGhost) g.Done = false;
        }
        if (!g.Done) continue;
        for (int frag : g.GhostFrags) {
            int j = game_.SquareIndexOfFrag(frag);
            if (j >= 0 && L.SquarePiece[j] >= 0)
                game_.Host().StartEffect("TwinkleFishka", {}, L.SquarePiece[j], -1);
        }
        JoinRootGroup(g);
        if (!game_.DemoPlaying) game_.GiveWeightedBonus(g.BonusWeights, now);
        changed = true;
    }
    if (changed) game_.Host().RebuildBackground();
}
