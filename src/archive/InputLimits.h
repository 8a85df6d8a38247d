#pragma once
#include <cstdint>

// What a picture handed to the game may cost. Every decoder and every canvas refuses larger
// ones before allocating, so a damaged or hostile header cannot ask for gigabytes; the game's
// own pictures are far smaller (the largest is a few screens of board).
constexpr int MaxImageSide = 8192;
constexpr int64_t MaxImagePixels = 16 * 1024 * 1024;
