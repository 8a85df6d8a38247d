// The game layers of the frame: feed, ghosts, open ends and their markers.
#include <cmath>

#include "graphics/SurfEngine.h"
#include "main/rules/Game.h"
#include "main/shell/GameRenderer.h"
#include "main/shell/PlayAreaDraw.h"

namespace {
const char* const Frame = "MemorySurface";
constexpr uint32_t White = 0xFFFFFF, Yellow = 0xFFFF, Green = 0x8000, Black = 0;

// A bonus piece glows yellow, pulsing with its own phase.
uint8_t BonusGlow(uint32_t now, double phase) {
    return Level8(64 * std::sin(now / 300.0 + phase) + 150);
}
} // namespace

void TGameRenderer::DrawFeed(uint32_t now) {
    TGame& g = c_.Game;
    for (int piece : g.Steck) {
        if (piece < 0 || piece >= static_cast<int>(g.Fishkas.size())) continue;
        const TFishka& f = g.Fishkas[piece];
        if (f.X >= FeedCut) continue;
        const std::string image = PieceImage(piece);
        const TPoint size = Size(image);
        if (size.X <= 0) continue;
        uint32_t tint = 0;
        uint8_t level = 0;
        if (f.Bonus) {
            tint = Yellow;
            level = piece == g.HoveredPiece ? 100 : BonusGlow(now, f.Phase);
        } else if (piece == g.HoveredPiece) {
            tint = White;
            level = 200;
        }
        TRect r{0, 0, size.X - 1, size.Y - 1};
        if (f.X + size.X > FeedCut) r.Right = FeedCut - f.X - 1;
        c_.Surfaces.DrawAlpha(image, Frame, f.X, f.Y, 255, r, tint, level);
    }
    if (g.LevelFinished) return;
    const int o = g.FeedBeltOffset, b = g.BumperBeltOffset;
    c_.Surfaces.DrawAlpha("lenta", Frame, 5, 587, 255, TRect{o, 0, o + 789, 7});
    c_.Surfaces.DrawAlpha("lenta", Frame, 610, 482, 255, TRect{63 - b, 0, 247 - b, 7});
}

void TGameRenderer::DrawBumperPiece(uint32_t now) {
    TGame& g = c_.Game;
    const TFishka& f = g.Fishkas[g.BumperPiece];
    const std::string image = PieceImage(g.BumperPiece);
    const TPoint size = Size(image);
    if (size.X <= 0 || f.X > 794) return;
    TRect r{0, 0, size.X - 1, size.Y - 1};
    if (f.X + size.X > 795) r.Right = 795 - f.X - 1;
    c_.Surfaces.DrawAlpha(image, Frame, f.X, f.Y, 255, r, f.Bonus ? Yellow : 0,
                          f.Bonus ? BonusGlow(now, f.Phase) : 0);
}

void TGameRenderer::DrawGhostsInto(const char* target, uint32_t now) {
    TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    const bool still = g.MapScroll == g.ScrollTarget;
    const int n = static_cast<int>(g.Fishkas.size());
    for (int i = 0; i < n; ++i) {
        const TFishka& f = g.Fishkas[i];
        if (f.State != fsGhost || i == g.HeldPiece || f.EffectAttached) continue;
        const std::string image = PieceImage(i);
        const int h = Size(image).Y;
        if (!(g.MapScroll - 245 - h < f.Y && f.Y < g.MapScroll + 240)) continue;
        const uint8_t opacity = Level8(64 * std::sin(now / 300.0 + f.Phase) + 100);
        uint32_t tint = 0;
        uint8_t level = 0;
        if (f.Group != 1) tint = Black, level = 180;
        for (const TTypeSquare& sq : geo.TypeOf(f.Type).TypeSquares) {
            const TPoint a = geo.FragAnchor(sq.Frag);
            const int frag = geo.FragForProbe(f.X + a.X - 5, f.Y + a.Y);
            for (const TLight& light : g.Level.Lights)
                if (light.SameRow && light.Frag == frag) tint = Green, level = Level8(g.Pulse);
        }
        const int y = ScreenY(f.Y);
        DrawInPlayArea(image, target, f.X, y, opacity, tint, level);
        const bool whole = y >= PlayTop && y + h - 1 <= PlayBottom;
        // Only play draws the hint box: a hint started between levels would be used up unseen.
        if (c_.Game.HintsPending.FirstTransparentFishka && whole && still &&
            f.Y + h > g.MapScroll - 100 && g.GameState == gsPlaying) {
            c_.Game.HintsPending.FirstTransparentFishka = false;
            ShowHint("LHintFirstTransparentFishka", 10000, now);
        }
    }
}

