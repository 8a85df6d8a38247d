// The engine's drawing operations: plain copy, the alpha blit and bitmap-font text.
#include <cstring>

#include "graphics/Blend.h"
#include "graphics/SurfEngine.h"
#include "graphics/SurfaceClip.h"

void TSurfEngine::CopySurface(const std::string& source, const std::string& target,
                              const std::optional<TRect>& rect, int x, int y) {
    TSurface* src = FindPixels(source);
    SurfaceRecord* out = FindWithPixels(target);
    TSurface* dst = out ? out->Surface.get() : nullptr;
    if (!src || !dst || src->BitsPerPixel() != dst->BitsPerPixel()) return;
    TRect r = rect ? *rect : TRect{0, 0, src->Width() - 1, src->Height() - 1};
    // Parts of the picture that fall outside either surface are cut off.
    if (!ClipToBoth(r, x, y, src->Width(), src->Height(), dst->Width(), dst->Height())) return;
    const int bytes = src->BytesPerPixel();
    const size_t rowBytes = static_cast<size_t>(r.Right - r.Left + 1) * bytes;
    const int rows = r.Bottom - r.Top + 1;
    // Copying a surface onto itself further down must start from the bottom row.
    const bool upward = src == dst && y > r.Top;
    Drawn(*out, x, y, r);
    for (int k = 0; k < rows; ++k) {
        const int i = upward ? rows - 1 - k : k;
        std::memmove(dst->Row(y + i) + static_cast<size_t>(x) * bytes,
                     src->Row(r.Top + i) + static_cast<size_t>(r.Left) * bytes, rowBytes);
    }
}

void TSurfEngine::Drawn(SurfaceRecord& target, int x, int y, const TRect& part) {
    if (target.Damage)
        target.Damage->Mark({x, y, x + part.Right - part.Left, y + part.Bottom - part.Top});
}

void TSurfEngine::BlendSpan(TSurface& src, const SurfaceRecord& rec, TSurface& dst, const TRect& r,
                            int x, int y, uint8_t opacity, uint32_t colour, uint8_t level,
                            const uint8_t* lookup) {
    const int count = r.Right - r.Left + 1;
    if (dst.BitsPerPixel() == 32) {
        const TBlendRows32 rows{reinterpret_cast<uint32_t*>(dst.Row(y)) + x,
                                dst.Pitch() / 4,
                                reinterpret_cast<const uint32_t*>(src.Row(r.Top)) + r.Left,
                                src.Pitch() / 4,
                                &rec.Mask[static_cast<size_t>(r.Top) * rec.MaskWidth + r.Left],
                                rec.MaskWidth,
                                count,
                                r.Bottom - r.Top + 1};
        BlendRows32(rows, TBlendSetup::For32(opacity, colour, level, lookup));
    } else {
        const TBlendSetup setup = TBlendSetup::For16(opacity, colour, level);
        const TBlendRow16 blendRow = BestBlendRow16();
        for (int row = r.Top; row <= r.Bottom; ++row) {
            blendRow(reinterpret_cast<uint16_t*>(dst.Row(y + row - r.Top)) + x,
                     reinterpret_cast<const uint16_t*>(src.Row(row)) + r.Left,
                     &rec.Mask[static_cast<size_t>(row) * rec.MaskWidth + r.Left], count, setup);
        }
    }
}

namespace {

bool MaskFits(const SurfaceRecord& rec, const TSurface& src) {
    return rec.MaskWidth == src.Width() &&
           rec.Mask.size() >= static_cast<size_t>(src.Width()) * src.Height();
}

} // namespace

void TSurfEngine::DrawAlpha(const std::string& source, const std::string& target, int x, int y,
                            uint8_t opacity, const std::optional<TRect>& rect, uint32_t tintColour,
                            uint8_t tintLevel, const uint8_t* lookup) {
    const int si = FindSurface(source);
    if (si < 0) return;
    if (surfaces_[si].MaskWidth == -1) {
        CopySurface(source, target, rect, x, y);
        return;
    }
    const SurfaceRecord& rec = surfaces_[si];
    TSurface* src = rec.Surface.get();
    SurfaceRecord* out = FindWithPixels(target);
    TSurface* dst = out ? out->Surface.get() : nullptr;
    if (!src || !dst || src->BitsPerPixel() != dst->BitsPerPixel() || !MaskFits(rec, *src)) return;
    const int w = src->Width(), h = src->Height();
    TRect r = rect ? *rect : TRect{0, 0, w - 1, h - 1};
    if (x < 0) {
        r.Left -= x;
        x = 0;
    }
    if (y < 0) {
        r.Top -= y;
        y = 0;
    }
    if (!rect) {
        if (x + w > width_) r.Right -= x + w - width_;
        if (y + h > height_) r.Bottom -= y + h - height_;
    }
    // A given rectangle is the caller's to keep inside the target; we still never write
    // outside it.
    if (!ClipToBoth(r, x, y, w, h, dst->Width(), dst->Height())) return;
    Drawn(*out, x, y, r);
    BlendSpan(*src, rec, *dst, r, x, y, opacity, tintColour, tintLevel, lookup);
}

void TSurfEngine::DrawFontText(const std::string& text, const std::string& fontSurface,
                               std::span<const int32_t> glyphStarts, uint8_t tintLevel,
                               uint32_t tintColour, uint8_t opacity, int y, int x,
                               const std::string& target) {
    const int fi = FindSurface(fontSurface);
    if (fi < 0 || surfaces_[fi].MaskWidth == -1) return;
    const SurfaceRecord& rec = surfaces_[fi];
    TSurface* src = rec.Surface.get();
    SurfaceRecord* out = FindWithPixels(target);
    TSurface* dst = out ? out->Surface.get() : nullptr;
    if (!src || !dst || src->BitsPerPixel() != dst->BitsPerPixel() || !MaskFits(rec, *src)) return;
    auto start = [&](int k) {
        return k < static_cast<int>(glyphStarts.size()) ? glyphStarts[k] : 0;
    };
    const int fontHeight = src->Height();
    for (unsigned char c : text) {
        const int g = c - 32;
        if (g < 0) continue; // control characters have no glyph
        const int left = start(g), width = start(g + 1) - left;
        if (x + width > dst->Width() - 1) break;
        if (width > 0) {
            TRect r{left, 0, left + width - 1, fontHeight - 1};
            if (y + fontHeight > dst->Height()) r.Bottom = dst->Height() - 1 - y;
            int gx = x, gy = y;
            if (ClipToBoth(r, gx, gy, src->Width(), src->Height(), dst->Width(), dst->Height())) {
                Drawn(*out, gx, gy, r);
                BlendSpan(*src, rec, *dst, r, gx, gy, opacity, tintColour, tintLevel, nullptr);
            }
        }
        x += width;
    }
}
