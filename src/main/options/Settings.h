#pragma once
#include <string>

#include "sound/VolumeTable.h"

// The player's settings from "options.cfg" in the game folder.
struct TGameSettings {
    int ScreenWidth = 800;
    int ScreenHeight = 600;
    int BitsPerPixel = 32;
    int LoadingX = 0;
    int LoadingY = 0;
    TVolumeLevels Volumes; // the levels 1..6 of the volume table
    int DebugMode = 0;     // 527 enables the developer keys
    int FullScreenMode = 0;
    // Where the window stands in window mode; without the keys the desktop places it.
    bool WindowPlaced = false;
    int WindowModeX = 0;
    int WindowModeY = 0;
    int TurnOffHint = 0;
    std::string PlayerName = "Player";
    int PutAllow = 0;       // 0 border pieces, 1 anywhere, 2 near an open end
    bool TakeAllow = false; // older pieces may be taken back

    static constexpr int DebugKeysCode = 527;
    bool DeveloperKeys() const { return DebugMode == DebugKeysCode; }
};

// Missing file or values give the defaults.
TGameSettings LoadOptions(const std::string& path);
// Writes the player's choices; every other key of the file stays as it was.
void SaveOptions(const std::string& path, const TGameSettings& settings);
