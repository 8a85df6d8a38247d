#pragma once
#include <string>

#include "main/levels/LevelLoader.h"

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
};
