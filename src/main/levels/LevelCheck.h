#pragma once
#include <functional>
#include <string>
#include <vector>

#include "main/rules/BonusTypes.h"
#include "main/rules/Geometry.h"

class TFileFolder;

// One thing a level author should hear about: the 1-based line of the level file (0 for the
// level as a whole), whether it breaks the level (error) or merely looks wrong (warning).
struct TLevelFinding {
    int Line = 0;
    bool Error = true;
    std::string Text;
};

// What the game's data offers a level beyond the levels archive: the names it may use.
struct TLevelCheckNames {
    std::function<bool(const std::string&)> HasImage;  // in either archive
    std::function<bool(const std::string&)> HasEffect; // an effect type of EffectsType.dat
    std::function<bool(const std::string&)> HasMusic;  // listed in musics.dat
};

// What is checked: the level's file name and text, and its hero picture from levels.dat
// (empty when the level is not listed).
struct TLevelCheckSubject {
    std::string FileName;
    std::string Text;
    std::string HeroPicture;
};

// Loads the level with the game's own loader, watching how it reads every line, and reports
// what the loader skips or refuses, attributes it reads from the wrong place, names the data
// does not have, and boards that cannot be played as meant. Findings come sorted by line.
std::vector<TLevelFinding> CheckLevel(TFileFolder& squares, TGeometry& geometry,
                                      const std::vector<TBonusType>& bonusTypes,
                                      const TLevelCheckNames& names,
                                      const TLevelCheckSubject& subject);
