#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

// A clock the caller advances: tests and headless runs decide what time it is.
class HeadlessClock : public IClock {
  public:
    explicit HeadlessClock(uint32_t start = 100000) : now_(start) {}
    uint32_t Now() override { return now_; }
    void Set(uint32_t now) { now_ = now; }
    void Advance(uint32_t ms) { now_ += ms; }

  private:
    uint32_t now_;
};

// Keeps the last presented frame as it was handed over and counts presents. Pixels are
// converted only when asked for, so a headless run costs what the game costs.
class HeadlessDisplay : public IDisplay {
  public:
    bool Open(int width, int bitsPerPixel, int height, bool fullScreen) override;
    // The game releases its frame after closing the display, so the frame is copied first.
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool IsFullScreen() const override { return fullScreen_; }
    int BitsPerPixel() const override { return bpp_; }
    void SetWindowPosition(int x, int y) override {
        if (!fullScreen_) WindowPosition = {x, y};
    }
    // The frame stays the game's own until the next present or the display closes.
    void Present(const FrameView& frame) override { ++Presents, frame_ = frame; }

    // Depths the fake refuses, to exercise the 16-bit fallback.
    std::vector<int> RefusedDepths;
    int Presents = 0;
    std::optional<std::pair<int, int>> WindowPosition; // where the game placed the window
    int Width() const { return frame_.Width; }
    int Height() const { return frame_.Height; }
    // A pixel of the last frame as 0x00RRGGBB; 0 before the first present.
    uint32_t Pixel(int x, int y) const;
    bool SavePng(const std::string& path) const;

  private:
    bool open_ = false;
    bool fullScreen_ = false;
    int bpp_ = 32;
    FrameView frame_;
    std::vector<uint8_t> kept_; // the last frame's bytes once the display has closed
};

// Scripted events, a settable pointer, message boxes recorded instead of shown, settings kept
// in memory.
class HeadlessHost : public IWindowHost {
  public:
    explicit HeadlessHost(std::string programFolder) : folder_(std::move(programFolder)) {}
    bool PollEvent(PlatformEvent& event) override;
    void WaitEvent(int) override {}
    TPoint PointerPosition() override { return Pointer; }
    void ShowMessage(const std::string& title, const std::string& text) override;
    void SetWindowIcon(const std::vector<uint8_t>& rgba, int width, int height) override {
        IconRgba = rgba, IconWidth = width, IconHeight = height;
    }
    std::string ProgramFolder() override { return folder_; }
    std::string ReadUserSetting(const std::string& key) override;
    void WriteUserSetting(const std::string& key, const std::string& value) override;
    void ShowProgress(const std::string& text, const std::string& detail, int percent) override;
    void HideProgress() override { ProgressVisible = false; }

    void Push(const PlatformEvent& event) { Events.push_back(event); }

    std::deque<PlatformEvent> Events;
    TPoint Pointer;
    std::vector<std::string> Messages;
    std::vector<uint8_t> IconRgba; // the window's icon, once the game has set it
    int IconWidth = 0, IconHeight = 0;
    std::map<std::string, std::string> UserSettings;
    bool ProgressVisible = false;
    std::string ProgressText;
    int ProgressPercent = 0;

  private:
    std::string folder_;
};
