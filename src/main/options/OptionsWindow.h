#pragma once
#include <string>

#include "main/options/Settings.h"
#include "sound/AudioEngine.h"

// What the options window asks of the rest of the game: its check boxes and radio buttons,
// the settings file and the display.
class IOptionsHost {
  public:
    virtual ~IOptionsHost() = default;
    virtual bool IsChecked(const std::string& name) = 0;
    virtual void SetChecked(const std::string& name, bool checked) = 0;
    // Checks the radio button after clearing every other of its group.
    virtual void SelectRadio(const std::string& name) = 0;
    // Writes the settings; a failure is reported to the player by the host.
    virtual void SaveSettings() = 0;
    virtual TGameSettings LoadSettings() = 0;
    // The display again at the configured depth, 16 bits when that is refused; false when
    // neither can be had.
    virtual bool ReopenDisplay() = 0;
    // Window and full screen change places (the setting with them); false as above.
    virtual bool SwitchDisplayMode() = 0;
};

// The options window: music and sound volumes that apply at once, full screen, colour depth
// and hints, kept by OK and given up by Cancel.
class TOptionsWindow {
  public:
    static constexpr const char* FullScreenBox = "CheckBoxFullScreenWOptions";
    static constexpr const char* ColourBox = "CheckBoxColorWOptions";
    static constexpr const char* HintsBox = "CheckBoxHintsWOptions";

    TOptionsWindow(TGameSettings& settings, TAudioEngine& audio, IOptionsHost& host)
        : settings_(settings), audio_(audio), host_(host) {}

    // The radio button of a volume level: "RMusic80WOptions", "RNoSoundWOptions".
    static std::string RadioName(const char* kind, int level);

    // Mouse up on a music radio, mouse down on a sound radio (its click plays first, at the
    // volume it replaces).
    void ChooseMusic(int level) { audio_.ChooseMusicLevel(level); }
    void ChooseSound(int level) { audio_.ChooseSoundLevel(level); }
    void BOkWOptionsMouseUp();
    void BCancelWOptionsMouseUp();
    // The check boxes and radios as the settings stand.
    void ShowSettings();
    void SyncVolumeRadios();

    template <class TTable> void RegisterHandlers(TTable& table);

  private:
    TGameSettings& settings_;
    TAudioEngine& audio_;
    IOptionsHost& host_;
};

template <class TTable> void TOptionsWindow::RegisterHandlers(TTable& table) {
    for (int level = 1; level <= VolumeLevelCount; ++level) {
        table.RegisterMethod(RadioName("Music", level) + "MouseUp",
                             [this, level] { ChooseMusic(level); });
        table.RegisterMethod(RadioName("Sound", level) + "MouseDown",
                             [this, level] { ChooseSound(level); });
    }
    table.RegisterMethod("BOkWOptionsMouseUp", [this] { BOkWOptionsMouseUp(); });
    table.RegisterMethod("BCancelWOptionsMouseUp", [this] { BCancelWOptionsMouseUp(); });
}
