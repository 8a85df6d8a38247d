#pragma once
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "archive/Rect.h"

class TSurfEngine;

// The board is seen through rows 5 to 489 of the screen.
constexpr int PlayAreaTop = 5;
constexpr int PlayAreaBottom = 489;

// Width and height of a surface; 0 x 0 when there is none of that name.
TPoint SurfaceSize(const TSurfEngine& surfaces, const std::string& image);

// A sprite cut to the play area and, when given, after a column.
void DrawInPlayArea(TSurfEngine& surfaces, const std::string& image, const char* target, int x,
                    int y, uint8_t opacity = 255, uint32_t tint = 0, uint8_t level = 0,
                    std::optional<int> lastColumn = std::nullopt);
// The same, only the part that falls within a screen rectangle.
void DrawInPlayAreaWithin(TSurfEngine& surfaces, const std::string& image, const char* target,
                          int x, int y, const TRect& within, uint32_t tint = 0, uint8_t level = 0,
                          std::optional<int> lastColumn = std::nullopt);

// A tint or opacity level: rounded, kept within 0..255.
inline uint8_t Level8(double v) {
    const int r = static_cast<int>(std::nearbyint(v));
    return static_cast<uint8_t>(r < 0 ? 0 : r > 255 ? 255 : r);
}
