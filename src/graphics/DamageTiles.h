#pragma once
#include <cstdint>
#include <vector>

#include "archive/Rect.h"

class TSurface;

// Which 8 x 8 tiles of a surface were drawn over since they were last cleared. A frame that
// starts each time as a copy of the same still picture needs only those tiles copied back.
class TDamageTiles {
  public:
    static constexpr int TileSide = 4;

    TDamageTiles(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // r is inclusive and may reach outside the surface; what falls outside is ignored.
    void Mark(const TRect& r);
    void MarkAll();
    void Clear();
    // The share of tiles marked here or in other, 0 to 1.
    double MarkedShare(const TDamageTiles& other) const;

    // Copies from source to target every tile marked here or in other (of the same size as
    // this); the surfaces must be of that size and of one depth.
    void CopyMarked(const TDamageTiles& other, const TSurface& source, TSurface& target) const;

  private:
    int width_, height_;
    int columns_, rows_;
    std::vector<uint8_t> marked_; // columns_ * rows_, row by row
};
