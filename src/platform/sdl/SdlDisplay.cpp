#include "platform/sdl/SdlDisplay.h"

#include <cstdio>

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

bool SdlDisplay::EnsureRenderer() {
    if (renderer_ || !window_) return renderer_ != nullptr;
    renderer_ =
        SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
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
}
