#pragma once
#include <functional>
#include <string>

class TResourceList;

// The start-up's preparation of the two archives the game loads from.

inline const std::string PreparingGraphicsText = "Preparing game graphics ...";

// How the preparation is shown: Show(text, archive path, percent 0..100) and Hide(); the main
// form connects them to the window host's progress display.
struct TPreparationDisplay {
    std::function<void(const std::string& text, const std::string& path, int percent)> Show;
    std::function<void()> Hide;
};

// Converts "game/game.zxc" to "temp/game.zxc" and "levels/squares.zxc" to "temp/squares.zxc"
// under programFolder (which ends in "/"), unless they are there already. A missing source
// raises GameError "Can not find file <path>!". The display is hidden again in every case.
void PrepareGameArchives(const std::string& programFolder, const TPreparationDisplay& display);

// Opens both prepared archives into the list, the squares archive first.
void OpenPreparedArchives(const std::string& programFolder, TResourceList& resources);
