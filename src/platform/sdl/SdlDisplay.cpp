#include "platform/sdl/SdlDisplay.h"

#include <cstdio>
#include <cstring>
#include <thread>

SdlDisplay::SdlDisplay() {
    window_ = SDL_CreateWindow("Quorrel", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width_,
                               height_, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window_) std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
    SDL_DisableScreenSaver();
    SDL_ShowCursor(SDL_DISABLE);
}

SdlDisplay::~SdlDisplay() {
    Close();
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

namespace {

// Mesa's CPU rasterisers pass for accelerated OpenGL, yet drawing the frame's one textured
// rectangle through them costs several times what SDL's own software renderer does.
bool RendersOnTheCpu(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0)
        return false;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    const char* name = reinterpret_cast<const char*>(getString(0x1F01)); // GL_RENDERER
    if (!name) return false;
    for (const char* cpu : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"})
        if (std::strstr(name, cpu)) return true;
    return false;
}

} // namespace

bool SdlDisplay::EnsureRenderer() {
    if (renderer_ || !window_) return renderer_ != nullptr;
    renderer_ =
        SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    // Unless the player chose a driver, a GL that draws on the CPU gives way to SDL's own
    // software renderer, which shows its frames without going through GL at all.
    if (renderer_ && !SDL_GetHint(SDL_HINT_RENDER_DRIVER) && RendersOnTheCpu(renderer_)) {
        SDL_DestroyRenderer(renderer_);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_ = nullptr;
    }
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) std::fprintf(stderr, "SDL_CreateRenderer: %s\n", SDL_GetError());
    return renderer_ != nullptr;
}

bool SdlDisplay::Open(int width, int bitsPerPixel, int height, bool fullScreen) {
    if (!window_ || (bitsPerPixel != 32 && bitsPerPixel != 16)) return false;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    width_ = width;
    height_ = height;
    bpp_ = bitsPerPixel;
    fullScreen_ = fullScreen;
    SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullScreen) {
        int w, h;
        SDL_GetWindowSize(window_, &w, &h);
        if (w < width || h < height) SDL_SetWindowSize(window_, width, height);
    }
    SDL_ShowWindow(window_);
    if (!EnsureRenderer()) return false;
    SDL_RenderSetLogicalSize(renderer_, width, height);
    Uint32 format = bitsPerPixel == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) {
        std::fprintf(stderr, "SDL_CreateTexture: %s\n", SDL_GetError());
        return false;
    }
    scalingKnown_ = false; // a new texture needs its scale mode set
    ChooseScaling();
    return true;
}

void SdlDisplay::Close() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
}

void SdlDisplay::SetWindowPosition(int x, int y) {
    if (window_ && !fullScreen_) SDL_SetWindowPosition(window_, x, y);
}

// Whole-number scaling keeps the pixels sharp; below twice the size it would leave wide
// borders, so there the frame is scaled smoothly to fill the window instead.
void SdlDisplay::ChooseScaling() {
    int w, h;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    bool integer = w >= 2 * width_ && h >= 2 * height_;
    if (w == width_ && h == height_) integer = true;
    if (scalingKnown_ && integer == integerScale_) return;
    scalingKnown_ = true;
    integerScale_ = integer;
    SDL_RenderSetIntegerScale(renderer_, integer ? SDL_TRUE : SDL_FALSE);
    SDL_SetTextureScaleMode(texture_, integer ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

void SdlDisplay::Present(const FrameView& frame) {
    if (!renderer_ || !texture_) return;
    ChooseScaling();
    SDL_UpdateTexture(texture_, nullptr, frame.Pixels, frame.Pitch);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    WaitForRefresh();
}

std::chrono::steady_clock::duration SdlDisplay::RefreshInterval() const {
    SDL_DisplayMode mode;
    const int index = SDL_GetWindowDisplayIndex(window_);
    int hz = 60; // a display that does not tell its rate is taken as the common one
    if (index >= 0 && SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0)
        hz = mode.refresh_rate;
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / hz));
}

// With vsync the present has already waited and the deadline lies behind; a frame that came
// late starts a fresh interval rather than rushing the next ones to catch up.
void SdlDisplay::WaitForRefresh() {
    const auto interval = RefreshInterval();
    const auto now = std::chrono::steady_clock::now();
    if (now < nextFrame_) {
        std::this_thread::sleep_until(nextFrame_);
        nextFrame_ += interval;
    } else {
        nextFrame_ = now + interval;
    }
}
