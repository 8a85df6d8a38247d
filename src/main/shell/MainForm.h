#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/Random.h"
#include "main/options/Settings.h"
#include "main/shell/FrameClock.h"
#include "platform/Platform.h"

enum class TGameState { Loading = 0, Playing = 1, Title = 2, BetweenLevels = 3, Halted = 4 };

struct TMainFormOptions {
    // A fixed seed makes a run replay exactly; without one the clock seeds the generator.
    std::optional<uint32_t> Seed;
};

// The main form: owns the game's engines, starts them in order, runs one frame per idle call,
// follows the application's activation and shuts everything down in order.
class TMainForm {
  public:
    static constexpr int FrameWidth = 800;
    static constexpr int FrameHeight = 600;
    static constexpr uint32_t AudioVersion = 0x00080001; // 1.8

    TMainForm(Platform& platform, TMainFormOptions options = {});
    virtual ~TMainForm() = default;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Start-up; without a sender only the window is styled again (after a mode switch).
    void FormCreate(bool sender);
    // Loads the game data the first time the form becomes active.
    void FormActivate();
    void FormDestroy();
    void FormPaint();

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

    // Appends a line to "debug.log" in the game folder.
    void Log(const std::string& message);

    TGameState GameState = TGameState::Loading;
    bool Paused = false;
    TFrameClock Clock;
    TGameSettings Settings;
    Random Rand;
    bool AudioEnabled() const { return audioEnabled_; }
    const std::string& ProgramFolder() const { return programFolder_; }
    std::string GamePath(const std::string& relative) const { return programFolder_ + relative; }

  protected:
    // The frame's work; the game subsystems fill these in.
    virtual void GameTick(uint32_t now);
    virtual void RenderFrame();
    void PresentFrame();

    // Application activation: the deactivate and activate handlers and the resume message.
    virtual void Deactivated();
    virtual void Activated();
    virtual void Resumed();

    bool OpenDisplay(int bitsPerPixel);
    void OpenAudio();
    void StyleWindow();

    Platform& platform_;

  private:
    void LoadGameData();

    TMainFormOptions options_;
    std::string programFolder_;
    bool audioEnabled_ = false;
    bool dataLoaded_ = false;
    bool idleInstalled_ = false;
    bool resumePosted_ = false;
    bool closing_ = false;
    std::vector<uint32_t> frame_; // black until the surface engine composes the frame
};
