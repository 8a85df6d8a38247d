// Pieces, ghosts, bonus points and their actions as a level file places them.
#include <cmath>
#include <numbers>

#include "main/levels/LevelLoader.h"
#include "main/levels/LevelReadState.h"
#include "main/levels/LevelText.h"

// The placement test of a held piece over the frag; on success the piece lies there, joined to
// the groups its twig reaches.
bool TLevelLoader::PlaceAtLoad(int piece, int frag) {
    TFishka& f = game_.Fishkas[piece];
    TPoint anchor = geo_.FragAnchor(frag);
    f.X = anchor.X + 5;
    f.Y = anchor.Y + 245 - game_.MapScroll;
    TFitResult fit = game_.FitTest(piece);
    if (!fit.Fits || !geo_.ValidFrag(frag)) return false;
    TFishka& placed = game_.Fishkas[piece];
    placed.X = fit.X;
    placed.Y = fit.Y;
    const std::vector<TTypeSquare>& squares = geo_.TypeOf(placed.Type).TypeSquares;
    int group = game_.AddSquareJoined(frag, squares[0].Mask, piece, false);
    // A piece of several squares covers all of them, or the board would show it lying on
    // free ground.
    for (size_t i = 1; i < squares.size() && i < fit.Frags.size(); ++i)
        group = game_.AddSquareJoined(fit.Frags[i], squares[i].Mask, piece, false);
    game_.Fishkas[piece].Group = group;
    return true;
}

void TLevelLoader::PlaceLevelPiece(const TLevelLine& line) {
    int type = line.Strict("type");
    bool root = line.Flag("unhammer", false);
    int frag = line.Strict("frag");
    if (!geo_.ValidType(type)) return Skip(line, "unknown piece type");
    TFishka f;
    f.Type = static_cast<uint8_t>(type);
    f.State = fsOnBoard;
    f.Root = root;
    int piece = game_.AddFishka(f);
    if (PlaceAtLoad(piece, frag)) {
        game_.Fishkas[piece].InitialGroup = game_.Fishkas[piece].Group;
    } else {
        game_.RemoveFishka(piece);
        Skip(line, "the piece does not fit on frag " + std::to_string(frag));
    }
}

void TLevelLoader::PlaceGhost(TReadState& s, const TLevelLine& line) {
    int type = line.Lenient("type");
    int frag = BoardFrag(line.Lenient("x", s.MapX), line.Lenient("y", s.MapY));
    if (frag < 0) return Skip(line, "ghost piece on no board frag");
    // The wanted mask is a single-square type: a ghost covers exactly one frag.
    if (!geo_.ValidType(type) || geo_.TypeOf(type).SquareCount != 1)
        return Skip(line, "ghost piece is no single-square type");
    TLevel& L = game_.Level;
    L.RequiredFrag.push_back(frag);
    L.RequiredMask.push_back(type);
    bool grouped = !objects_.GhostGroups.empty();
    if (grouped) objects_.GhostGroups.back().GhostFrags.push_back(frag);
    TFishka f;
    f.Type = static_cast<uint8_t>(type);
    f.State = fsGhost;
    f.Phase = game_.Rng().NextReal() * 2 * std::numbers::pi;
    int piece = game_.AddFishka(f);
    if (PlaceAtLoad(piece, frag)) return;
    // A ghost that cannot lie there would leave a wanted square nothing can fill: drop it whole.
    game_.RemoveFishka(piece);
    L.RequiredFrag.pop_back();
    L.RequiredMask.pop_back();
    if (grouped) objects_.GhostGroups.back().GhostFrags.pop_back();
    Skip(line, "the ghost piece does not fit on frag " + std::to_string(frag));
}

void TLevelLoader::PlacePoint(TReadState& s, const TLevelLine& line) {
    int border = line.Lenient("border");
    int frag = BoardFrag(line.Lenient("x", s.MapX), line.Lenient("y", s.MapY));
    s.CurrentPoint = -1; // the actions of a skipped point go nowhere
    if (frag < 0) return Skip(line, "bonus point on no board frag");
    if (!geo_.ValidType(border) || geo_.TypeOf(border).SquareCount != 1)
        return Skip(line, "bonus point border is no single-square type");
    if (game_.SquareIndexOfFrag(frag) >= 0) return Skip(line, "bonus point on a covered frag");
    TLevel& L = game_.Level;
    TFishka f;
    f.Type = static_cast<uint8_t>(border);
    f.State = fsFixed;
    TPoint anchor = geo_.FragAnchor(frag);
    f.X = anchor.X;
    f.Y = anchor.Y;
    int piece = game_.AddFishka(f);
    int group = game_.NewGroupNumber();
    L.SquareFrag.push_back(frag);
    L.SquareMask.push_back(border);
    L.SquareGroup.push_back(group);
    L.SquarePiece.push_back(piece);
    game_.Fishkas[piece].Group = group;
    L.FinishFrags.push_back(frag);
    TBonusPoint point;
    point.Frag = frag;
    point.Border = border;
    objects_.BonusPoints.push_back(point);
    s.CurrentPoint = static_cast<int>(objects_.BonusPoints.size()) - 1;
    if (s.CurrentElement >= 0)
        objects_.BonusElements[s.CurrentElement].Points.push_back(s.CurrentPoint);
}