void TGameRenderer::DrawLights(uint32_t now, const char* target) {
    TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    const TPoint lightSize = Size("Light1");
    int lastTopRow = -1;
    bool above = false;
    for (size_t k = 0; k < g.Level.Lights.size(); ++k) {
        const TLight& light = g.Level.Lights[k];
        const TPoint a = geo.FragAnchor(light.Frag);
        const bool pulse = light.SameRow && !g.IsRequired(light.Frag);
        DrawInPlayArea("Light" + std::to_string(light.Side), target, a.X, ScreenY(a.Y), 255, Green,
                       pulse ? Level8(g.Pulse) : 0);
        if (light.SameRow) lastTopRow = static_cast<int>(k);
        if (ScreenY(a.Y) + lightSize.Y <= PlayTop) above = true;
    }
    if (g.LevelFinished) return;
    if (lastTopRow >= 0) {
        const TPoint a = geo.FragAnchor(g.Level.Lights[lastTopRow].Frag);
        const int x = static_cast<int>(std::nearbyint(3 * std::sin(now / 150.0) + 570));
        DrawInPlayArea("LeftArrow", target, x, a.Y + 245 - g.MapScroll + 15);
    }
    if (above) {
        c_.Surfaces.DrawAlpha("UpArrow", target, 570, 5, 255, std::nullopt, White,
                              Level8(20 * std::sin(now / 100.0) + 235));
    } else if (c_.Game.HintsPending.LevelTop && g.MapScroll == g.ScrollTarget &&
               !g.Level.Lights.empty() && g.GameState == gsPlaying) {
        c_.Game.HintsPending.LevelTop = false;
        ShowHint("LHintLevelTop", 10000, now);
    }
}

// Arrows where the held piece's twigs meet open ends, crosses where a side stays bare.
void TGameRenderer::DrawJointMarkers() {
    TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    // The fit test notes what blocks; it runs on a copy of those notes so drawing changes
    // nothing.
    const int side = g.MismatchSide, hint = g.HintFrag;
    const bool crossing = g.CrossingFlag;
    const TFitResult fit = g.FitTest(g.HeldPiece);
    const int blockingSide = g.MismatchSide;
    g.MismatchSide = side, g.HintFrag = hint, g.CrossingFlag = crossing;

    const TFishka& f = g.Fishkas[g.HeldPiece];
    const auto& squares = geo.TypeOf(f.Type).TypeSquares;
    const int w = g.Wobble;
    for (size_t k = 0; k < squares.size() && k < fit.Frags.size(); ++k) {
        const TPoint a = geo.FragAnchor(fit.Frags[k]);
        const int ax = a.X, ay = a.Y + 245 - g.MapScroll;
        for (const TLight& light : g.Level.Lights) {
            if (light.Frag != fit.Frags[k]) continue;
            const int s = light.Side;
            if (geo.SquareHasTwig(squares[k].Mask, s) && g.HeldFits) {
                const TPoint at[4] = {{ax + 15, ay - w - 5},
                                      {ax + w + 35, ay + 15},
                                      {ax + 15, ay + w + 35},
                                      {ax - w - 5, ay + 15}};
                if (s >= 1 && s <= 4)
                    DrawInPlayArea("Ar" + std::to_string(s), Frame, at[s - 1].X, at[s - 1].Y + 5);
            } else if (!geo.SquareHasTwig(squares[k].Mask, s) && blockingSide == -1) {
                const TPoint at[4] = {
                    {ax + 13, ay - 7}, {ax + 33, ay + 13}, {ax + 13, ay + 33}, {ax - 7, ay + 13}};
                if (s >= 1 && s <= 4) DrawInPlayArea("x", Frame, at[s - 1].X, at[s - 1].Y + 5);
            }
        }
    }
    blockingSquare_ = blockingSide != -1 ? static_cast<int>(fit.Frags.size()) - 1 : -1;
}

