#include "main/shell/PlayAreaDraw.h"

#include "graphics/SurfEngine.h"

TPoint SurfaceSize(const TSurfEngine& surfaces, const std::string& image) {
    const int i = surfaces.FindSurface(image);
    if (i < 0) return {};
    return {surfaces.Record(i).Width, surfaces.Record(i).Height};
}

namespace {
// The part of the image drawn at (x, y); false when nothing is.
bool CutToPlayArea(const TSurfEngine& surfaces, const std::string& image, int& x, int& y,
                   std::optional<int> lastColumn, TRect& r) {
    const TPoint size = SurfaceSize(surfaces, image);
    if (size.X <= 0 || size.Y <= 0) return false;
    r = {0, 0, size.X - 1, size.Y - 1};
    if (y < PlayAreaTop) {
        r.Top += PlayAreaTop - y;
        y = PlayAreaTop;
    }
    if (y + (r.Bottom - r.Top) > PlayAreaBottom) r.Bottom = r.Top + (PlayAreaBottom - y);
    if (lastColumn && x + r.Right > *lastColumn) r.Right = *lastColumn - x;
    return r.Bottom >= r.Top && r.Right >= r.Left;
}
} // namespace

void DrawInPlayArea(TSurfEngine& surfaces, const std::string& image, const char* target, int x,
                    int y, uint8_t opacity, uint32_t tint, uint8_t level,
                    std::optional<int> lastColumn) {
    TRect r;
    if (!CutToPlayArea(surfaces, image, x, y, lastColumn, r)) return;
    surfaces.DrawAlpha(image, target, x, y, opacity, r, tint, level);
}

// Every pixel is blended on its own, so the part drawn here is exactly that part of the whole.
void DrawInPlayAreaWithin(TSurfEngine& surfaces, const std::string& image, const char* target,
                          int x, int y, const TRect& within, uint32_t tint, uint8_t level,
                          std::optional<int> lastColumn) {
    TRect r;
    if (!CutToPlayArea(surfaces, image, x, y, lastColumn, r)) return;
    CutTopLeft(r, x, y, within);
    if (x + (r.Right - r.Left) > within.Right) r.Right = r.Left + (within.Right - x);
    if (y + (r.Bottom - r.Top) > within.Bottom) r.Bottom = r.Top + (within.Bottom - y);
    if (r.Bottom < r.Top || r.Right < r.Left) return;
    surfaces.DrawAlpha(image, target, x, y, 255, r, tint, level);
}