TLevelActions* TLevelLoader::ActionTarget(TReadState& s, const TLevelLine& line) {
    if (s.InsidePoint) {
        if (s.CurrentPoint >= 0) return &objects_.BonusPoints[s.CurrentPoint].Actions;
        Skip(line, "action of a skipped bonus point");
        return nullptr;
    }
    if (s.CurrentElement >= 0) return &objects_.BonusElements[s.CurrentElement].Actions;
    Skip(line, "action outside a bonus point or element");
    return nullptr;
}

TStartEffect* TLevelLoader::StartEffectTarget(TReadState& s) {
    if (s.InsidePoint)
        return s.CurrentPoint >= 0 ? &objects_.BonusPoints[s.CurrentPoint].StartEffect : nullptr;
    return s.CurrentElement >= 0 ? &objects_.BonusElements[s.CurrentElement].StartEffect : nullptr;
}

// The last picture of the board layer read so far whose first image covers the point.
int TLevelLoader::PictureUnder(int x, int y) const {
    int found = -1;
    for (size_t i = 0; i < objects_.Pictures.size(); ++i) {
        const TLevelPicture& p = objects_.Pictures[i];
        if (p.Z != 0 || p.Images.empty()) continue;
        TPoint size = images_.Size(p.Images[0]);
        if (PointInRect({p.X, p.Y, p.X + size.X - 1, p.Y + size.Y - 1}, x, y))
            found = static_cast<int>(i);
    }
    return found;
}

void TLevelLoader::ReadActionLine(TReadState& s, const TLevelLine& line) {
    if (line.Has("<RemovePicture "))
        if (TLevelActions* a = ActionTarget(s, line))
            a->RemovePictures.push_back(line.Text("name"));
    if (line.Has("<RemovePictureOn ")) {
        int picture = PictureUnder(line.Lenient("x", s.MapX), line.Lenient("y", s.MapY) - 15);
        TLevelActions* a = ActionTarget(s, line);
        if (a && picture >= 0) a->RemovePictures.push_back(objects_.Pictures[picture].Name);
    }
    if (line.Has("<ShowPicture"))
        if (TLevelActions* a = ActionTarget(s, line)) a->ShowPictures.push_back(line.Text("name"));
    if (line.Has("<Bomb")) {
        TBombs b;
        b.X = line.Lenient("x", s.MapX);
        b.Y = line.Lenient("y", s.MapY);
        b.Frag = BoardFrag(b.X, b.Y);
        b.R = line.Lenient("r", RadiusRange);
        b.Ghost = line.Flag("ghost", false);
        b.PictureBomb = line.Flag("picturebomb", false);
        b.EffectName = line.Text("effectname");
        b.BombImage = line.Text("bombimage");
        // A picture bomb works by its point; a frag bomb needs a board frag.
        if (b.Frag < 0 && !b.PictureBomb)
            Skip(line, "bomb on no board frag");
        else if (TLevelActions* a = ActionTarget(s, line))
            a->Bombs.push_back(b);
    }
    if (line.Has("<PutFishka")) {
        PutAction put;
        put.Frag = BoardFrag(line.Lenient("x", s.MapX), line.Lenient("y", s.MapY));
        put.Type = line.Lenient("type");
        put.Ghost = line.Flag("ghost", false);
        if (put.Frag < 0)
            Skip(line, "piece to put on no board frag");
        else if (!geo_.ValidType(put.Type) || geo_.TypeOf(put.Type).SquareCount != 1)
            Skip(line, "piece to put is no single-square type");
        else if (TLevelActions* a = ActionTarget(s, line))
            a->Puts.push_back(put);
    }
    if (line.Has("<LevelEffect ")) {
        TPoint at{line.Lenient("x", s.MapX), line.Lenient("y", s.MapY)};
        std::string name = line.Text("name"), surface = line.Text("surfname");
        if (!levelHost_.StartSurfaceEffect(name, surface, at))
            game_.Host().StartEffect(name, at, -1, -1);
    }
    if (line.Has("<FireEffect "))
        objects_.FireEffects.push_back({line.Lenient("x", s.MapX), line.Lenient("y", s.MapY),
                                        line.Lenient("runevery", TimeRange), line.Text("name"),
                                        now_, line.Text("followpic")});
    if (line.Has("<StartEffect ")) {
        TStartEffect* e = StartEffectTarget(s);
        if (!e) return Skip(line, "start effect outside a bonus point or element");
        e->Name = line.Text("name");
        e->X = line.Lenient("x", s.MapX);
        e->Y = line.Lenient("y", s.MapY);
        if (line.IsGiven("surfname")) e->SurfName = line.Text("surfname");
    }
}
