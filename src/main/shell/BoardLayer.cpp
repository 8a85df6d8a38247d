// The board piece layer: the still pieces baked over the background, the rest drawn each frame.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/SurfEngine.h"
#include "main/rules/Game.h"
#include "main/shell/GameRenderer.h"
#include "main/shell/PlayAreaDraw.h"

namespace {
const char* const Back = "Background";
const char* const Frame = "MemorySurface";
const char* const BakedSurface = "BakedBoard";
const char* const BakedBase = "BakedBackground"; // "Background" as it was under the bake
constexpr uint32_t White = 0xFFFFFF, Black = 0;

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

bool OverlapsAny(const TRect& r, const std::vector<TRect>& list) {
    for (const TRect& o : list)
        if (Overlap(r, o)) return true;
    return false;
}

// The smallest rectangle holding both; an empty one (left past right) holds nothing.
void Unite(TRect& into, const TRect& r) {
    if (r.Left > r.Right || r.Top > r.Bottom) return;
    if (into.Left > into.Right) {
        into = r;
        return;
    }
    into = {std::min(into.Left, r.Left), std::min(into.Top, r.Top), std::max(into.Right, r.Right),
            std::max(into.Bottom, r.Bottom)};
}
} // namespace

void KeepDrawingOrder(std::vector<TPieceDraw>& pieces, const std::vector<TRect>& under,
                      std::vector<TRect>& scratch) {
    TRect bounds{1, 1, 0, 0}; // of under: most pieces lie far from the feed
    for (const TRect& r : under)
        Unite(bounds, r);
    scratch.clear();
    for (TPieceDraw& p : pieces) {
        if (p.Still && !under.empty() && Overlap(p.Box, bounds) && OverlapsAny(p.Box, under))
            p.Still = false;
        if (p.Still && OverlapsAny(p.Box, scratch)) p.Still = false;
        if (!p.Still) scratch.push_back(p.Box);
    }
}

bool SamePictures(const std::vector<TPictureDraw>& a, const std::vector<TPictureDraw>& b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (!a[k].Same(b[k])) return false;
    return true;
}

// What the feed draws before the pieces: its pieces, cut at column 794, and the two belts.
void TGameRenderer::FeedRects(std::vector<TRect>& out) const {
    const TGame& g = c_.Game;
    out.clear();
    for (int piece : g.Steck) {
        if (piece < 0 || piece >= static_cast<int>(g.Fishkas.size())) continue;
        const TFishka& f = g.Fishkas[piece];
        const TPoint size = Size(PieceImage(piece));
        if (f.X >= FeedCut || size.X <= 0 || size.Y <= 0) continue;
        out.push_back({f.X, f.Y, std::min(f.X + size.X, FeedCut) - 1, f.Y + size.Y - 1});
    }
    if (g.LevelFinished) return;
    out.push_back({5, 587, 5 + 789, 587 + 7});
    out.push_back({610, 482, 610 + 184, 482 + 7});
}

