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

int TGame::ClipPreviewType(int frag) const {
    if (frag < 0) return -1;
    int required = RequiredMaskOf(frag);
    if (required >= 0) return required;
    int type = ClipperFittedType(frag);
    int cover = SquareIndexOfFrag(frag);
    if (cover < 0 || type < 0) return type;
    int piece = Level.SquarePiece[cover];
    if (piece < 0 || SquareCount(piece) != 1 || Fishkas[piece].Type == type) return -1;
    return type;
}

void TGame::Clip(TPoint pointer, uint32_t now) {
    if (ClipperCount <= 0) return;
    int x = pointer.X + ClipperHotSpot.X, y = pointer.Y + ClipperHotSpot.Y - 5;
    int piece = BoardFishkaAt(x, MapY(y));
    int frag;
    if (piece >= 0) {
        if (SquareCount(piece) != 1 || Fishkas[piece].State != fsOnBoard) return;
        frag = geo_.FragUnderMapPoint(Fishkas[piece].X + 20, Fishkas[piece].Y + 20);
        if (frag < 0 || IsRequired(frag)) return;
    } else {
        frag = geo_.FragUnderMapPoint(x, MapY(y));
        if (frag < 0) return;
    }
    int type = -1;
    int cover = SquareIndexOfFrag(frag);
    TFishka removedGhost;
    bool ghostRemoved = false;
    if (piece < 0 && IsRequired(frag) && cover >= 0 && Level.SquarePiece[cover] >= 0 &&
        Fishkas[Level.SquarePiece[cover]].State == fsGhost) {
        type = RequiredMaskOf(frag);
        if (!geo_.ValidType(type)) return;
        removedGhost = Fishkas[Level.SquarePiece[cover]];
        ghostRemoved = true;
        DeletePieceNow(Level.SquarePiece[cover]);
    } else {
        type = ClipperFittedType(frag);
        if (type < 0) return;
        // Only a free square takes a new piece; blocked squares and ghosts stay as they are.
        if (piece < 0 && cover >= 0) return;
        if (piece >= 0 && Fishkas[piece].Type == type) return;
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
