#pragma once
#include <functional>
#include <string>

#include "interface/VexGraphic.h"

class TSurfEngine;
class TVexFontEngine;

// How the interface draws and sounds: pictures, coloured shapes and bitmap text onto
// "MemorySurface" at full opacity, sounds through the game's audio at the chosen volume.
class TShellGraphic : public IVexGraphic {
  public:
    using TPlay = std::function<void(const std::string&)>;

    TShellGraphic(TSurfEngine& surfaces, TVexFontEngine& fonts, TPlay play)
        : surfaces_(surfaces), fonts_(fonts), play_(std::move(play)) {}

    void Draw(const std::string& picture, int x, int y) override;
    // A part of a picture (inclusive rectangle) at the screen point.
    void DrawRect(const std::string& picture, const TRect& rect, int x, int y) override;
    void DrawColored(const std::string& picture, uint32_t colour, int x, int y) override;
    void DrawString(int, int, const std::string&) override {}
    void DrawText(int x, int y, const std::string& text, int reserved1, int reserved2,
                  uint32_t colour, const std::string& charSet, const std::string& font,
                  const std::string& objectName) override;
    void VexPlaySound(const std::string& name) override;
    TPoint PictureSize(const std::string& picture) override;

  private:
    TSurfEngine& surfaces_;
    TVexFontEngine& fonts_;
    TPlay play_;
};
