#pragma once
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