void TGameRenderer::PlanBoardPieces(uint32_t now, bool withFeed) {
    TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    std::vector<TPieceDraw>& pieces = bake_.Pieces;
    pieces.clear();
    bake_.TypeSizes.fill(std::nullopt);
    const int n = static_cast<int>(g.Fishkas.size());
    for (int i = 0; i < n; ++i) {
        TFishka& f = g.Fishkas[i];
        if (i == g.HeldPiece || f.EffectAttached) continue;
        if (f.State == fsGhost || f.State == fsFixed || f.State == fsInSteck || f.State == fsHeld ||
            f.State == fsInBumper)
            continue;
        const std::string& image = geo.TypeOf(f.Type).ImageName;
        // A hundred pieces of a dozen types: each type's picture is looked up once a frame.
        std::optional<TPoint>& known = bake_.TypeSizes[f.Type];
        if (!known) known = Size(image);
        const TPoint size = *known;
        if (!(g.MapScroll - 245 - size.Y < f.Y && f.Y < g.MapScroll + 240)) continue;
        TPieceDraw p;
        p.Still = true;
        if (f.Group != 1) {
            p.Tint = Black, p.Level = 180;
        } else if (f.Marked) {
            p.Still = false;
            // The end-of-level wave: each piece flashes once a second from its distance tick.
            if (now > f.Distance + 300) f.Distance += 1000;
            if (f.Distance <= static_cast<int64_t>(now) && now <= f.Distance + 300) {
                const double v =
                    255 - 100 * std::sin((now - f.Distance) * std::numbers::pi / 300.0);
                p.Tint = White;
                p.Level = v < 160 ? 100 : Level8(v);
            }
        }
        if (i == g.HoveredPiece) p.Tint = White, p.Level = 200, p.Still = false;
        if (size.X <= 0 || size.Y <= 0) continue; // draws nothing
        p.Type = f.Type;
        p.Image = &image;
        p.X = f.X;
        p.Y = ScreenY(f.Y);
        p.Box = {p.X, std::max(p.Y, PlayTop), p.X + size.X - 1,
                 std::min(p.Y + size.Y - 1, PlayBottom)};
        pieces.push_back(p);
    }
    std::vector<TRect>& under = bake_.Under;
    if (withFeed) {
        FeedRects(under);
    } else {
        under.clear();
    }
    KeepDrawingOrder(pieces, under, bake_.EachFrame);
    bake_.Wanted.clear();
    for (const TPieceDraw& p : pieces)
        if (p.Still) bake_.Wanted.push_back({p.Type, p.X, p.Y, p.Level});
}

// The baked layer is redrawn only once this frame's still pieces and background were also
// last frame's: while the map scrolls or pieces move it would change every frame for nothing.
// Pictures drawn each frame come after the feed; the baked layer would put them beneath it.
bool TGameRenderer::PicturesMeetFeed() const {
    for (const TPictureDraw& d : bake_.Pictures)
        if (d.Box.Left <= d.Box.Right && OverlapsAny(d.Box, bake_.Under)) return true;
    return false;
}

void TGameRenderer::StartFrame(uint32_t now, bool withFeed) {
    TBoardBake& b = bake_;
    if (layers_ && c_.State.AnimatedBackground) {
        layers_->PlanPictureLayer(now, b.Pictures);
    } else {
        b.Pictures.clear();
    }
    for (TPictureDraw& d : b.Pictures) {
        const TPoint size = Size(*d.Image);
        d.Box = {d.X, std::max(d.Y, PlayTop), std::min(d.X + size.X - 1, d.LastColumn),
                 std::min(d.Y + size.Y - 1, PlayBottom)};
    }
    PlanBoardPieces(now, withFeed);
    const uint64_t generation = backgroundGeneration_;
    const bool bakeable = (!b.Wanted.empty() || !b.Pictures.empty()) && !PicturesMeetFeed();
    // Rebuilds that draw the same background again (a level picture's next image, drawn each
    // frame anyway) keep the baked layer.
    if (b.Valid && b.BakedOn != generation && b.ComparedOn != generation && b.Baked == b.Wanted) {
        b.ComparedOn = generation;
        if (SameBackgroundAsBaked()) b.BakedOn = generation;
    }
    const bool piecesHeld = b.Valid && b.BakedOn == generation && b.Baked == b.Wanted;
    bool holds = piecesHeld && SamePictures(b.BakedPictures, b.Pictures);
    if (bakeable && piecesHeld && !holds) holds = RedrawMovedPictures();
    const bool steady = b.LastWantedOn == generation && b.LastWanted == b.Wanted &&
                        SamePictures(b.LastPictures, b.Pictures);
    if (bakeable && !holds && steady) holds = BakeStillLayers();
    b.Used = bakeable && holds;
    std::swap(b.LastWanted, b.Wanted);
    b.LastPictures = b.Pictures;
    b.LastWantedOn = generation;
    restore_.Restore(c_.Surfaces, b.Used ? BakedSurface : Back, Frame);
}

