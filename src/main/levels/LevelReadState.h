#pragma once
#include <string>

#include "archive/InputLimits.h"
#include "main/levels/LevelLoader.h"
#include "main/levels/LevelText.h"

// What a level may ask for: a feed period within an hour, display, curve and effect times as
// long, depths short of the parallax's vanishing point (z = -100), map places no larger than a
// picture, and bomb radii within the map.
inline constexpr TLevelRange PeriodRange{1, 3600000};
inline constexpr TLevelRange TimeRange{0, 3600000};
inline constexpr TLevelRange DepthRange{-99, 10000};
inline constexpr TLevelRange PlaceSizeRange{0, MaxImageSide};
inline constexpr TLevelRange RadiusRange{0, 65536};

// What the loader remembers from line to line while it reads one level file.
struct TLevelLoader::TReadState {
    std::string File;
    int CurrentPicture = -1; // the last object-creating line's picture
    int CurrentElement = -1;
    int CurrentPoint = -1;
    bool InsideMap = false;
    bool InsidePoint = false;
    bool MapCurveGiven = false;
    TPictureMap Map;
    int MapRowCounter = 0;
    PictureCurve MapCurve;
    int Position = 0; // progress bar position last shown
    // Map coordinates: the board's map, or off it by less than the largest picture (which
    // could then still reach onto it).
    TLevelRange MapX, MapY;
};
