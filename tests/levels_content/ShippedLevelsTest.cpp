// The shipped levels, loaded and solved by quorrel-tool on the built game folder.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "levels_content/ShippedLevelList.h"
#include "tool/ToolRunner.h"

namespace {

std::string Info(const std::string& level) {
    ToolResult run = RunTool("level info --dir " + std::string(QUORREL_GAME_DIR) + " " + level);
    EXPECT_EQ(run.Status, 0) << level;
    return run.Out;
}

bool Has(const std::string& json, const std::string& text) {
    return json.find(text) != std::string::npos;
}

TEST(ShippedLevelsTest, ThereAreThreeLevelsAndEachCanBeFinished) {
    std::vector<std::string> levels = ShippedLevelList();
    ASSERT_GE(levels.size(), 3u);
    for (const std::string& level : levels) {
        ToolResult run =
            RunTool("level solve --dir " + std::string(QUORREL_GAME_DIR) + " " + level);
        EXPECT_EQ(run.Status, 0) << level << ": " << run.Out;
        EXPECT_TRUE(Has(run.Out, "\"solved\":true")) << level << ": " << run.Out;
    }
}

TEST(ShippedLevelsTest, EachLevelSetsItsFeedMusicAndScenery) {
    int level = 0;
    for (const std::string& name : ShippedLevelList()) {
        std::string json = Info(name);
        ++level;
        EXPECT_TRUE(Has(json, "\"Music\":\"Level" + std::to_string(level) + ".mo3\"")) << json;
        EXPECT_FALSE(Has(json, "\"Pieces\":[]")) << name;
        EXPECT_FALSE(Has(json, "\"Lights\":[]")) << name; // there is a twig to grow
        // Combinations are what earns experience for the skills between levels.
        EXPECT_FALSE(Has(json, "\"CombSequence\":[]")) << name;
        EXPECT_TRUE(Has(json, "\"images\":[\"L" + std::to_string(level) + "Sky.png\"]")) << name;
    }
}

TEST(ShippedLevelsTest, LaterLevelsAddBlockingGhostsCombinationsAndABonusPoint) {
    std::vector<std::string> levels = ShippedLevelList();
    ASSERT_GE(levels.size(), 3u);
    std::string second = Info(levels[1]);
    EXPECT_FALSE(Has(second, "\"BlockedSquares\":[]")) << second;
    EXPECT_FALSE(Has(second, "\"GhostGroups\":[]")) << second;
    EXPECT_FALSE(Has(second, "\"RequiredFrags\":[]")) << second;
    std::string third = Info(levels[2]);
    EXPECT_FALSE(Has(third, "\"CombSequence\":[]")) << third;
    EXPECT_TRUE(Has(third, "\"RemovePictures\":[\"Thorns\"]")) << third;
    EXPECT_FALSE(Has(third, "\"BonusProbability\":0,")) << third;
}

// Two roots whose open ends could only be joined by corner pieces the feed never deals; the
// clipper cannot close either alone, since a twig that closes on itself is refused.
TEST(ShippedLevelsTest, AnAuthorsLevelFileThatCannotBeFinishedIsReported) {
    std::string path = ::testing::TempDir() + "/Unfinishable.txt";
    std::ofstream(path) << "<Level CurrentY=\"9750\"/>\r\n"
                        << "<FProb name=\"13\" prob=\"1\"/>\r\n"
                        << "<Fishka type=\"4\" frag=\"3502\" unhammer=\"true\"/>\r\n"
                        << "<Fishka type=\"4\" frag=\"3504\"/>\r\n";
    std::string args = "--dir " + std::string(QUORREL_GAME_DIR) + " --file " + path + " Mine";
    ToolResult info = RunTool("level info " + args);
    EXPECT_EQ(info.Status, 0);
    EXPECT_TRUE(Has(info.Out, "\"Lights\":[{\"frag\":3516,\"side\":1},{\"frag\":3518,\"side\":1}]"))
        << info.Out;
    ToolResult solve = RunTool("level solve " + args);
    EXPECT_EQ(solve.Status, 1);
    EXPECT_TRUE(Has(solve.Out, "{\"solved\":false,\"placements\":0,\"clippers\":0,\"nodes\":"))
        << solve.Out;
    EXPECT_TRUE(Has(solve.Out, "\"moves\":[]}")) << solve.Out;
}

TEST(ShippedLevelsTest, AnUnknownLevelIsAnError) {
    ToolResult run =
        RunTool("level info --dir " + std::string(QUORREL_GAME_DIR) + " NoSuchLevel.txt");
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Out.empty());
}

} // namespace
