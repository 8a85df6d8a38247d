#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "archive/DebugLog.h"
#include "archive/GameFolders.h"
#include "archive/Random.h"
#include "interface/VexFont.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexMethodTable.h"
#include "main/effects/EffectTypes.h"
#include "main/effects/GameEffectPieces.h"
#include "main/options/Settings.h"
#include "main/rules/BonusTypes.h"
#include "main/rules/Game.h"
#include "main/rules/Geometry.h"
#include "main/shell/FrameClock.h"
#include "main/shell/GameRenderer.h"
#include "main/shell/RenderState.h"
#include "main/shell/ShellGraphic.h"
#include "platform/Platform.h"
#include "sound/AudioEngine.h"

class TSurfEngine;
class TResourceList;
class TFileFolder;
class TEffectRuntime;
class TShellRuleHooks;
class ILevelLayers;
class TGameSession;
class TLanguageStart;

struct TMainFormOptions {
    // A fixed seed makes a run replay exactly; without one the clock seeds the generator.
    std::optional<uint32_t> Seed;
    // A colour depth that replaces the one of the options (headless runs).
    std::optional<int> BitsPerPixel;
    // Where the data is read and the game's files are written; without them, the platform's
    // program folder holds both.
    std::optional<TGameFolders> Folders = std::nullopt;
    // Window (false) or full screen (true) for this run, whatever "options.cfg" says; the file
    // keeps its own choice unless the player switches.
    std::optional<bool> FullScreen = std::nullopt;
};

// The main form: owns the game's engines, starts them in order, runs one frame per idle call,
// follows the application's activation, serves the rules and the interface, and shuts
// everything down in order.
class TMainForm : public IGameHost {
  public:
    static constexpr int FrameWidth = 800;
    static constexpr int FrameHeight = 600;

    TMainForm(Platform& platform, TMainFormOptions options = {});
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Start-up; without a sender only the window is styled again (after a mode switch).
    void FormCreate(bool sender);
    // Loads the game data the first time the form becomes active.
    void FormActivate();
    void FormDestroy();
    void FormPaint();
    bool DataLoaded() const { return dataLoaded_; }

    // One frame of the idle loop.
    void Idle();
    bool IdleInstalled() const { return idleInstalled_; }
    void InstallIdle() { idleInstalled_ = true; }
    void RemoveIdle() { idleInstalled_ = false; }

    // Events from the window; the loop delivers them one by one.
    void HandleEvent(const PlatformEvent& event);
    // Handles the messages the form posted to itself (the resume message).
    void ProcessMessages();
    void PostResume() { resumePosted_ = true; }

    void Close() { closing_ = true; }
    bool Closing() const { return closing_; }

    // Window and full screen change places; the options and Alt+Enter call it. The screen
    // follows even when the settings cannot be written.
    bool SwitchDisplayMode();
    // Writes "options.cfg"; a failure is logged and shown once a run, and reported as false.
    bool SaveSettings();
    // Checks or clears the check box of that name.
    void SetChecked(const std::string& name, bool checked);
    // The interface in the language of that code ("DEU"), kept for the next start.
    void ChooseLanguage(const std::string& code);
    const std::string& CurrentLanguage() const;
    // The display again at the configured depth (16 bits when that is refused).
    bool ReopenDisplay();

    // Appends a line to "debug.log" in the user folder.
    void Log(const std::string& message);

    int GameState() const { return game_.GameState; }
    // The level being played or to be played next (0-based) and the score of the finished
    // levels, as the game flow keeps them.
    int CurrentLevel() const;
    int TotalScore() const;
    uint32_t Now() const { return platform_.Clock.Now(); }
    // A message box over the game; the game goes on when it is closed.
    void ShowMessage(const std::string& text) { platform_.Host.ShowMessage("Quorrel", text); }
    bool Paused = false;
    TFrameClock Clock;
    TGameSettings Settings;
    Random Rand;
    bool AudioEnabled() const { return audio_.SoundOn(); }
    const TGameFolders& Folders() const { return folders_; }
    // A file the game writes ("options.cfg", "saves/...") and a file of the shipped data.
    std::string UserPath(const std::string& relative) const { return folders_.UserPath(relative); }
    std::string DataPath(const std::string& relative) const { return folders_.DataPath(relative); }

