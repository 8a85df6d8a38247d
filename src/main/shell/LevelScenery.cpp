#include "main/shell/LevelScenery.h"

#include <cmath>
#include <numbers>

#include "archive/SFunctions.h"
#include "graphics/SurfEngine.h"
#include "main/levels/LevelObjects.h"
#include "main/levels/LevelRuntime.h"
#include "main/rules/Game.h"
#include "main/shell/PlayAreaDraw.h"

namespace {
constexpr int StillLastColumn = 602;
constexpr int MovingLastColumn = 605;
constexpr uint32_t Red = 0x0000FF; // 0x00BBGGRR
} // namespace

bool TLevelScenery::AnimatedBackground() const {
    return objects_.AnimatedBackground;
}

// Farthest first, as the pictures are sorted; board-layer movers have a layer of their own.
void TLevelScenery::PlanPictureLayer(uint32_t now, std::vector<TPictureDraw>& out) {
    out.clear();
    const int n = static_cast<int>(objects_.Pictures.size());
    for (int i = 0; i < n; ++i) {
        TLevelPicture& p = objects_.Pictures[i];
        if (!p.Visible) continue;
        if (p.Images.empty()) {
            p.Visible = false;
            continue;
        }
        if (p.Moving && p.Z == 0) continue;
        int x = p.X, y = p.Y;
        if (p.Moving) {
            runtime_.MovePicture(i, now);
            x = p.CurrentX, y = p.CurrentY;
        }
        const int image = p.CurrentImage >= 0 && p.CurrentImage < static_cast<int>(p.Images.size())
                              ? p.CurrentImage
                              : 0;
        out.push_back({i, image, x, PictureScreenY(y, p.Z, game_.MapScroll), &p.Images[image],
                       StillLastColumn, TRect{}});
        p.LastUpdate = now;
    }
}

void TLevelScenery::DrawPictureLayer(const char* target, uint32_t now) {
    PlanPictureLayer(now, plan_);
    for (const TPictureDraw& d : plan_)
        DrawInPlayArea(surfaces_, *d.Image, target, d.X, d.Y, 255, 0, 0, d.LastColumn);
}

void TLevelScenery::DrawMovingLayer(uint32_t now, bool paused) {
    const int n = static_cast<int>(objects_.Pictures.size());
    for (int i = 0; i < n; ++i) {
        TLevelPicture& p = objects_.Pictures[i];
        if (!p.Visible || !p.Moving || p.Z != 0 || p.Images.empty()) continue;
        uint8_t level = 0;
        if (!paused) {
            runtime_.MovePicture(i, now);
            Bounce(p);
            if (static_cast<int32_t>(now - p.FlashUntil) < 0) {
                const double phase = static_cast<int32_t>(now - p.FlashUntil + 500) / 500.0;
                const long v = std::lround(170 * std::sin(phase * std::numbers::pi));
                level = static_cast<uint8_t>(~v & 0xFF);
            }
        }
        const int image = p.CurrentImage >= 0 && p.CurrentImage < static_cast<int>(p.Images.size())
                              ? p.CurrentImage
                              : 0;
        DrawInPlayArea(surfaces_, p.Images[image], "MemorySurface", p.CurrentX,
                       PictureScreenY(p.CurrentY, 0, game_.MapScroll), 255, level ? Red : 0, level,
                       MovingLastColumn);
        p.LastUpdate = now;
    }
}

// A free mover on a straight line turns back once when it runs into laid pieces; one that
// starts over them stays where it is.
void TLevelScenery::Bounce(TLevelPicture& p) {
    if (!p.FreeMover || p.Curves.empty()) return;
    const int segment = p.CurrentSegment < static_cast<int>(p.Curves.size()) ? p.CurrentSegment : 0;
    const PictureCurve& c = p.Curves[segment];
    if (c.beX != 0 || c.beY != 0) return;
    const TPoint size = SurfaceSize(surfaces_, p.Images[0]);
    const int x = p.CurrentX, y = p.CurrentY;
    const bool hit = Occupied(x, y) || Occupied(x, y + size.Y) || Occupied(x + size.X, y) ||
                     Occupied(x + size.X, y + size.Y);
    if (hit) {
        p.SpeedFactor *= -1.0 * p.BounceState;
        p.BounceState = -1;
    } else {
        p.BounceState = 1;
    }
}

bool TLevelScenery::Occupied(int x, int y) const {
    const int frag = game_.Geometry().FragUnderMapPoint(x, y);
    if (frag < 0) return false;
    const int k = game_.SquareIndexOfFrag(frag);
    if (k < 0) return false;
    const int piece = game_.Level.SquarePiece[k];
    return piece < 0 || piece >= static_cast<int>(game_.Fishkas.size()) ||
           game_.Fishkas[piece].State != fsGhost;
}

void TLevelScenery::DrawPictureHighlight(int picture) {
    if (picture < 0 || picture >= static_cast<int>(objects_.Pictures.size())) return;
    const TGeometry& geo = game_.Geometry();
    const std::string& marker = geo.TypeOf(0).ImageName;
    for (int frag : objects_.Pictures[picture].CoveredFrags) {
        const TPoint a = geo.FragAnchor(frag);
        DrawInPlayArea(surfaces_, marker, "MemorySurface", a.X,
                       PictureScreenY(a.Y, 0, game_.MapScroll));
    }
}

void TLevelScenery::RestartTimers(uint32_t now) {
    runtime_.RestartLevelTimers(now);
}

int TLevelScenery::PictureAt(TPoint mapPoint) const {
    int found = -1;
    for (size_t i = 0; i < objects_.Pictures.size(); ++i) {
        const TLevelPicture& p = objects_.Pictures[i];
        if (p.Z != 0 || !p.Visible || p.Images.empty() || p.CoveredFrags.empty()) continue;
        const TPoint size = SurfaceSize(surfaces_, p.Images[0]);
        const int x = p.Moving ? p.CurrentX : p.X, y = p.Moving ? p.CurrentY : p.Y;
        if (PointInRect({x, y, x + size.X - 1, y + size.Y - 1}, mapPoint.X, mapPoint.Y))
            found = static_cast<int>(i);
    }
    return found;
}
