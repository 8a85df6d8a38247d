#pragma once
#include <string>
#include <vector>

class TContentArchive;

// One bitmap font of "arial12.xml": a face of the Liberation family at a pixel size.
struct TFontSpec {
    std::string Name; // the font's name in the game, e.g. "Arial12"
    bool Bold = false;
    int PixelSize = 16;
    int Height = 20;   // line height and glyph picture height
    int Baseline = 15; // row of the baseline in the picture
    bool Serif = false;
};

struct TCharSetSpec {
    std::string Name;     // "EASTEUROPE", "RUSSIAN"
    std::string CodePage; // "CP1250", "CP1251"
};

// One rasterised char set: its glyph picture (white, coverage in alpha) and the left edge of
// each glyph for the codes 32 to 255, the last entries closing the final glyph.
struct TGlyphStrip {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgba;
    std::vector<int> Boundaries; // 256 entries
};

TGlyphStrip RasterCharSet(const TFontSpec& font, const TCharSetSpec& charSet);

// "arial12.xml" with "Arial12" first, the heading font "Arial18Bold" and the serif "Serif16Bold"
// of the game screen's carved captions, each with the char sets "EASTEUROPE" and "RUSSIAN", and
// their glyph pictures.
void AddFonts(TContentArchive& game);
