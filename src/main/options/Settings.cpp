#include "main/options/Settings.h"

#include "archive/SFunctions.h"
#include "main/options/IniFile.h"

namespace {
constexpr const char* Section = "Options";

// A volume index outside the table would read past it; such a file gets the default instead.
int ValidVolumeIndex(int index) {
    return index >= 1 && index <= 6 ? index : 1;
}
} // namespace

TGameSettings LoadOptions(const std::string& path) {
    TIniFile ini(path);
    TGameSettings s;
    s.ScreenWidth = ini.ReadInteger(Section, "ScreenWidth", 800);
    s.ScreenHeight = ini.ReadInteger(Section, "ScreenHeight", 600);
    s.BitsPerPixel = ini.ReadInteger(Section, "BitsPerPixel", 32) == 16 ? 16 : 32;
    s.LoadingX = ini.ReadInteger(Section, "LoadingX", 0);
    s.LoadingY = ini.ReadInteger(Section, "LoadingY", 0);
    s.Volumes.Sound = ValidVolumeIndex(ini.ReadInteger(Section, "SoundVolumeIdx", 1));
    s.Volumes.Music = ValidVolumeIndex(ini.ReadInteger(Section, "MusicVolumeIdx", 1));
    s.DebugMode = ini.ReadInteger(Section, "DebugMode", 0);
    s.FullScreenMode = ini.ReadInteger(Section, "FullScreenMode", 0);
    s.WindowPlaced = !ini.ReadString(Section, "WindowModeX", "").empty() ||
                     !ini.ReadString(Section, "WindowModeY", "").empty();
    s.WindowModeX = ini.ReadInteger(Section, "WindowModeX", 0);
    s.WindowModeY = ini.ReadInteger(Section, "WindowModeY", 0);
    s.TurnOffHint = ini.ReadInteger(Section, "TurnOffHint", 0);
    s.PlayerName = ini.ReadString(Section, "PlayerName", "Player");
    std::string put = LowerCase(ini.ReadString("Game", "PutAllow", ""));
    s.PutAllow = put == "paall" ? 1 : put == "panearlight" ? 2 : 0;
    s.TakeAllow = LowerCase(ini.ReadString("Game", "TakeAllow", "")) == "taborderfish";
    return s;
}

void SaveOptions(const std::string& path, const TGameSettings& s) {
    TIniFile ini(path);
    ini.WriteString(Section, "PlayerName", s.PlayerName);
    ini.WriteInteger(Section, "SoundVolumeIdx", s.Volumes.Sound);
    ini.WriteInteger(Section, "MusicVolumeIdx", s.Volumes.Music);
    ini.WriteInteger(Section, "FullScreenMode", s.FullScreenMode);
    ini.WriteInteger(Section, "TurnOffHint", s.TurnOffHint);
    ini.WriteInteger(Section, "BitsPerPixel", s.BitsPerPixel);
    ini.Save();
}
