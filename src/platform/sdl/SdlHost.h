#pragma once
#include <SDL.h>

#include <deque>
#include <string>

#include "platform/Platform.h"
#include "platform/sdl/SdlDisplay.h"

class SdlClock : public IClock {
  public:
    uint32_t Now() override { return SDL_GetTicks(); }
};

// Desktop events translated to the game's own: frame coordinates, virtual-key codes, 8-bit
// characters, focus changes as activation and deactivation.
class SdlHost : public IWindowHost {
  public:
    explicit SdlHost(SdlDisplay& display);
    ~SdlHost() override;

    bool PollEvent(PlatformEvent& event) override;
    void WaitEvent(int timeoutMs) override;
    TPoint PointerPosition() override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void SetWindowIcon(const std::vector<uint8_t>& rgba, int width, int height) override;
    std::string ProgramFolder() override;
    std::string ReadUserSetting(const std::string& key) override;
    void WriteUserSetting(const std::string& key, const std::string& value) override;
    void ShowProgress(const std::string& text, const std::string& detail, int percent) override;
    void HideProgress() override;

  private:
    bool Translate(const SDL_Event& e, PlatformEvent& out);
    bool TranslateWindowEvent(Uint8 event, PlatformEvent& out);
    void QueueTypedText(const char* utf8);
    std::string SettingsPath() const;

    SdlDisplay& display_;
    std::deque<PlatformEvent> pending_; // typed characters waiting to be delivered
    bool progressShown_ = false;
    bool outOfSight_ = false; // minimised or hidden: the game was told it is inactive
};

// The virtual-key code of an SDL key, or 0 when the game has no use for it.
int VirtualKeyFromSdl(SDL_Keycode key);
