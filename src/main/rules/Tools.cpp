#include "main/rules/Game.h"

void TGame::HammerPiece(int piece, uint32_t now) {
    (void)now;
    const TFishka& f = Fishkas[piece];
    if (f.InitialGroup == 1 || f.State == fsFixed || f.Root) {
        host_.StartEffect("UnableHammer", {}, piece, -1);
        return;
    }
    // Taken by value: lifting a piece off a square the level wants puts a ghost there, which
    // appends to Fishkas and may move it.
    const int32_t state = f.State;
    host_.StartEffect("HammerFishka", {}, piece, -1);
    host_.StartEffect("HammerFishkaSound", {}, piece, -1);
    const bool onBoard = state == fsOnBoard;
    if (onBoard) TakeOffBoard(piece);
    if (state == fsInSteck) IntArrayDelete(IntArrayIndexOf(Steck, piece), Steck);
    if (LastPlaced == piece) LastPlaced = -1;
    if (HoveredPiece == piece) HoveredPiece = -1;
    RemoveFishka(piece);
    --HammerCount;
    host_.SetCaption("LHammerCountWGame", std::to_string(HammerCount));
    if (onBoard) {
        RecomputeGroups();
        int highest = -1;
        FindOpenEnds(&highest);
        UpdateScrollTarget(highest);
    }
    host_.RebuildBackground();
    if (HammerCount <= 0) SetPointer(PointerNormal);
}

void TGame::HammerBoard(TPoint pointer, uint32_t now) {
    if (HammerCount <= 0) return;
    int piece =
        BoardFishkaAt(pointer.X + HammerHotSpot.X + 5, MapY(pointer.Y + HammerHotSpot.Y - 5));
    if (piece >= 0) HammerPiece(piece, now);
}

void TGame::HammerSteck(TPoint pointer, uint32_t now) {
    if (HammerCount <= 0) return;
    int piece = SteckFishkaAt(pointer.X + HammerHotSpot.X, pointer.Y + HammerHotSpot.Y);
    if (piece >= 0 && piece != BumperPiece) HammerPiece(piece, now);
}

int TGame::ClipperFittedType(int frag) const {
    std::string sides;
    for (int side = 1; side <= 4; ++side) {
        bool twig = false;
        geo_.ForEachConnectAt(frag, [&](int s, int other, int otherSide) {
            if (s != side) return;
            int j = SquareIndexOfFrag(other);
            int mask = j >= 0 ? Level.SquareMask[j] : RequiredMaskOf(other);
            if (mask >= 0 && geo_.SquareHasTwig(mask, otherSide)) twig = true;
        });
        if (twig) sides += static_cast<char>('0' + side);
    }
    // A square without a twig would look like a blocked one: the clipper makes none.
    if (sides.empty()) return -1;
    return geo_.FindSingleSquareType(sides);
}

// The one answer for the preview and the click: the type the clipper makes at the frag, or -1.
// A ghost on a required square becomes the piece the level wants; a free square takes the
// fitted type; a laid single square changes to it. Blocked squares, other ghosts, the level's
// own pieces, pieces of several squares and required squares already laid stay as they are.
int TGame::ClipPreviewType(int frag) const {
    if (frag < 0) return -1;
    const int cover = SquareIndexOfFrag(frag);
    const int piece = cover >= 0 ? Level.SquarePiece[cover] : -1;
    if (piece >= 0 && Fishkas[piece].State == fsGhost && IsRequired(frag)) {
        const int wanted = RequiredMaskOf(frag);
        return geo_.ValidType(wanted) ? wanted : -1;
    }
    const int type = ClipperFittedType(frag);
    if (type < 0) return -1;
    if (piece < 0) return cover >= 0 ? -1 : type;
    const TFishka& f = Fishkas[piece];
    if (f.State != fsOnBoard || SquareCount(piece) != 1 || IsRequired(frag) || f.Type == type)
        return -1;
    return type;
}

void TGame::Clip(TPoint pointer, uint32_t now) {
    if (ClipperCount <= 0) return;
    int x = pointer.X + ClipperHotSpot.X, y = pointer.Y + ClipperHotSpot.Y - 5;
    // The frag the preview shows for this pointer, and what the preview shows there.
    const int frag = geo_.FragUnderMapPoint(x, MapY(y));
    const int type = ClipPreviewType(frag);
    if (type < 0) return;
    int cover = SquareIndexOfFrag(frag);
    int piece = cover >= 0 ? Level.SquarePiece[cover] : -1;
    TFishka removedGhost;
    bool ghostRemoved = false;
    if (piece >= 0 && Fishkas[piece].State == fsGhost) {
        removedGhost = Fishkas[piece];
        ghostRemoved = true;
        DeletePieceNow(piece);
        piece = -1;
    }
    SaveGroups();
    int oldType = -1;
    bool merged = false;
    int group;
    if (piece < 0) {
        TFishka f;
        f.Type = static_cast<uint8_t>(type);
        TPoint anchor = geo_.FragAnchor(frag);
        f.X = anchor.X;
        f.Y = anchor.Y;
        f.State = fsOnBoard;
        piece = AddFishka(f);
        group = AddSquareJoined(frag, type, piece, true, &merged);
    } else {
        oldType = Fishkas[piece].Type;
        cover = SquareIndexOfFrag(frag);
        Level.SquareMask[cover] = type;
        Fishkas[piece].Type = static_cast<uint8_t>(type);
        group = JoinSquare(cover, true, &merged);
    }
    if (FindOpenEnds()) {
        FinishNow(piece, now);
        return;
    }
    if (ClosedLinkRefused(merged ? group : -1, frag, oldType < 0)) {
        if (oldType < 0) {
            RemoveSquare(frag, piece);
            RemoveFishka(piece);
        } else {
            Level.SquareMask[SquareIndexOfFrag(frag)] = oldType;
            Fishkas[piece].Type = static_cast<uint8_t>(oldType);
        }
        if (ghostRemoved) {
            int ghost = AddFishka(removedGhost);
            AddSquareJoined(frag, removedGhost.Type, ghost, false);
        }
        FindOpenEnds();
        return;
    }
    const TComplexFishkaType& t = geo_.TypeOf(type);
    bool inGhostRect = false;
    for (const TRect& r : Level.GhostRects)
        if (PointInRect(r, Fishkas[piece].X, Fishkas[piece].Y)) inGhostRect = true;
    if (inGhostRect && t.SquareCount == 1 && !DemoPlaying) {
        if (!IsRequired(frag)) {
            Level.RequiredFrag.push_back(frag);
            Level.RequiredMask.push_back(t.TypeSquares[0].Mask);
        }
        Fishkas[piece].State = fsGhost;
        host_.StopPieceEffect("ConnectLink", piece);
    } else {
        pinned_.push_back(piece);
        CheckCombination(piece, now);
        piece = pinned_.back();
        pinned_.pop_back();
        hooks_->CheckGhostGroups(now);
    }
    hooks_->CheckBonusPoints(now);
    --ClipperCount;
    host_.SetCaption("LClipperCountWGame", std::to_string(ClipperCount));
    host_.RebuildBackground();
    host_.StartEffect("ClipperFishkaNew", {}, piece, -1);
    if (ClipperCount <= 0) SetPointer(PointerNormal);
}
