#include "main/shell/PlayAreaDraw.h"

#include "graphics/SurfEngine.h"

TPoint SurfaceSize(const TSurfEngine& surfaces, const std::string& image) {
    const int i = surfaces.FindSurface(image);
    if (i < 0) return {};
    return {surfaces.Record(i).Width, surfaces.Record(i).Height};
}

void DrawInPlayArea(TSurfEngine& surfaces, const std::string& image, const char* target, int x,
                    int y, uint8_t opacity, uint32_t tint, uint8_t level,
                    std::optional<int> lastColumn) {
    const TPoint size = SurfaceSize(surfaces, image);
    if (size.X <= 0 || size.Y <= 0) return;
    TRect r{0, 0, size.X - 1, size.Y - 1};
    if (y < PlayAreaTop) {
        r.Top += PlayAreaTop - y;
        y = PlayAreaTop;
    }
    if (y + (r.Bottom - r.Top) > PlayAreaBottom) r.Bottom = r.Top + (PlayAreaBottom - y);
    if (lastColumn && x + r.Right > *lastColumn) r.Right = *lastColumn - x;
    if (r.Bottom < r.Top || r.Right < r.Left) return;
    surfaces.DrawAlpha(image, target, x, y, opacity, r, tint, level);
}
