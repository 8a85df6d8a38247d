#include "FontRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>

#include "archive/CodePages.h"
#include "ContentArchive.h"
#include "FontFiles.h"
#include "PngEncode.h"

namespace {

constexpr int FirstCode = 32;
constexpr int BoundaryCount = 256;

const std::vector<TFontSpec>& Fonts() {
    // 12 and 18 points at 96 dots per inch.
    static const std::vector<TFontSpec> fonts = {
        {"Arial12", false, 16, 20, 15},
        {"Arial18Bold", true, 24, 30, 23},
        {"Serif16Bold", true, 17, 22, 16, true},
    };
    return fonts;
}

const std::vector<TCharSetSpec>& CharSets() {
    static const std::vector<TCharSetSpec> sets = {{"EASTEUROPE", "CP1250"}, {"RUSSIAN", "CP1251"}};
    return sets;
}

class TFace {
  public:
    TFace(bool bold, bool serif, int pixelSize) {
        if (FT_Init_FreeType(&library_)) throw std::runtime_error("cannot start FreeType");
        const std::string path = FontFiles::Path(bold, serif);
        if (FT_New_Face(library_, path.c_str(), 0, &face_)) {
            FT_Done_FreeType(library_);
            throw std::runtime_error("cannot open font " + path);
        }
        FT_Set_Pixel_Sizes(face_, 0, pixelSize);
    }
    ~TFace() {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    TFace(const TFace&) = delete;
    TFace& operator=(const TFace&) = delete;
    FT_Face Get() const { return face_; }

  private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

// A glyph's coverage and where it goes in its cell.
struct TGlyph {
    int Cell = 0;    // width of the glyph's column range in the picture
    int OffsetX = 0; // bitmap left edge within the cell
    int Top = 0;     // bitmap top row in the picture
    int W = 0, H = 0;
    std::vector<unsigned char> Coverage;
};

TGlyph LoadGlyph(FT_Face face, int codePoint, int baseline) {
    TGlyph g;
    if (codePoint < 0) return g; // a code the page leaves unused has no glyph and no width
    if (codePoint == 0xAD) codePoint = '-'; // the soft hyphen shows as a hyphen
    if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT))
        throw std::runtime_error("cannot render character " + std::to_string(codePoint));
    const FT_GlyphSlot slot = face->glyph;
    const int advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const int shift = std::max(0, -slot->bitmap_left);
    g.OffsetX = shift + slot->bitmap_left;
    g.W = static_cast<int>(slot->bitmap.width);
    g.H = static_cast<int>(slot->bitmap.rows);
    g.Cell = std::max(advance + shift, g.OffsetX + g.W);
    g.Top = baseline - slot->bitmap_top;
    g.Coverage.resize(static_cast<size_t>(g.W) * g.H);
    for (int y = 0; y < g.H; ++y)
        for (int x = 0; x < g.W; ++x)
            g.Coverage[y * g.W + x] = slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    return g;
}

std::string MetricText(const std::vector<int>& boundaries) {
    std::string out;
    for (size_t i = 0; i < boundaries.size(); ++i) {
        if (i) out += ' ';
        out += std::to_string(boundaries[i]);
    }
    return out;
}

std::string PictureName(const TFontSpec& font, const TCharSetSpec& set) {
    return font.Name + "_" + set.Name + ".png";
}

} // namespace

TGlyphStrip RasterCharSet(const TFontSpec& font, const TCharSetSpec& charSet) {
    TFace face(font.Bold, font.Serif, font.PixelSize);
    std::vector<TGlyph> glyphs;
    for (int code = FirstCode; code < 256; ++code)
        glyphs.push_back(LoadGlyph(
            face.Get(), CodePages::ToUnicode(charSet.CodePage, static_cast<unsigned char>(code)),
            font.Baseline));
    TGlyphStrip strip;
    strip.Height = font.Height;
    strip.Boundaries.resize(BoundaryCount);
    int x = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        strip.Boundaries[i] = x;
        x += glyphs[i].Cell;
    }
    for (size_t i = glyphs.size(); i < BoundaryCount; ++i)
        strip.Boundaries[i] = x;
    strip.Width = x;
    strip.Rgba.assign(static_cast<size_t>(strip.Width) * strip.Height * 4, 255);
    for (size_t p = 3; p < strip.Rgba.size(); p += 4)
        strip.Rgba[p] = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const TGlyph& g = glyphs[i];
        for (int y = 0; y < g.H; ++y) {
            const int py = g.Top + y;
            if (py < 0 || py >= strip.Height) continue; // rows past the line height are cut
            for (int gx = 0; gx < g.W; ++gx) {
                const int px = strip.Boundaries[i] + g.OffsetX + gx;
                unsigned char& a = strip.Rgba[(static_cast<size_t>(py) * strip.Width + px) * 4 + 3];
                a = std::max(a, g.Coverage[y * g.W + gx]);
            }
        }
    }
    return strip;
}

void AddFonts(TContentArchive& game) {
    std::string xml = "<VexFonts mode=\"Creation\">\r\n";
    for (const TFontSpec& font : Fonts()) {
        xml += "<o c=\"TVexFont\">\r\n";
        xml += "<p n=\"Name\">" + font.Name + "</p>\r\n";
        xml += "<p n=\"Height\">" + std::to_string(font.Height) + "</p>\r\n";
        for (const TCharSetSpec& set : CharSets()) {
            const TGlyphStrip strip = RasterCharSet(font, set);
            const std::string picture = PictureName(font, set);
            game.AddPng(picture, picture, EncodePngRgba(strip.Width, strip.Height, strip.Rgba));
            xml += "<p n=\"AddCharSet\">" + set.Name + "</p>\r\n";
            xml += "<p n=\"AddPicture\">" + picture + "</p>\r\n";
            xml += "<p n=\"AddMetric\">" + MetricText(strip.Boundaries) + "</p>\r\n";
        }
        xml += "</o>\r\n";
    }
    xml += "</VexFonts>\r\n";
    game.AddData("arial12.xml", xml);
}
