#include "graphics/DamageTiles.h"

#include <algorithm>
#include <cstring>

#include "graphics/Surface.h"

TDamageTiles::TDamageTiles(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      columns_((width_ + TileSide - 1) / TileSide), rows_((height_ + TileSide - 1) / TileSide),
      marked_(static_cast<size_t>(columns_) * rows_, 0) {}

void TDamageTiles::Mark(const TRect& r) {
    const int left = std::max(r.Left, 0), right = std::min(r.Right, width_ - 1);
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, height_ - 1);
    if (left > right || top > bottom) return;
    const int c0 = left / TileSide, c1 = right / TileSide;
    for (int row = top / TileSide; row <= bottom / TileSide; ++row)
        std::memset(&marked_[static_cast<size_t>(row) * columns_ + c0], 1, c1 - c0 + 1);
}

void TDamageTiles::MarkAll() {
    std::fill(marked_.begin(), marked_.end(), 1);
}

void TDamageTiles::Clear() {
    std::fill(marked_.begin(), marked_.end(), 0);
}

double TDamageTiles::MarkedShare(const TDamageTiles& other) const {
    if (marked_.empty()) return 0;
    size_t n = 0;
    for (size_t k = 0; k < marked_.size(); ++k)
        n += (marked_[k] | other.marked_[k]) != 0;
    return static_cast<double>(n) / marked_.size();
}

void TDamageTiles::CopyMarked(const TDamageTiles& other, const TSurface& source,
                              TSurface& target) const {
    const size_t bytes = source.BytesPerPixel();
    std::vector<std::pair<size_t, size_t>> spans; // offset and length in a row, in bytes
    for (int row = 0; row < rows_; ++row) {
        const uint8_t* mine = &marked_[static_cast<size_t>(row) * columns_];
        const uint8_t* theirs = &other.marked_[static_cast<size_t>(row) * columns_];
        spans.clear();
        for (int c = 0; c < columns_;) {
            if (!(mine[c] | theirs[c])) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < columns_ && (mine[c] | theirs[c]))
                ++c;
            const int x0 = start * TileSide, x1 = std::min(c * TileSide, width_);
            spans.push_back({x0 * bytes, (x1 - x0) * bytes});
        }
        // Row after row through the spans, so memory is read in the order it lies.
        const int y0 = row * TileSide, y1 = std::min(y0 + TileSide, height_);
        for (int y = y0; y < y1; ++y)
            for (const auto& [offset, span] : spans)
                std::memcpy(target.Row(y) + offset, source.Row(y) + offset, span);
    }
}
