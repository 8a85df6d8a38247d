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

// Converts "game/game.zxc" of the data folder to "temp/game.zxc" of the user folder and
// "levels/squares.zxc" to "temp/squares.zxc" (both folders end in "/"), unless the prepared
// copies are current. A missing source raises GameError "Can not find file <path>!". The
// display is hidden again in every case.
void PrepareGameArchives(const std::string& dataFolder, const std::string& userFolder,
                         const TPreparationDisplay& display);
// The same with one folder for both, as a portable game keeps them.
inline void PrepareGameArchives(const std::string& folder, const TPreparationDisplay& display) {
    PrepareGameArchives(folder, folder, display);
}

// Opens both prepared archives of the user folder into the list, the squares archive first.
void OpenPreparedArchives(const std::string& userFolder, TResourceList& resources);
