#pragma once
#include "main/levels/LevelHost.h"
#include "main/options/OptionsWindow.h"
#include "main/progress/Demo.h"
#include "main/progress/FlowHost.h"
#include "main/rules/PlayInputHost.h"

class TMainForm;
class TGameSession;

// What the play input asks of the form: the interface, the renderer, the display switch and
// the level's timers.
class TFormPlayHost : public IPlayInputHost {
  public:
    TFormPlayHost(TMainForm& form, TGameSession& session) : form_(form), session_(session) {}

    void InterfaceMouseMove(int x, int y) override;
    void InterfaceMouseDown(int button, int x, int y) override;
    void InterfaceMouseUp(int button, int x, int y) override;
    void InterfaceKeyDown(int key, unsigned shift) override;
    void InterfaceKeyPress(uint8_t ch) override;
    void ShowModal(const std::string& window) override;
    std::string TopWindowName() override;
    bool CallMethod(const std::string& name) override;
    void PointerMoved(TPoint at, uint32_t now) override;
    void HighlightPictureAt(TPoint mapPoint, uint32_t now) override;
    void ToggleFrameRate() override;
    void ToggleBlockedSquares() override;
    void SwitchDisplayMode() override;
    void RestartLevelTimers(uint32_t now) override;
    void StopDemo() override;
    void ToggleDemoRecording(uint32_t now) override;

  private:
    TMainForm& form_;
    TGameSession& session_;
};

// What the level loader and the level's objects ask of the form while a level loads and plays.
class TFormLevelHost : public ILevelHost {
  public:
    TFormLevelHost(TMainForm& form, TGameSession& session) : form_(form), session_(session) {}

    bool HasProgressBar() override;
    void SetProgress(int position) override;
    void RepaintScreen() override;
    bool StartSurfaceEffect(const std::string& type, const std::string& surface,
                            TPoint at) override;
    void RestartEmitters(uint32_t now) override;
    void ClearSprites() override;
    void ResetKeySequences() override;

  private:
    TMainForm& form_;
    TGameSession& session_;
};

// What the options window asks of the form: its controls, the settings file and the display.
class TFormOptionsHost : public IOptionsHost {
  public:
    TFormOptionsHost(TMainForm& form, TGameSession& session) : form_(form), session_(session) {}

    bool IsChecked(const std::string& name) override;
    void SetChecked(const std::string& name, bool checked) override;
    void SelectRadio(const std::string& name) override;
    void SaveSettings() override;
    TGameSettings LoadSettings() override;
    bool ReopenDisplay() override;
    bool SwitchDisplayMode() override;

  private:
    TMainForm& form_;
    TGameSession& session_;
};

// What the demo asks of the form: its file in the game folder and the replayed hand.
class TFormDemoHost : public IDemoHost {
  public:
    TFormDemoHost(TMainForm& form, TGameSession& session) : form_(form), session_(session) {}

    bool ReadDemoFile(std::string& text) override;
    void WriteDemoFile(const std::string& text) override;
    void ReplayMove(TPoint at, uint32_t now) override;
    void ReplayPress(int button, TPoint at, uint32_t now) override;
    void SetPointerImage(const std::string& image) override;

  private:
    TMainForm& form_;
    TGameSession& session_;
};

// What the game flow asks of the form: time, music, the screen, loading levels and closing.
class TFormFlowHost : public IFlowHost {
  public:
    TFormFlowHost(TMainForm& form, TGameSession& session) : form_(form), session_(session) {}

    uint32_t Now() override;
    void StopAllAudio() override;
    void PlayMusic(const std::string& name) override;
    void RebuildBackground() override;
    void ResolveSurfaces() override;
    void ResetLevel(uint32_t now) override;
    bool LoadLevel(const std::string& fileName, const TLevelSkills& skills, uint32_t now) override;
    std::string DemoLevelName() override;
    TPoint LoadLevelImage(const std::string& name) override;
    bool SavesFolderExists() override;
    void AutoSave() override;
    std::string PlayerName() override;
    void StorePlayerName(const std::string& name) override;
    void SkipIntroHints() override;
    void ShowError(const std::string& text) override;
    void WriteSettings() override;
    void CloseProgram() override;
    void DebugLog(const std::string& line) override;

  private:
    TMainForm& form_;
    TGameSession& session_;
};
