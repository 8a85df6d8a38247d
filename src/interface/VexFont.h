#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "interface/VexObject.h"

class TMemoryStream;

// One char set of a bitmap font: the glyph picture (glyphs side by side in one row) and the
// boundary table: M[j] is the left edge of the glyph of code j + 32, so the glyph of code c
// spans M[c - 32] to M[c - 31]. Codes 32 to 255 have glyphs.
struct TVexCharSet {
    std::string Name;
    std::string Picture;
    std::array<int32_t, 256> Metric{};
};

class TVexFont : public TVexObject {
    VEX_CLASS(TVexFont)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;

    void AddCharSet(const std::string& name);
    void AddPicture(const std::string& picture);    // of the last char set
    void AddMetric(const std::string& value);       // decimal integers separated by single blanks
    int FindCharSet(const std::string& name) const; // exact name; -1 when none
    // 0 for an empty or unknown char set name; characters below 32 have no glyph and measure 0.
    int TextWidth(const std::string& charSet, const std::string& text) const;
    // The advance of one character in a char set.
    int CharWidth(const TVexCharSet& set, unsigned char c) const;

    int32_t Height = 0;
    std::vector<TVexCharSet> CharSets;
};

// The fonts of the interface, read from the fonts file; index 0 is the default font of
// widgets made at run time.
class TVexFontEngine : public TVexEngine {
  public:
    // Throws GameError for a bad number in a metric, an unknown property or an object that
    // does not end with its "</o>" line.
    void LoadFonts(TMemoryStream& stream);
    void LoadFontsText(const std::string& text);
    TVexFont& AddFont();
    TVexFont* FindFont(const std::string& name) const;
    TVexFont* FirstFont() const;
    // What the host's DrawText draws with: the char set of the named font, or nullptr when
    // either is unknown (then nothing is drawn).
    const TVexCharSet* FindCharSet(const std::string& font, const std::string& charSet) const;
    // Every glyph picture of every font, in font and char set order, for the surface catalogue.
    std::vector<std::string> GlyphPictures() const;
};
