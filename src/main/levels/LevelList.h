#pragma once
#include <string>
#include <vector>

class TFileFolder;

// The fixed order of levels: each level's file in the levels archive and its hero picture.
struct TLevelList {
    std::vector<std::string> FileNames;
    std::vector<std::string> HeroPictures;
    int CurrentLevel = 0; // 0-based

    int Count() const { return static_cast<int>(FileNames.size()); }
};

// One level per line: the file name, then the hero picture ("%&" when missing). Blank lines
// are no levels.
TLevelList ParseLevelList(const std::string& text);
// Reads "levels.dat" from the levels archive; a missing entry raises the archive's GameError.
TLevelList LoadLevelList(TFileFolder& squares);
