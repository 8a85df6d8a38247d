#include "main/options/OptionsWindow.h"

std::string TOptionsWindow::RadioName(const char* kind, int level) {
    if (level == VolumeLevelOff) return std::string("RNo") + kind + "WOptions";
    return std::string("R") + kind + std::to_string(VolumeOfLevel(level)) + "WOptions";
}

void TOptionsWindow::SyncVolumeRadios() {
    host_.SelectRadio(RadioName("Music", settings_.Volumes.Music));
    host_.SelectRadio(RadioName("Sound", settings_.Volumes.Sound));
}

void TOptionsWindow::ShowSettings() {
    host_.SetChecked(FullScreenBox, settings_.FullScreenMode == 1);
    host_.SetChecked(ColourBox, settings_.BitsPerPixel == 32);
    host_.SetChecked(HintsBox, settings_.TurnOffHint == 1);
    SyncVolumeRadios();
}

// Colour depth, hints, then full screen; the window itself is closed by the button. A depth
// that cannot be shown at all stops here, as the screen has nothing to switch.
void TOptionsWindow::BOkWOptionsMouseUp() {
    if (host_.IsChecked(ColourBox) != (settings_.BitsPerPixel == 32)) {
        settings_.BitsPerPixel = settings_.BitsPerPixel == 32 ? 16 : 32;
        host_.SaveSettings();
        if (!host_.ReopenDisplay()) return;
    }
    settings_.TurnOffHint = host_.IsChecked(HintsBox) ? 1 : 0;
    host_.SaveSettings();
    if (host_.IsChecked(FullScreenBox) != (settings_.FullScreenMode == 1))
        host_.SwitchDisplayMode();
}

void TOptionsWindow::BCancelWOptionsMouseUp() {
    const TGameSettings saved = host_.LoadSettings();
    // The audio takes the saved levels itself, so it can start the music it had stopped.
    audio_.RestoreLevels(saved.Volumes.Music, saved.Volumes.Sound);
    const TGameSettings before = settings_;
    settings_ = saved;
    // What the screen shows now stays what the settings say, whatever the file holds.
    settings_.FullScreenMode = before.FullScreenMode;
    settings_.BitsPerPixel = before.BitsPerPixel;
    ShowSettings();
}
