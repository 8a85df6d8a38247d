// The rich label's layout: alignment blocks, colours, gaps and line positions.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "interface/VexRichLabel.h"

using namespace vextest;

namespace {

class RichLabel : public ::testing::Test {
  protected:
    void SetUp() override {
        w.Load(Li({Window("WHelp"),
                   Widget("TVexRichLabel", "WHelp", "LHelp", 10, 20, 205, 100,
                          {{"Font", "Arial12"}, {"CharSet", "EASTEUROPE"}, {"Color", "3"}})}));
    }
    const std::vector<TVexRichLabel::TFragment>& Layout(const std::string& caption) {
        SetPropValue(L(), "Caption", caption);
        return L().Fragments;
    }
    TVexRichLabel& L() { return w.Get<TVexRichLabel>("LHelp"); }
    TInterfaceWorld w;
};

TEST_F(RichLabel, CentreBlockPlacesAShortWordInTheMiddle) {
    const auto& f = Layout("<CENTER>word</CENTER>");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].Text, "word");
    EXPECT_EQ(f[0].X, 82); // (205 - 40) / 2 = 82.5, to even
    EXPECT_EQ(f[0].Y, 0);
    EXPECT_EQ(f[0].Color, 3);
}

TEST_F(RichLabel, RightBlockAndLinesAfterABlock) {
    const auto& f = Layout("<RIGHT>ab</RIGHT>next");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].X, 205 - 20);
    EXPECT_EQ(f[1].Text, "next");
    EXPECT_EQ(f[1].X, 0);
    EXPECT_EQ(f[1].Y, 18);
}

TEST_F(RichLabel, WrapsWordsAndDropsTheLeadingBlankOnLeftLines) {
    const auto& f = Layout("aaaaaaaaaa bbbbbbbbb cc");
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[1].Text, " bbbbbbbbb");
    EXPECT_EQ(f[1].X, 100);
    EXPECT_EQ(f[2].Text, "cc");
    EXPECT_EQ(f[2].X, 0);
    EXPECT_EQ(f[2].Y, 18);
}

TEST_F(RichLabel, LineTagSetsTheBaseNotAddsToIt) {
    const auto& f = Layout("a<BR 40>b<BR 40>c");
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[1].X, 0);
    EXPECT_EQ(f[1].Y, 40);
    EXPECT_EQ(f[2].Y, 40);
    // A closing block tag ends even an empty line, so "p" stands on line 1.
    const auto& g = Layout("<CENTER></CENTER>p<BR 40>q");
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].Text, "p");
    EXPECT_EQ(g[0].Y, 18);
    EXPECT_EQ(g[1].Text, "q");
    EXPECT_EQ(g[1].X, 0);
    EXPECT_EQ(g[1].Y, 40 + 18);
}

TEST_F(RichLabel, ColoursStackAndGapsMoveText) {
    const auto& f = Layout("a <$ FF00>b</$> c <HR 7>d");
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0].Text, "a");
    EXPECT_EQ(f[1].Text, " ");
    EXPECT_EQ(f[2].Text, "b");
    EXPECT_EQ(f[2].Color, 0xFF00);
    EXPECT_EQ(f[2].X, 20);
    EXPECT_EQ(f[3].Text, " c");
    EXPECT_EQ(f[3].Color, 3);
    EXPECT_EQ(f[4].Text, " "); // the blank before the gap
    EXPECT_EQ(f[5].Text, "d");
    EXPECT_EQ(f[5].X, 60 + 7);
}

TEST_F(RichLabel, LineBreaksInTheCaptionAreBlanks) {
    const auto& f = Layout("one\r\ntwo");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[1].Text, " two");
    EXPECT_EQ(f[1].X, 30);
}

TEST_F(RichLabel, AWordTooWideForAnEmptyLineIsStillShown) {
    const auto& f = Layout(std::string(30, 'w'));
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].X, 0);
}

TEST_F(RichLabel, PaintDrawsFragmentsAtTheOrigin) {
    Layout("<CENTER>word</CENTER>");
    L().Paint();
    const auto texts = w.Graphic.Of("DrawText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].X, 10 + 82);
    EXPECT_EQ(texts[0].Y, 20);
}

} // namespace