void TGameRenderer::DrawBlockingMarker(int square) {
    TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    const TFishka& f = g.Fishkas[g.HeldPiece];
    const auto& squares = geo.TypeOf(f.Type).TypeSquares;
    if (square < 0 || square >= static_cast<int>(squares.size())) return;
    const TPoint p = geo.FirstVertex(squares[square].Frag);
    const int bx = f.X + p.X, by = f.Y + p.Y - 5;
    TPoint at{bx - 5, by};
    switch (g.MismatchSide) {
    case 1:
        at = {bx + 8, by - 7};
        break;
    case 2:
        at = {bx + 28, by + 13};
        break;
    case 3:
        at = {bx + 8, by + 33};
        break;
    case 4:
        at = {bx - 12, by + 13};
        break;
    default:
        break;
    }
    DrawInPlayArea("x", Frame, at.X, at.Y);
}

void TGameRenderer::DrawFreeFragMarks() {
    TGame& g = c_.Game;
    const TGeometry& geo = g.Geometry();
    auto mark = [&](int frag) {
        const TPoint a = geo.FragAnchor(frag);
        DrawInPlayArea("under", Frame, a.X, ScreenY(a.Y), 128);
    };
    for (int frag : g.Level.NearLights)
        mark(frag);
    if (g.PutAllow == paBorderFish) return;
    for (size_t k = 0; k < g.Level.SquareFrag.size(); ++k)
        if (g.Level.SquareMask[k] != 0 || g.IsFinishFrag(g.Level.SquareFrag[k]))
            mark(g.Level.SquareFrag[k]);
}

void TGameRenderer::DrawSkillIcons(uint32_t now) {
    TGame& g = c_.Game;
    if (now < g.LiveUntil || g.Mode == pmNoLose)
        c_.Surfaces.DrawAlpha("LiveIcon.png", Frame, 719, 498, 180);
    if (now < g.DropAccelUntil) c_.Surfaces.DrawAlpha("DropAxelIcon.png", Frame, 606, 388, 255);
}

// One ember mark per eleventh of the time left before the jammed feed loses the level.
void TGameRenderer::DrawCountdown(uint32_t now) {
    TGame& g = c_.Game;
    if (!g.Overflowing || g.LevelFinished || g.Level.LoseTime <= 0) return;
    const int n = static_cast<int>(
        std::nearbyint(static_cast<double>(now - g.OverflowSince) * 11 / g.Level.LoseTime));
    for (int k = 0; k < n; ++k)
        c_.Surfaces.DrawAlpha("ProgressOTT.png", Frame, 784, 578 - 8 * k, 255);
}

void TGameRenderer::DrawHeldPiece(uint32_t now) {
    TGame& g = c_.Game;
    if (g.HeldPiece < 0 || g.HeldPiece >= static_cast<int>(g.Fishkas.size())) return;
    const TFishka& f = g.Fishkas[g.HeldPiece];
    DrawOnScreen(PieceImage(g.HeldPiece), f.X, f.Y, f.Bonus ? BonusGlow(now, f.Phase) : 0,
                 f.Bonus ? Yellow : 0);
    if (g.MismatchSide != -1 && blockingSquare_ >= 0) DrawBlockingMarker(blockingSquare_);
}

void TGameRenderer::DrawClipperPreview() {
    TGame& g = c_.Game;
    // The preview belongs to the clipper in hand; the arrow or the hammer shows none.
    if (g.ClipPreview < 0 || g.PointerImage != PointerClipper) return;
    const TGeometry& geo = g.Geometry();
    const std::string image = geo.TypeOf(g.ClipPreview).ImageName;
    const TPoint size = Size(image);
    const TPoint v = geo.FirstVertex(g.ClipPreviewFrag);
    int y = v.Y + 245 - g.MapScroll;
    y = std::min(std::max(y, 0), 486 - size.Y) + 5;
    c_.Surfaces.DrawAlpha(image, Frame, v.X, y, 100, std::nullopt, White, 1);
}
