#pragma once
#include <SDL.h>

#include <chrono>

#include "platform/Platform.h"

// The game window and its presenter. The game always composes a fixed-size frame; the window
// shows it scaled with its aspect kept: sharp whole-number scaling where it fits, smooth
// letterboxing otherwise. Full screen is the desktop's own mode, so no mode switch is made.
class SdlDisplay : public IDisplay {
  public:
    SdlDisplay();
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    bool Open(int width, int bitsPerPixel, int height, bool fullScreen) override;
    void Close() override;
    bool IsOpen() const override { return renderer_ != nullptr; }
    bool IsFullScreen() const override { return fullScreen_; }
    int BitsPerPixel() const override { return bpp_; }
    void Present(const FrameView& frame) override;

    // The window exists from construction (hidden until the first Open), so that the
    // progress display of the start-up can use it.
    SDL_Window* Window() const { return window_; }
    SDL_Renderer* Renderer() const { return renderer_; }
    bool EnsureRenderer();
    // Window position for window mode.
    void SetWindowPosition(int x, int y) override;

  private:
    void ChooseScaling();
    // Without vsync a present returns at once; the rest of the display's refresh interval is
    // slept away, so no frame is drawn that the display would never show.
    void WaitForRefresh();
    std::chrono::steady_clock::duration RefreshInterval() const;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int width_ = 800, height_ = 600, bpp_ = 32;
    bool fullScreen_ = false;
    bool integerScale_ = false;
    bool scalingKnown_ = false;
    std::chrono::steady_clock::time_point nextFrame_{};
};
