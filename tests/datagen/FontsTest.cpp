// "arial12.xml" read line by line as the font engine reads it, checked against its pictures.
#include <sstream>

#include "ContentFixture.h"
#include "archive/SFunctions.h"

namespace {

struct CharSet {
    std::string Name, Picture;
    std::vector<int> Metric;
    bool MetricWellFormed = true;
};

struct Font {
    std::string Name;
    int Height = 0;
    std::vector<CharSet> Sets;
};

std::vector<Font> ParseFonts(const std::string& text, std::vector<std::string>& lines) {
    lines = SplitLines(text);
    std::vector<Font> fonts;
    for (const std::string& line : lines) {
        if (line.find("<o c=\"TVexFont\">") != std::string::npos) fonts.emplace_back();
        if (line.find("<p n=\"") == std::string::npos || fonts.empty()) continue;
        const std::string name = TextBetween(line, "<p n=\"", "\">");
        const size_t start = line.find("\">") + 2;
        const std::string value = line.substr(start, line.find("</p>") - start);
        Font& font = fonts.back();
        if (name == "Name") font.Name = value;
        if (name == "Height") font.Height = StrToIntVal(value);
        if (name == "AddCharSet") font.Sets.push_back({value, "", {}});
        if (name == "AddPicture" && !font.Sets.empty()) font.Sets.back().Picture = value;
        if (name == "AddMetric" && !font.Sets.empty()) {
            CharSet& set = font.Sets.back();
            std::string piece;
            std::istringstream in(value);
            while (std::getline(in, piece, ' ')) {
                int32_t v = 0;
                if (!TryStrToInt(piece, v)) set.MetricWellFormed = false;
                set.Metric.push_back(v);
            }
        }
    }
    return fonts;
}

const std::vector<Font>& Fonts() {
    static std::vector<std::string> lines;
    static const std::vector<Font> fonts =
        ParseFonts(ContentTest::Text(ContentTest::PreparedGame(), "arial12.xml"), lines);
    return fonts;
}

const CharSet* FindSet(const Font& font, const std::string& name) {
    for (const CharSet& s : font.Sets)
        if (s.Name == name) return &s;
    return nullptr;
}

int GlyphWidth(const CharSet& set, int code) {
    return set.Metric[code - 31] - set.Metric[code - 32];
}

// How much ink lies in the columns of one glyph.
int Ink(const TImage& picture, const CharSet& set, int code) {
    int sum = 0;
    for (int x = set.Metric[code - 32]; x < set.Metric[code - 31]; ++x)
        for (int y = 0; y < picture.Height; ++y)
            sum += picture.Alpha[y * picture.Width + x];
    return sum;
}

} // namespace

TEST_F(ContentTest, FontsFileHasTheDefaultFontFirstAndAHeadingFont) {
    std::vector<std::string> lines;
    const std::vector<Font> fonts = ParseFonts(Text(PreparedGame(), "arial12.xml"), lines);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.front().find("<VexFonts"), std::string::npos);
    EXPECT_NE(lines.front().find("mode=\"Creation\""), std::string::npos);
    EXPECT_EQ(lines.back(), "</VexFonts>");
    ASSERT_GE(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].Name, "Arial12");
    EXPECT_GT(fonts[1].Height, fonts[0].Height);
    for (const Font& font : fonts) {
        EXPECT_NE(FindSet(font, "EASTEUROPE"), nullptr) << font.Name;
        EXPECT_NE(FindSet(font, "RUSSIAN"), nullptr) << font.Name;
    }
}

TEST_F(ContentTest, BoundaryTablesMatchTheirGlyphPictures) {
    for (const Font& font : Fonts())
        for (const CharSet& set : font.Sets) {
            SCOPED_TRACE(font.Name + " " + set.Name);
            ASSERT_TRUE(set.MetricWellFormed);
            ASSERT_EQ(set.Metric.size(), 256u);
            EXPECT_EQ(set.Metric[0], 0);
            for (size_t i = 1; i < set.Metric.size(); ++i)
                ASSERT_LE(set.Metric[i - 1], set.Metric[i]);
            ASSERT_EQ(set.Picture.substr(set.Picture.size() - 4), ".png");
            const TImage picture = Image(PreparedGame(), set.Picture);
            ASSERT_TRUE(picture.HasAlpha);
            EXPECT_EQ(picture.Width, set.Metric[224])
                << "the last glyph ends at the picture's edge";
            EXPECT_EQ(picture.Height, font.Height);
            // white glyphs: the game tints them to the text colour
            for (size_t p = 0; p < picture.PixelCount(); ++p) {
                if (picture.Alpha[p] <= 128) continue;
                for (int c = 0; c < 3; ++c)
                    ASSERT_GE(picture.Bgr[p * 3 + c], 235);
            }
        }
}

TEST_F(ContentTest, EachCodePageShowsItsOwnLetters) {
    for (const Font& font : Fonts()) {
        SCOPED_TRACE(font.Name);
        const CharSet* east = FindSet(font, "EASTEUROPE");
        const CharSet* russian = FindSet(font, "RUSSIAN");
        ASSERT_TRUE(east && russian);
        const TImage eastPicture = Image(PreparedGame(), east->Picture);
        const TImage russianPicture = Image(PreparedGame(), russian->Picture);
        // a blank advances but leaves no ink
        EXPECT_GT(GlyphWidth(*east, ' '), 0);
        EXPECT_EQ(Ink(eastPicture, *east, ' '), 0);
        // "A", "g", and the code page's own letters: Z with caron (0x8E in Windows-1250),
        // Cyrillic Zhe (0xC6 in Windows-1251)
        for (int code : {int('A'), int('g'), 0x8E}) {
            EXPECT_GT(GlyphWidth(*east, code), 0) << int(code);
            EXPECT_GT(Ink(eastPicture, *east, code), 0) << int(code);
        }
        EXPECT_GT(Ink(russianPicture, *russian, 0xC6), 0);
        // the two pages differ where their letters differ
        EXPECT_NE(GlyphWidth(*east, 0xC6) * 1000 + Ink(eastPicture, *east, 0xC6),
                  GlyphWidth(*russian, 0xC6) * 1000 + Ink(russianPicture, *russian, 0xC6));
        // codes a page leaves unused have no glyph
        EXPECT_EQ(GlyphWidth(*east, 0x81), 0);
        EXPECT_EQ(GlyphWidth(*russian, 0x98), 0);
    }
}
