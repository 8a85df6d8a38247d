// Level pictures during play: image cycles, motion on curves, shown and removed pictures.
#include <cmath>

#include "main/levels/LevelRuntime.h"

TPoint TLevelRuntime::FirstImageSize(const TLevelPicture& p) const {
    return p.Images.empty() ? TPoint{} : images_.Size(p.Images[0]);
}

bool TLevelRuntime::CyclePictures(uint32_t now) {
    bool changed = false;
    for (TLevelPicture& p : objects_.Pictures) {
        if (p.Images.size() < 2 || !(p.NextImageTime < now)) continue;
        p.CurrentImage = (p.CurrentImage + 1) % static_cast<int>(p.Images.size());
        if (p.CurrentImage < static_cast<int>(p.ImageTimes.size()))
            p.NextImageTime += p.ImageTimes[p.CurrentImage];
        changed = true;
    }
    // Pictures drawn every frame show their next image without a new background.
    return changed && !objects_.AnimatedBackground;
}

void TLevelRuntime::MovePicture(int picture, uint32_t now) {
    if (picture < 0 || picture >= static_cast<int>(objects_.Pictures.size())) return;
    TLevelPicture& p = objects_.Pictures[picture];
    int n = static_cast<int>(std::min(p.Curves.size(), p.SegmentTimes.size()));
    if (n == 0) return;
    if (p.CurrentSegment < 0 || p.CurrentSegment >= n) p.CurrentSegment = 0;
    double s = p.TimeInSegment + static_cast<int32_t>(now - p.LastUpdate) * p.SpeedFactor;
    if (s > p.SegmentTimes[p.CurrentSegment]) {
        s -= p.SegmentTimes[p.CurrentSegment];
        p.CurrentSegment = (p.CurrentSegment + 1) % n;
    } else if (s < 0) {
        p.CurrentSegment = (p.CurrentSegment + n - 1) % n;
        s += p.SegmentTimes[p.CurrentSegment];
    }
    p.TimeInSegment = s;
    const PictureCurve& c = p.Curves[p.CurrentSegment];
    double x = c.alX * std::sin(c.beX * s + c.gaX) + c.laX * s + c.lbX;
    double y = c.alY * std::sin(c.beY * s + c.gaY) + c.laY * s + c.lbY;
    // A curve written to run off to infinity must not overflow the position.
    p.CurrentX = std::isfinite(x) && std::fabs(x) < 1e9 ? RoundEven(x) : 0;
    p.CurrentY = std::isfinite(y) && std::fabs(y) < 1e9 ? RoundEven(y) : 0;
    p.LastUpdate = now;
}

void TLevelRuntime::RestartLevelTimers(uint32_t now) {
    for (TLevelPicture& p : objects_.Pictures) {
        if (p.Moving) p.LastUpdate = now;
        if (p.Images.size() > 1) p.NextImageTime = now + 1000;
    }
}

void TLevelRuntime::ShowPicture(const std::string& name) {
    int i = objects_.FindPicture(name);
    if (i < 0 || objects_.Pictures[i].Visible) return;
    TLevel& L = game_.Level;
    for (int frag : objects_.Pictures[i].CoveredFrags) {
        if (IntArrayContains(frag, L.SquareFrag)) continue;
        L.SquareFrag.push_back(frag);
        L.SquareMask.push_back(0);
        L.SquareGroup.push_back(1);
        L.SquarePiece.push_back(-1);
    }
    objects_.Pictures[i].Visible = true;
}

void TLevelRuntime::RemovePicture(const std::string& name) {
    int i = objects_.FindPicture(name);
    if (i < 0 || !objects_.Pictures[i].Visible) return;
    TLevel& L = game_.Level;
    for (int frag : objects_.Pictures[i].CoveredFrags) {
        IntArrayDelete(IntArrayIndexOf(L.FinishFrags, frag), L.FinishFrags);
        for (size_t j = 0; j < L.SquareFrag.size(); ++j) {
            if (L.SquareFrag[j] != frag || L.SquareMask[j] != 0) continue;
            L.SquareFrag.erase(L.SquareFrag.begin() + j);
            L.SquareMask.erase(L.SquareMask.begin() + j);
            L.SquareGroup.erase(L.SquareGroup.begin() + j);
            L.SquarePiece.erase(L.SquarePiece.begin() + j);
            break;
        }
    }
    objects_.Pictures[i].Visible = false;
}

// A free-moving board picture over a target frag refuses the piece and flashes.
bool TLevelRuntime::MovingPictureBlocks(const std::vector<int>& frags, uint32_t now) {
    const TGeometry& geo = game_.Geometry();
    for (TLevelPicture& p : objects_.Pictures) {
        if (!p.FreeMover || p.Z != 0 || !p.Visible) continue;
        TPoint size = FirstImageSize(p);
        TRect r{p.CurrentX, p.CurrentY, p.CurrentX + size.X - 1, p.CurrentY + size.Y - 1};
        for (int frag : frags) {
            std::vector<TPoint> polygon = geo.FragVertices(frag);
            bool overlap = false;
            for (TPoint v : polygon)
                overlap = overlap || PointInRect(r, v.X, v.Y);
            for (TPoint c : {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top},
                             TPoint{r.Left, r.Bottom}, TPoint{r.Right, r.Bottom}})
                overlap = overlap || InsidePolygon(polygon, c.X, c.Y);
            if (!overlap) continue;
            p.FlashUntil = now + 500;
            return true;
        }
    }
    return false;
}

void TLevelRuntime::RunFireSources(uint32_t now) {
    for (TFireEffect& fire : objects_.FireEffects) {
        if (!(fire.LastStart + static_cast<uint32_t>(fire.RunEvery) < now) && fire.RunEvery > 0)
            continue;
        TPoint at{fire.X, fire.Y};
        int followed = fire.FollowPic.empty() ? -1 : objects_.FindPicture(fire.FollowPic);
        if (followed >= 0) {
            const TLevelPicture& p = objects_.Pictures[followed];
            at = {p.CurrentX + fire.X, p.CurrentY + fire.Y};
        }
        StartEffect(fire.Name, "", at);
        fire.LastStart = now;
    }
}

void TLevelRuntime::StartEffect(const std::string& name, const std::string& surface, TPoint at) {
    if (name.empty()) return;
    if (!levelHost_.StartSurfaceEffect(name, surface, at))
        game_.Host().StartEffect(name, at, -1, -1);
}

bool TLevelRuntime::InGhostRect(int x, int y) const {
    for (const TRect& r : game_.Level.GhostRects)
        if (PointInRect(r, x, y)) return true;
    return false;
}