    // The engines, for the subsystems that plug into the form and for tests.
    TSurfEngine& Surfaces() { return *surfaces_; }
    TVexInterfaceEngine& Interface() { return interface_; }
    TVexFontEngine& Fonts() { return fonts_; }
    TVexMethodTable& Methods() { return methods_; }
    TAudioEngine& Audio() { return audio_; }
    TGame& Game() { return game_; }
    TGeometry& Geometry() { return geometry_; }
    TRenderState& Render() { return render_; }
    TGameRenderer& Renderer() { return *renderer_; }
    TResourceList* Resources() { return resources_.get(); }
    TEffectTypes& EffectTypes() { return effectTypes_; }
    TEffectRuntime& EffectRuntime() { return *effectRuntime_; }
    // The game being played; null until the data is loaded.
    TGameSession* Session() { return session_.get(); }
    TFileFolder* GameArchive();
    TFileFolder* SquaresArchive();

    void SetLevelLayers(ILevelLayers* layers);
    void SetLevelHooks(IRuleHooks* hooks);

    // IGameHost: what the rules ask of the game.
    void StartEffect(const std::string& type, TPoint point, int piece1, int piece2) override;
    void StopPieceEffect(const std::string& type, int piece) override;
    void PieceRemoved(int index) override;
    void PlayMusic(const std::string& name) override;
    void ShowHint(const std::string& label, uint32_t durationMs) override;
    void SetCaption(const std::string& label, const std::string& text) override;
    void SetVisible(const std::string& name, bool visible) override;
    void SetButtonPicture(const std::string& name, int which) override;
    void RebuildBackground() override;
    void ShowWindow(const std::string& name) override;
    void RegisterImage(const std::string& name, const std::string& file) override;
    TPoint ImageSize(const std::string& name) override;
    void DebugLog(const std::string& line) override { Log(line); }
    void DemoRecord(const std::string& event) override;

  protected:
    // The frame's work.
    virtual void GameTick(uint32_t now);
    virtual void RenderFrame();
    void PresentFrame();

    // Application activation: the deactivate and activate handlers and the resume message.
    virtual void Deactivated();
    virtual void Activated();
    virtual void Resumed();

    bool OpenDisplay(int bitsPerPixel);
    void StyleWindow();
    void PlaceWindow();

    Platform& platform_;

  private:
    void CreateEngines();
    void ShowWindowIcon();
    void PrepareArchives();
    void LoadInterfaceFiles();
    void StartLanguage();
    void LoadGameData();
    void LoadTables();
    void LoadImages();
    void SetOptionControls();
    void RegisterPublishedHandlers();
    // One start-up step; a fault is logged and shown, and start-up goes on with the next.
    template <class Step> void Guard(const char* what, Step step);
    void RouteInput(const PlatformEvent& event, uint32_t now);

    TMainFormOptions options_;
    TGameFolders folders_;
    // The window or full-screen choice of "options.cfg" while the command line overrides it.
    std::optional<int> fileFullScreenMode_;
    TDebugLogFile log_;
    std::unique_ptr<TSurfEngine> surfaces_;
    std::unique_ptr<TResourceList> resources_;
    TVexFontEngine fonts_;
    TVexInterfaceEngine interface_;
    TVexMethodTable methods_;
    std::unique_ptr<TShellGraphic> graphic_;
    TAudioEngine audio_;
    TGeometry geometry_;
    std::vector<TBonusType> bonusTypes_;
    TGame game_;
    TEffectTypes effectTypes_;
    std::unique_ptr<TEffectRuntime> effectRuntime_;
    TGameEffectPieces effectPieces_;
    std::unique_ptr<TShellRuleHooks> hooks_;
    TRenderState render_;
    std::unique_ptr<TGameRenderer> renderer_;
    ILevelLayers* layers_ = nullptr;
    std::unique_ptr<TGameSession> session_;
    int squaresArchive_ = -1;
    int gameArchive_ = -1;
    bool dataLoaded_ = false;
    bool idleInstalled_ = false;
    bool resumePosted_ = false;
    bool closing_ = false;
    bool settingsFailureShown_ = false;
    std::unique_ptr<TLanguageStart> language_;
};
