#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"

// What the interface asks of the game to draw and sound. The main form implements it over
// the surface engine (on "MemorySurface") and the audio list; tests use a recorder.
class IVexGraphic {
  public:
    virtual ~IVexGraphic() = default;
    // The named picture, top-left corner at the screen point, full opacity.
    virtual void Draw(const std::string& picture, int x, int y) = 0;
    // The part of the picture inside the source rectangle, its top-left corner at the point.
    virtual void DrawRect(const std::string& picture, const TRect& source, int x, int y) = 0;
    // The picture's shape filled with the colour (0x00BBGGRR).
    virtual void DrawColored(const std::string& picture, uint32_t colour, int x, int y) = 0;
    virtual void DrawString(int x, int y, const std::string& text) = 0;
    // One line of 8-bit text in the named font and char set; an unknown font or char set
    // draws nothing. The two integers and the object name carry nothing.
    virtual void DrawText(int x, int y, const std::string& text, int reserved1, int reserved2,
                          uint32_t colour, const std::string& charSet, const std::string& font,
                          const std::string& objectName) = 0;
    virtual void VexPlaySound(const std::string& name) = 0;
    // The pixel size of the named picture (x = width, y = height); 0, 0 when unknown.
    virtual TPoint PictureSize(const std::string& picture) = 0;
};