// A far picture drifting across the sky: only where it was and where it is now is the baked
// layer drawn again, with everything it holds there, in order. A larger change (the map
// scrolling) is left to a whole bake.
bool TGameRenderer::RedrawMovedPictures() {
    TBoardBake& b = bake_;
    if (b.BakedPictures.size() != b.Pictures.size()) return false;
    TRect dirty{1, 1, 0, 0};
    for (size_t k = 0; k < b.Pictures.size(); ++k) {
        if (b.BakedPictures[k].Picture != b.Pictures[k].Picture) return false;
        if (b.BakedPictures[k].Same(b.Pictures[k])) continue;
        Unite(dirty, b.BakedPictures[k].Box);
        Unite(dirty, b.Pictures[k].Box);
    }
    const long area = dirty.Left > dirty.Right
                          ? 0
                          : long{dirty.Right - dirty.Left + 1} * (dirty.Bottom - dirty.Top + 1);
    if (area * 4 > long{TSurfEngine::ScreenWidth} * TSurfEngine::ScreenHeight) return false;
    TSurfEngine& s = c_.Surfaces;
    if (area > 0) {
        s.CopySurface(Back, BakedSurface, dirty, dirty.Left, dirty.Top);
        for (const TPictureDraw& d : b.Pictures)
            if (Overlap(d.Box, dirty))
                DrawInPlayAreaWithin(s, *d.Image, BakedSurface, d.X, d.Y, dirty, 0, 0,
                                     d.LastColumn);
        for (const TPieceDraw& p : b.Pieces)
            if (p.Still && Overlap(p.Box, dirty))
                DrawInPlayAreaWithin(s, *p.Image, BakedSurface, p.X, p.Y, dirty, p.Tint, p.Level);
    }
    b.BakedPictures = b.Pictures;
    return true;
}

// A surface of the size and depth of "Background"; nullptr when there is none to be had.
TSurface* TGameRenderer::SurfaceLikeBackground(const char* name) {
    TSurfEngine& s = c_.Surfaces;
    const TSurface* back = s.FindPixels(Back);
    if (!back) return nullptr;
    TSurface* surface = s.FindPixels(name);
    if (!surface && s.CreateBlankSurface(name, back->Width(), back->Height()))
        surface = s.FindPixels(name);
    if (!surface || !surface->SameShape(*back)) return nullptr;
    return surface;
}

bool TGameRenderer::SameBackgroundAsBaked() const {
    const TSurface* back = c_.Surfaces.FindPixels(Back);
    const TSurface* base = c_.Surfaces.FindPixels(BakedBase);
    return back && base && back->SamePixels(*base);
}

bool TGameRenderer::BakeStillLayers() {
    TSurfEngine& s = c_.Surfaces;
    bake_.Valid = false;
    if (!SurfaceLikeBackground(BakedSurface) || !SurfaceLikeBackground(BakedBase)) return false;
    s.CopySurface(Back, BakedBase, std::nullopt, 0, 0);
    s.CopySurface(Back, BakedSurface, std::nullopt, 0, 0);
    DrawPictures(BakedSurface);
    for (const TPieceDraw& p : bake_.Pieces)
        if (p.Still) DrawInPlayArea(*p.Image, BakedSurface, p.X, p.Y, 255, p.Tint, p.Level);
    bake_.BakedPictures = bake_.Pictures;
    bake_.Baked = bake_.Wanted;
    bake_.BakedOn = bake_.ComparedOn = backgroundGeneration_;
    bake_.Valid = true;
    return true;
}

void TGameRenderer::DrawPictures(const char* target) {
    for (const TPictureDraw& d : bake_.Pictures)
        DrawInPlayArea(*d.Image, target, d.X, d.Y, 255, 0, 0, d.LastColumn);
}

void TGameRenderer::DrawFramePictures() {
    if (!bake_.Used) DrawPictures(Frame);
}

void TGameRenderer::DrawBoardPieces() {
    for (const TPieceDraw& p : bake_.Pieces)
        if (!(p.Still && bake_.Used))
            DrawInPlayArea(*p.Image, Frame, p.X, p.Y, 255, p.Tint, p.Level);
    if (!c_.State.ShowBlockedSquares) return;
    const TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    const std::string& blocked = geo.TypeOf(0).ImageName;
    for (size_t k = 0; k < g.Level.SquareFrag.size(); ++k) {
        if (g.Level.SquareMask[k] != 0) continue;
        const TPoint a = geo.FragAnchor(g.Level.SquareFrag[k]);
        DrawInPlayArea(blocked, Frame, a.X, ScreenY(a.Y));
    }
}
