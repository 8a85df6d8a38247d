#include "main/levels/LevelList.h"

#include "archive/FileFolder.h"
#include "archive/SFunctions.h"

TLevelList ParseLevelList(const std::string& text) {
    TLevelList list;
    for (const std::string& line : SplitLines(text)) {
        // A trailing newline or a spacer line must not become a level named "%&".
        if (CountWords(line) == 0) continue;
        list.FileNames.push_back(GetWord(line, 1));
        list.HeroPictures.push_back(GetWord(line, 2));
    }
    list.CurrentLevel = 0;
    return list;
}

TLevelList LoadLevelList(TFileFolder& squares) {
    return ParseLevelList(squares.Read("levels.dat").Text());
}
