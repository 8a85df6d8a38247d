#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "archive/Rect.h"

class TSurface;

// Which 8 x 8 tiles of a surface were drawn over since they were last cleared. A frame that
// starts each time as a copy of the same still picture needs only those tiles copied back.
class TDamageTiles {
  public:
    static constexpr int TileSide = 8;

    TDamageTiles(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // r is inclusive and may reach outside the surface; what falls outside is ignored.
    void Mark(const TRect& r);
    void MarkAll();
    void Clear();
    // The share of tiles marked here or in other (of the same size as this), 0 to 1.
    double MarkedShare(const TDamageTiles& other) const;

    // Copies from source to target every tile marked here or in other; the surfaces must be
    // of this size and of one depth.
    void CopyMarked(const TDamageTiles& other, const TSurface& source, TSurface& target) const;

  private:
    // A row of tiles is a row of bits, so a frame's few marks are found a word at a time.
    uint64_t* Row(int row) { return &bits_[static_cast<size_t>(row) * words_]; }
    // The first column at or after from whose bit is want, or columns_.
    int NextColumn(const uint64_t* row, int from, bool want) const;

    int width_, height_;
    int columns_, rows_, words_;
    std::vector<uint64_t> bits_; // rows_ * words_; bits past columns_ stay clear
};
