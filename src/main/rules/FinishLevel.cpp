#include <algorithm>

#include "main/rules/Game.h"

void TGame::FinishLevel(uint32_t now) {
    TIntArray pieces = Steck;
    Steck.clear();
    std::sort(pieces.begin(), pieces.end());
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        if (HoveredPiece == *it) HoveredPiece = -1;
        RemoveFishka(*it);
    }
    Overflowing = false;
    // The finish dialog answers the arrow only: a tool in hand would swallow the first click.
    if (PointerImage != PointerNormal) SetPointer(PointerNormal);
    host_.ShowWindow("WFinishLevelDialog");
    host_.PlayMusic("Be happy!.mo3");

    // The wave runs from the lowest board piece along the twigs, 100 ms a step, so that the
    // farthest piece flashes last, at now.
    int lowest = -1;
    for (size_t i = 0; i < Fishkas.size(); ++i) {
        Fishkas[i].Marked = 0;
        int s = Fishkas[i].State;
        if (s != fsOnBoard && s != fsFixed && s != fsGhost) continue; // screen coordinates
        if (lowest < 0 || Fishkas[i].Y > Fishkas[lowest].Y) lowest = static_cast<int>(i);
    }
    if (lowest < 0) return;
    maxWalkDistance_ = now;
    DistanceWalk(lowest, now);
    int64_t shift = int64_t{now} - maxWalkDistance_;
    for (TFishka& f : Fishkas)
        f.Distance += shift;
}
