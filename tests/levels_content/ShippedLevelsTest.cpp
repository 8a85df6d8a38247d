// The shipped levels, loaded and solved by quorrel-tool on the built game folder.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST(ShippedLevelsTest, FourChaptersOfSixLevelsEachOfWhichCanBeFinished) {
    std::vector<std::string> levels = ShippedLevelList();
    ASSERT_EQ(levels.size(), 24u);
    for (const std::string& level : levels) {
        ToolResult run =
            RunTool("level solve --dir " + std::string(QUORREL_GAME_DIR) + " " + level);
        EXPECT_EQ(run.Status, 0) << level << ": " << run.Out;
        EXPECT_TRUE(Has(run.Out, "\"solved\":true")) << level << ": " << run.Out;
    }
}

// Six levels make a chapter; a chapter has its own music and sky.
int Chapter(int level) {
    return (level - 1) / 6 + 1;
}

// The starting pieces of a level as listed by level info, one object each.
std::vector<std::string> PieceObjects(const std::string& json) {
    std::vector<std::string> pieces;
    size_t at = json.find("\"Pieces\":[");
    size_t end = json.find("]", at);
    while (at != std::string::npos && (at = json.find("{", at)) < end) {
        size_t close = json.find("}", at);
        pieces.push_back(json.substr(at, close - at + 1));
        at = close;
    }
    return pieces;
}

TEST(ShippedLevelsTest, EachLevelSetsItsFeedMusicAndScenery) {
    int level = 0;
    for (const std::string& name : ShippedLevelList()) {
        std::string json = Info(name);
        const std::string chapter = std::to_string(Chapter(++level));
        EXPECT_TRUE(Has(json, "\"Music\":\"Chapter" + chapter + ".mo3\"")) << json;
        EXPECT_FALSE(Has(json, "\"Pieces\":[]")) << name;
        EXPECT_FALSE(Has(json, "\"Lights\":[]")) << name; // there is a twig to grow
        // Board scenery frames the play and blocks squares.
        EXPECT_FALSE(Has(json, "\"BlockedSquares\":[]")) << name;
        EXPECT_TRUE(Has(json, "\"images\":[\"C" + chapter + "Sky.png\"]")) << name;
    }
}

// The first chapter teaches one thing a level: its first level deals pieces that fit before the
// feed turns random, and a later one starts with a piece the hammer can break. Ghosts,
// combinations, bonus pieces and bonus points come in the chapters after it.
TEST(ShippedLevelsTest, LaterLevelsAddBlockingGhostsCombinationsAndABonusPoint) {
    std::vector<std::string> levels = ShippedLevelList();
    ASSERT_EQ(levels.size(), 24u);
    EXPECT_FALSE(Has(Info(levels[0]), "\"TypeQueue\":[]"));
    if (levels.size() >= 5) {
        std::vector<std::string> pieces = PieceObjects(Info(levels[4]));
        EXPECT_TRUE(std::any_of(pieces.begin(), pieces.end(), [](const std::string& p) {
            return Has(p, "\"state\":1,") && Has(p, "\"root\":false") && !Has(p, "\"group\":1,");
        })) << levels[4];
    }
    if (levels.size() <= 6) return;
    bool ghosts = false, combinations = false, bonusPoint = false, bonusPieces = false;
    for (size_t i = 6; i < levels.size(); ++i) {
        std::string json = Info(levels[i]);
        ghosts = ghosts || !Has(json, "\"GhostGroups\":[]");
        combinations = combinations || !Has(json, "\"CombSequence\":[]");
        bonusPoint = bonusPoint || !Has(json, "\"BonusPoints\":[]");
        bonusPieces = bonusPieces || !Has(json, "\"BonusProbability\":0,");
    }
    EXPECT_TRUE(ghosts);
    EXPECT_TRUE(combinations);
    EXPECT_TRUE(bonusPoint);
    EXPECT_TRUE(bonusPieces);
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
