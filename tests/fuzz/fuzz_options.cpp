// options.cfg as a player may have edited it: the values stay in their ranges, and writing the
// player's choices back changes none of the settings the file gives.
#include "FuzzInput.h"
#include "main/options/Settings.h"

namespace {

bool Same(const TGameSettings& a, const TGameSettings& b) {
    return a.ScreenWidth == b.ScreenWidth && a.ScreenHeight == b.ScreenHeight &&
           a.BitsPerPixel == b.BitsPerPixel && a.LoadingX == b.LoadingX &&
           a.LoadingY == b.LoadingY && a.Volumes.Music == b.Volumes.Music &&
           a.Volumes.Sound == b.Volumes.Sound && a.DebugMode == b.DebugMode &&
           a.FullScreenMode == b.FullScreenMode && a.WindowPlaced == b.WindowPlaced &&
           a.WindowModeX == b.WindowModeX && a.WindowModeY == b.WindowModeY &&
           a.TurnOffHint == b.TurnOffHint && a.PlayerName == b.PlayerName &&
           a.PutAllow == b.PutAllow && a.TakeAllow == b.TakeAllow;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFile(data, size, "options.cfg");
    try {
        const TGameSettings s = LoadOptions(path);
        if (s.Volumes.Music < 1 || s.Volumes.Music > 6) __builtin_trap();
        SaveOptions(path, s);
        if (!Same(LoadOptions(path), s)) __builtin_trap();
    } catch (const std::exception&) {
    }
    return 0;
}
