// Bitmap fonts: the fonts file's line rules and text measurement.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "archive/GameError.h"

namespace {

std::string FontFile(const std::string& body) {
    return "<VexFonts mode=\"Creation\">\n" + body + "</VexFonts>\n";
}

TEST(FontLoading, ReadsNamesHeightsAndCharSets) {
    TVexFontEngine fonts;
    fonts.LoadFontsText(
        FontFile("<o c=\"TVexFont\">\n<p n=\"Name\">Small</p>\n<p n=\"Height\">14</p>\n"
                 "<p n=\"AddCharSet\">EASTEUROPE</p>\n<p n=\"AddPicture\">SmallE</p>\n"
                 "<p n=\"AddMetric\">0 5 12</p>\n<p n=\"AddCharSet\">RUSSIAN</p>\n"
                 "<p n=\"AddPicture\">SmallR</p>\n</o>\n\n"
                 "<o c=\"TVexFont\">\n<p n=\"Name\">Big</p>\n</o>\n"));
    ASSERT_EQ(fonts.Count(), 2);
    TVexFont* small = fonts.FindFont("Small");
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Tag, 0);
    EXPECT_EQ(small->Height, 14);
    ASSERT_EQ(small->CharSets.size(), 2u);
    EXPECT_EQ(small->CharSets[0].Picture, "SmallE");
    EXPECT_EQ(small->CharSets[1].Picture, "SmallR");
    EXPECT_EQ(small->FindCharSet("RUSSIAN"), 1);
    EXPECT_EQ(small->FindCharSet("russian"), -1);
    EXPECT_EQ(fonts.FindFont("Big")->Height, 0); // file fonts start at 0
    EXPECT_EQ(fonts.FirstFont(), small);
    EXPECT_EQ(fonts.GlyphPictures(), (std::vector<std::string>{"SmallE", "SmallR"}));
    ASSERT_NE(fonts.FindCharSet("Small", "EASTEUROPE"), nullptr);
    EXPECT_EQ(fonts.FindCharSet("Small", "EASTEUROPE")->Metric[2], 12);
    EXPECT_EQ(fonts.FindCharSet("Small", "GREEK"), nullptr);
    EXPECT_EQ(fonts.FindCharSet("Nope", "EASTEUROPE"), nullptr);
}

TEST(FontLoading, LineWithoutNameReusesThePreviousName) {
    TVexFontEngine fonts;
    fonts.LoadFontsText(
        FontFile("<o c=\"TVexFont\">\n<p n=\"Name\">F</p>\n<p n=\"AddCharSet\">A</p>\n"
                 "<p x=\"\">B</p>\n</o>\n"));
    TVexFont* f = fonts.FindFont("F");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->CharSets.size(), 2u);
    EXPECT_EQ(f->CharSets[1].Name, "B");
}

TEST(FontLoading, FaultsAreReported) {
    TVexFontEngine twoBlanks;
    EXPECT_THROW(twoBlanks.LoadFontsText(FontFile("<o c=\"TVexFont\">\n<p n=\"AddCharSet\">A</p>\n"
                                                  "<p n=\"AddMetric\">0  5</p>\n</o>\n")),
                 GameError);
    TVexFontEngine unknown;
    EXPECT_THROW(
        unknown.LoadFontsText(FontFile("<o c=\"TVexFont\">\n<p n=\"Colour\">1</p>\n</o>\n")),
        GameError);
    TVexFontEngine unclosed;
    EXPECT_THROW(unclosed.LoadFontsText(FontFile("<o c=\"TVexFont\">\n<p n=\"Name\">A</p>\n")),
                 GameError);
    std::string tooMany = "0";
    for (int i = 0; i < 256; ++i)
        tooMany += " 1";
    TVexFontEngine overlong;
    EXPECT_THROW(overlong.LoadFontsText(FontFile("<o c=\"TVexFont\">\n<p n=\"AddCharSet\">A</p>\n"
                                                 "<p n=\"AddMetric\">" +
                                                 tooMany + "</p>\n</o>\n")),
                 GameError);
}

// Boundaries a fuzzer found: one past 32 bits used to wrap to -2147483648 and the width of the
// blank then overflowed; falling or huge boundaries are refused the same way, naming the font.
TEST(FontLoading, BoundariesMustRiseWithinAPicture) {
    for (const std::string metric : {"2147483648", "0 5 3", "-1 5", "0 8193"}) {
        TVexFontEngine fonts;
        try {
            fonts.LoadFontsText(
                FontFile("<o c=\"TVexFont\">\n<p n=\"Name\">Tiny</p>\n<p n=\"AddCharSet\">A</p>\n"
                         "<p n=\"AddMetric\">" +
                         metric + "</p>\n</o>\n"));
            ADD_FAILURE() << metric << " was accepted, width of a blank "
                          << fonts.FindFont("Tiny")->TextWidth("A", " ");
        } catch (const GameError& e) {
            EXPECT_NE(std::string(e.what()).find("\"Tiny\""), std::string::npos) << e.what();
        }
    }
    TVexFontEngine widest;
    widest.LoadFontsText(FontFile("<o c=\"TVexFont\">\n<p n=\"Name\">W</p>\n"
                                  "<p n=\"AddCharSet\">A</p>\n<p n=\"AddMetric\">0 0 8192</p>\n"
                                  "</o>\n"));
    // 300,000 glyphs of 8192 pixels pass 32 bits: the width saturates instead of wrapping.
    EXPECT_EQ(widest.FindFont("W")->TextWidth("A", std::string(300000, '!')), 2147483647);
}

TEST(FontLoading, OtherFirstLinesChangeNothing) {
    TVexFontEngine fonts;
    fonts.LoadFontsText(
        "<VexFont mode=\"Modificaton\">\n<o c=\"TVexFont\">\n<p n=\"Name\">A</p>\n</o>\n");
    EXPECT_EQ(fonts.Count(), 0);
}

TEST(FontMeasure, TextWidthSumsGlyphSpans) {
    TVexFont font;
    font.AddPicture("ignored before any char set");
    font.AddMetric("1 2 3");
    EXPECT_TRUE(font.CharSets.empty());
    font.AddCharSet("E");
    font.AddMetric("0 5 12");
    EXPECT_EQ(font.TextWidth("E", " "), 5);
    EXPECT_EQ(font.TextWidth("E", "!"), 7);
    EXPECT_EQ(font.TextWidth("E", " !"), 12);
    EXPECT_EQ(font.TextWidth("", " !"), 0);
    EXPECT_EQ(font.TextWidth("Other", " !"), 0);
    EXPECT_EQ(font.TextWidth("E", "\t\n"), 0); // no glyphs below 32
    font.AddMetric(std::string("0 1"));
    font.CharSets[0].Metric[224] = 300;
    font.CharSets[0].Metric[223] = 290;
    EXPECT_EQ(font.TextWidth("E", std::string(1, '\xFF')), 10); // the last glyph
}

} // namespace
