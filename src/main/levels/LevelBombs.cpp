// Bombs and put pieces: the actions that change the board itself.
#include <cmath>

#include "main/levels/LevelRuntime.h"

void TLevelRuntime::PictureBomb(int x, int y, const std::string& bombImage,
                                const std::string& effect, int r) {
    // Names, not indexes: removing goes by name and must see every picture as it was.
    std::vector<TLevelPicture> pictures = objects_.Pictures;
    for (const TLevelPicture& p : pictures) {
        if (p.Z != 0 || p.Images.empty()) continue;
        if (!bombImage.empty() && p.Images[0] != bombImage) continue;
        TPoint size = FirstImageSize(p);
        bool hit = false;
        for (TPoint c : {TPoint{p.X, p.Y}, TPoint{p.X + size.X - 1, p.Y},
                         TPoint{p.X, p.Y + size.Y - 1}, TPoint{p.X + size.X - 1, p.Y + size.Y - 1}})
            hit = hit || std::hypot(double(c.X - x), double(c.Y - y)) < r;
        if (!hit) continue;
        RemovePicture(p.Name);
        StartEffect(effect, "", {p.X, p.Y});
    }
}

void TLevelRuntime::FragBomb(int frag, int r, const std::string& effect, bool ghost) {
    if (r <= 0 || !game_.Geometry().ValidFrag(frag)) return;
    if (IntArrayContains(frag, objects_.VisitedFrags)) return;
    objects_.VisitedFrags.push_back(frag);
    // The farthest frags are handled first.
    TIntArray neighbours;
    game_.Geometry().ForEachConnectAt(frag,
                                      [&](int, int other, int) { neighbours.push_back(other); });
    for (int other : neighbours)
        FragBomb(other, r - 1, effect, ghost);
    TPoint anchor = game_.Geometry().FragAnchor(frag);
    int piece = game_.BoardFishkaAt(anchor.X + 20, anchor.Y + 20);
    if (piece < 0) return;
    TFishka& f = game_.Fishkas[piece];
    if (!ghost || game_.IsFinishFrag(frag)) {
        StartEffect(effect, "", {f.X, f.Y});
        game_.TakeOffBoard(piece);
        if (game_.LastPlaced == piece) game_.LastPlaced = -1;
        if (game_.HoveredPiece == piece) game_.HoveredPiece = -1;
        game_.RemoveFishka(piece);
    } else if (f.State != fsGhost) {
        LiftToGhost(piece, frag);
    }
}

// The piece leaves its frag and the level wants it back: a ghost of the same square.
void TLevelRuntime::LiftToGhost(int piece, int frag) {
    TLevel& L = game_.Level;
    bool wanted = game_.IsRequired(frag);
    bool single = game_.SquareCount(piece) == 1;
    game_.TakeOffBoard(piece); // a wanted frag gets its ghost back from the rules
    if (wanted || !single) {
        // Nothing may lie on the board without its square: the piece goes.
        if (game_.LastPlaced == piece) game_.LastPlaced = -1;
        if (game_.HoveredPiece == piece) game_.HoveredPiece = -1;
        game_.RemoveFishka(piece);
        return;
    }
    TFishka& f = game_.Fishkas[piece];
    int mask = game_.Geometry().TypeOf(f.Type).TypeSquares[0].Mask;
    f.State = fsGhost;
    L.RequiredFrag.push_back(frag);
    L.RequiredMask.push_back(mask);
    game_.AddSquareJoined(frag, mask, piece, false);
}

void TLevelRuntime::PutPiece(int frag, int type, bool ghost) {
    const TGeometry& geo = game_.Geometry();
    if (!geo.ValidFrag(frag) || !geo.ValidType(type)) return;
    if (game_.SquareIndexOfFrag(frag) >= 0) {
        // One square per frag: putting onto a covered frag would corrupt the board.
        game_.Host().DebugLog("PutFishka on a covered frag " + std::to_string(frag));
        return;
    }
    TLevel& L = game_.Level;
    TFishka f;
    f.Type = static_cast<uint8_t>(type);
    TPoint anchor = geo.FragAnchor(frag);
    f.X = anchor.X;
    f.Y = anchor.Y;
    f.State = ghost ? fsGhost : fsOnBoard;
    if (ghost && !game_.IsRequired(frag)) {
        L.RequiredFrag.push_back(frag);
        L.RequiredMask.push_back(type);
    }
    int piece = game_.AddFishka(f);
    game_.AddSquareJoined(frag, type, piece, false);
}
