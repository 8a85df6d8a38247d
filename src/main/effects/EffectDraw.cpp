// Drawing the running effects onto the frame.
#include <algorithm>
#include <cmath>

#include "main/effects/EffectList.h"

namespace {

uint8_t ToByte(double v) {
    if (!(v > 0)) return 0; // also NaN
    return static_cast<uint8_t>(std::min(255.0, std::nearbyint(v)));
}

// The columns of the current frame; frames stand side by side in the surface.
TRect FrameRect(const EffectRecord& e, int w, int h) {
    const int n = std::max<int>(1, e.FramesNumber);
    if (n == 1) return {0, 0, w - 1, h - 1};
    const int k = std::clamp<int>(e.CurrentFrame, 1, n);
    return {w * (k - 1) / n, 0, w * k / n - 1, h - 1};
}

} // namespace

void TEffectList::DrawEffects(TSurfEngine& engine, int mapShift, uint32_t now) const {
    for (int i = Count() - 1; i >= 0; --i) {
        const EffectRecord& e = effects_[i];
        if (e.State != esVisible || !(e.Wait < 0 || e.Wait < int64_t{now})) continue;
        const int surface = engine.FindSurface(e.SurfName);
        if (surface < 0) continue;
        const int w = engine.Record(surface).Width, h = engine.Record(surface).Height;
        const double c = std::cos(e.RotateAngle), s = std::sin(e.RotateAngle);
        const double px = c * e.X - s * e.Y + e.ShiftX, py = s * e.X + c * e.Y + e.ShiftY;
        if (!std::isfinite(px) || !std::isfinite(py) || std::abs(px) > 1e8 || std::abs(py) > 1e8)
            continue;
        int x = static_cast<int>(std::nearbyint(px));
        int y = static_cast<int>(std::nearbyint(py));
        if (e.LongYEffect) y -= mapShift;
        TRect r = FrameRect(e, w, h);
        const int frameWidth = w / std::max<int>(1, e.FramesNumber);
        const TRect& clip = e.Clipper;
        CutTopLeft(r, x, y, clip);
        if (x + frameWidth > clip.Right) r.Right -= x + frameWidth - clip.Right;
        if (y + h > clip.Bottom) r.Bottom -= y + h - clip.Bottom;
        if (r.Left > r.Right || r.Top > r.Bottom) continue;
        engine.DrawAlpha(e.SurfName, "MemorySurface", x, y, ToByte(e.CurrentTrans), r, e.Color,
                         ToByte(e.CurrentTrack));
    }
}
