#include "main/rules/Game.h"

// The level is done: the map pans, the wanted combination gets its last chance, the hand is
// emptied and the finish dialog comes.
void TGame::FinishNow(int piece, uint32_t now) {
    LevelFinished = true;
    ScrollSpeed = 2;
    CheckCombination(piece, now);
    HeldPiece = -1;
    FinishLevel(now);
}

// A link that closed on itself is refused: the hint, a flash on its pieces in view, and the
// groups as they were. The caller takes the piece back.
bool TGame::ClosedLinkRefused(int group, int firstFrag, bool dryRun) {
    if (group == -1 || !GroupIsClosed(group) || IsRequired(firstFrag)) return false;
    if (dryRun && hooks_->DryRunFindsFragBomb()) return false;
    host_.ShowHint("LHintClosedLink", 3000);
    TIntArray flashed;
    for (size_t i = 0; i < Level.SquareFrag.size(); ++i) {
        int p = Level.SquarePiece[i];
        if (Level.SquareGroup[i] != group || p < 0 || IsFinishFrag(Level.SquareFrag[i])) continue;
        int y = Fishkas[p].Y;
        if (y > MapScroll - 245 - 40 && y < MapScroll + 240 + 10 && !IntArrayContains(p, flashed))
            flashed.push_back(p);
    }
    for (int p : flashed)
        host_.StartEffect("ClosedLink", {}, p, -1);
    RestoreGroups();
    return true;
}

void TGame::SaveGroups() {
    savedSquareGroups_ = Level.SquareGroup;
    savedPieceGroups_.clear();
    for (const TFishka& each : Fishkas)
        savedPieceGroups_.push_back(each.Group);
}

void TGame::RestoreGroups() {
    for (size_t i = 0; i < savedSquareGroups_.size() && i < Level.SquareGroup.size(); ++i)
        Level.SquareGroup[i] = savedSquareGroups_[i];
    for (size_t i = 0; i < savedPieceGroups_.size() && i < Fishkas.size(); ++i)
        Fishkas[i].Group = savedPieceGroups_[i];
}

void TGame::DeletePieceNow(int piece) {
    for (int frag : BoardFragsOf(piece))
        RemoveSquare(frag, piece);
    if (LastPlaced == piece) LastPlaced = -1;
    if (HoveredPiece == piece) HoveredPiece = -1;
    if (HeldPiece == piece) HeldPiece = -1;
    RemoveFishka(piece);
}

// Score, ghosts brought back, ghost rectangles, combination and level objects after a piece
// was laid for good.
int TGame::AfterLaying(int piece, uint32_t now) {
    if (Fishkas[piece].Bonus) {
        Fishkas[piece].Bonus = false;
        if (!DemoPlaying) GiveWeightedBonus(Level.FishkaBonusProb, now);
        piece = HeldPiece; // a cleared feed moves the indexes down
        host_.StartEffect("PutBonusFishka", {}, piece, -1);
    }
    LastPlaced = piece;
    TIntArray frags = BoardFragsOf(piece);
    const TComplexFishkaType& type = geo_.TypeOf(Fishkas[piece].Type);
    for (size_t i = 0; i < type.TypeSquares.size(); ++i) {
        int sides = geo_.TwigSideCount(type.TypeSquares[i].Mask);
        if (Mode == pmHard) Level.LevelScore += 1;
        if (Mode != pmNoLose) Level.LevelScore += sides;
        Level.ExperiencePoints += sides;
        RefreshScoreLabel();
        if (i >= frags.size() || !IsRequired(frags[i])) continue;
        for (size_t j = 0; j < Level.SquareFrag.size(); ++j) {
            int ghost = Level.SquarePiece[j];
            if (Level.SquareFrag[j] != frags[i] || ghost < 0 || Fishkas[ghost].State != fsGhost)
                continue;
            DeletePieceNow(ghost);
            break;
        }
    }
    piece = LastPlaced; // deleting ghosts may have moved it down
    TFishka& laid = Fishkas[piece];
    bool inGhostRect = false;
    for (const TRect& r : Level.GhostRects)
        if (PointInRect(r, laid.X, laid.Y)) inGhostRect = true;
    if (inGhostRect && type.SquareCount == 1 && !DemoPlaying && !frags.empty()) {
        if (!IsRequired(frags[0])) {
            Level.RequiredFrag.push_back(frags[0]);
            Level.RequiredMask.push_back(type.TypeSquares[0].Mask);
        }
        laid.State = fsGhost;
        host_.StopPieceEffect("ConnectLink", piece);
        HeldPiece = -1;
        LastPlaced = -1;
    } else {
        CheckCombination(piece, now);
        piece = HeldPiece;
        HeldPiece = -1;
        hooks_->CheckBonusPoints(now);
        hooks_->CheckGhostGroups(now);
    }
    host_.StartEffect("PutFishka", {}, piece, -1);
    return piece;
}

void TGame::PlaceHeld(uint32_t now) {
    int piece = HeldPiece;
    if (piece < 0) return;
    TFitResult fit = FitTest(piece);
    HeldFits = fit.Fits;
    const TComplexFishkaType& type = geo_.TypeOf(Fishkas[piece].Type);
    bool refused = !fit.Fits;
    if (refused) {
        host_.ShowHint(CrossingFlag ? "LHintTransparentTwig" : "LHintMatchingJoints", 3000);
        if (HintFrag >= 0) HintFragUntil = now + 1000;
    }
    bool allRequired = true;
    for (size_t i = 0; !refused && i < fit.Frags.size(); ++i) {
        int required = RequiredMaskOf(fit.Frags[i]);
        if (required < 0) allRequired = false;
        if (required >= 0 && required != type.TypeSquares[i].Mask) refused = true;
    }
    if (!refused && !allRequired) {
        if (PutAllow == paBorderFish) refused = !CoversLight(fit.Frags);
        if (PutAllow == paNearLight)
            refused = !CoversLight(fit.Frags) && !ReachesLight(fit.Frags, piece);
    }
    if (!refused && hooks_->MovingPictureBlocks(fit.Frags, now)) {
        host_.StartEffect("CanNotPutFishka", {}, piece, -1);
        refused = true;
    }
    if (!refused) {
        TFishka& f = Fishkas[piece];
        TPoint heldAt{f.X, f.Y};
        f.X = fit.X;
        f.Y = fit.Y;
        f.State = fsOnBoard;
        SaveGroups();
        int closedGroup = -1;
        for (size_t i = 0; i < fit.Frags.size(); ++i) {
            bool merged = false;
            int group =
                AddSquareJoined(fit.Frags[i], type.TypeSquares[i].Mask, piece, true, &merged);
            closedGroup = merged ? group : -1;
            if (!merged) {
                FindOpenEnds();
                continue;
            }
            if (FindOpenEnds()) {
                FinishNow(piece, now);
                hooks_->RestartLevelTimers(now);
                return;
            }
        }
        if (ClosedLinkRefused(closedGroup, fit.Frags[0], true)) {
            for (int frag : fit.Frags)
                RemoveSquare(frag, piece);
            Fishkas[piece].Group = -1;
            Fishkas[piece].State = fsHeld;
            Fishkas[piece].X = heldAt.X;
            Fishkas[piece].Y = heldAt.Y;
            FindOpenEnds(); // the lights must not keep the refused piece's ends
        } else {
            piece = AfterLaying(piece, now);
            int highest = -1;
            if (FindOpenEnds(&highest)) {
                FinishNow(piece, now);
            } else {
                UpdateScrollTarget(highest);
                host_.RebuildBackground();
            }
        }
    }
    hooks_->RestartLevelTimers(now);
}
