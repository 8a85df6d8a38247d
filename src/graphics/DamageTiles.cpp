#include "graphics/DamageTiles.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "graphics/Surface.h"

TDamageTiles::TDamageTiles(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      columns_((width_ + TileSide - 1) / TileSide), rows_((height_ + TileSide - 1) / TileSide),
      words_((columns_ + 63) / 64), bits_(static_cast<size_t>(rows_) * words_, 0) {}

void TDamageTiles::Mark(const TRect& r) {
    const int left = std::max(r.Left, 0), right = std::min(r.Right, width_ - 1);
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, height_ - 1);
    if (left > right || top > bottom) return;
    const int c0 = left / TileSide, c1 = right / TileSide;
    for (int row = top / TileSide; row <= bottom / TileSide; ++row) {
        uint64_t* bits = Row(row);
        for (int k = c0 / 64; k <= c1 / 64; ++k) {
            const int from = std::max(c0 - k * 64, 0), to = std::min(c1 - k * 64, 63);
            const uint64_t upTo = to == 63 ? ~uint64_t{0} : (uint64_t{1} << (to + 1)) - 1;
            bits[k] |= upTo & (~uint64_t{0} << from);
        }
    }
}

void TDamageTiles::MarkAll() {
    Mark({0, 0, width_ - 1, height_ - 1});
}

void TDamageTiles::Clear() {
    std::fill(bits_.begin(), bits_.end(), 0);
}

double TDamageTiles::MarkedShare(const TDamageTiles& other) const {
    if (bits_.empty()) return 0;
    size_t n = 0;
    for (size_t k = 0; k < bits_.size(); ++k)
        n += std::popcount(bits_[k] | other.bits_[k]);
    return static_cast<double>(n) / (static_cast<double>(columns_) * rows_);
}

int TDamageTiles::NextColumn(const uint64_t* row, int from, bool want) const {
    const uint64_t flip = want ? 0 : ~uint64_t{0};
    int k = from / 64;
    if (k >= words_) return columns_;
    uint64_t bits = (row[k] ^ flip) & (~uint64_t{0} << (from % 64));
    while (bits == 0) {
        if (++k == words_) return columns_;
        bits = row[k] ^ flip;
    }
    return std::min(k * 64 + std::countr_zero(bits), columns_);
}

void TDamageTiles::CopyMarked(const TDamageTiles& other, const TSurface& source,
                              TSurface& target) const {
    const size_t bytes = source.BytesPerPixel();
    std::vector<uint64_t> both(words_);
    std::vector<std::pair<size_t, size_t>> spans; // offset and length in a row, in bytes
    for (int row = 0; row < rows_; ++row) {
        for (int k = 0; k < words_; ++k) {
            const size_t at = static_cast<size_t>(row) * words_ + k;
            both[k] = bits_[at] | other.bits_[at];
        }
        spans.clear();
        for (int c = NextColumn(both.data(), 0, true); c < columns_;) {
            const int end = NextColumn(both.data(), c, false);
            const int x0 = c * TileSide, x1 = std::min(end * TileSide, width_);
            spans.push_back({x0 * bytes, (x1 - x0) * bytes});
            c = NextColumn(both.data(), end, true);
        }
        // Row after row through the spans, so memory is read in the order it lies.
        const int y0 = row * TileSide, y1 = std::min(y0 + TileSide, height_);
        for (int y = y0; y < y1; ++y)
            for (const auto& [offset, span] : spans)
                std::memcpy(target.Row(y) + offset, source.Row(y) + offset, span);
    }
}
