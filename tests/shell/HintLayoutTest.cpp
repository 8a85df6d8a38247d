#include <gtest/gtest.h>

#include "main/shell/HintText.h"

namespace {

// Every character 10 pixels wide, so widths are easy to reason about.
int TenEach(const std::string& s) {
    return static_cast<int>(s.size()) * 10;
}

TEST(HintWrap, NarrowTextsStayOneLineWideOnesWrapAtThreeHundredPixels) {
    const std::string narrow(25, 'a'); // 250 pixels
    EXPECT_EQ(WrapHintText(narrow, TenEach), std::vector<std::string>{narrow});

    // 450 pixels in words of 9 characters: each measures 100 with its trailing blank.
    const std::string wide = "aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee";
    const auto lines = WrapHintText(wide, TenEach);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "aaaaaaaaa bbbbbbbbb ccccccccc");
    EXPECT_EQ(lines[1], "ddddddddd eeeeeeeee");
}

TEST(HintWrap, AWordWiderThanTheBoxKeepsALineOfItsOwn) {
    const std::string text = std::string(35, 'x') + " tail";
    const auto lines = WrapHintText(text, TenEach);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(35, 'x'));
    EXPECT_EQ(lines[1], "tail");
    // Runs of blanks do not make empty words.
    EXPECT_EQ(WrapHintText("a  b", TenEach), std::vector<std::string>{"a  b"});
}

TEST(SkillHints, TheAreasBetweenLevelsNameTheirSkill) {
    EXPECT_EQ(SkillHintLabelAt({53, 71}), "LHintSkillLive");
    EXPECT_EQ(SkillHintLabelAt({133, 252}), "LHintSkillDropAccel");
    EXPECT_EQ(SkillHintLabelAt({90, 300}), "LHintSkillLuckyTwig");
    EXPECT_EQ(SkillHintLabelAt({90, 400}), "LHintSkillAmphora");
    EXPECT_EQ(SkillHintLabelAt({90, 560}), "");
    EXPECT_EQ(SkillHintLabelAt({90, 552}), "LHintSkillHammer");
    EXPECT_EQ(SkillHintLabelAt({90, 160}), ""); // between two areas
    EXPECT_EQ(SkillHintLabelAt({134, 100}), "");
}

TEST(SkillHints, TheBoxStaysOnTheScreenBesideThePointer) {
    // One line near the bottom goes above the pointer.
    EXPECT_EQ(SkillHintCorner({100, 560}, 1, 200).Y, 538);
    EXPECT_EQ(SkillHintCorner({100, 549}, 1, 200).Y, 579);
    // One line near the right edge ends at column 797.
    EXPECT_EQ(SkillHintCorner({700, 100}, 1, 200).X, 597);
    EXPECT_EQ(SkillHintCorner({598, 100}, 1, 200).X, 598);
    // Several lines: lifted by their extra height, and kept 300 pixels wide on screen.
    const TPoint c = SkillHintCorner({600, 540}, 3, 0);
    EXPECT_EQ(c.Y, 540 - 40 - 22);
    EXPECT_EQ(c.X, 499);
    EXPECT_EQ(SkillHintCorner({100, 500}, 3, 0).Y, 530);
}

} // namespace
