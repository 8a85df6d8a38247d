// The shipped levels, loaded and solved by quorrel-tool on the built game folder.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct TRun {
    int Status = -1;
    std::string Out;
};

TRun RunTool(const std::string& args) {
    TRun run;
    std::string command = std::string(QUORREL_TOOL) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.Out.append(buffer.data(), n);
    int status = pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> ShippedLevels() {
    std::ifstream list(std::string(QUORREL_SOURCE_DIR) + "/data/squares/levels.dat");
    std::vector<std::string> levels;
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream words(line);
        std::string name;
        if (words >> name) levels.push_back(name);
    }
    return levels;
}

std::string Info(const std::string& level) {
    TRun run = RunTool("level info --dir " + std::string(QUORREL_GAME_DIR) + " " + level);
    EXPECT_EQ(run.Status, 0) << level;
    return run.Out;
}

bool Has(const std::string& json, const std::string& text) {
    return json.find(text) != std::string::npos;
}

TEST(ShippedLevelsTest, ThereAreThreeLevelsAndEachCanBeFinished) {
    std::vector<std::string> levels = ShippedLevels();
    ASSERT_GE(levels.size(), 3u);
    for (const std::string& level : levels) {
        TRun run = RunTool("level solve --dir " + std::string(QUORREL_GAME_DIR) + " " + level);
        EXPECT_EQ(run.Status, 0) << level << ": " << run.Out;
        EXPECT_TRUE(Has(run.Out, "\"solved\":true")) << level << ": " << run.Out;
    }
}

TEST(ShippedLevelsTest, EachLevelSetsItsFeedMusicAndScenery) {
    int level = 0;
    for (const std::string& name : ShippedLevels()) {
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
    std::vector<std::string> levels = ShippedLevels();
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
    TRun info = RunTool("level info " + args);
    EXPECT_EQ(info.Status, 0);
    EXPECT_TRUE(Has(info.Out, "\"Lights\":[{\"frag\":3516,\"side\":1},{\"frag\":3518,\"side\":1}]"))
        << info.Out;
    TRun solve = RunTool("level solve " + args);
    EXPECT_EQ(solve.Status, 1);
    EXPECT_TRUE(Has(solve.Out, "{\"solved\":false,\"placements\":0,\"clippers\":0,\"nodes\":"))
        << solve.Out;
    EXPECT_TRUE(Has(solve.Out, "\"moves\":[]}")) << solve.Out;
}

TEST(ShippedLevelsTest, AnUnknownLevelIsAnError) {
    TRun run = RunTool("level info --dir " + std::string(QUORREL_GAME_DIR) + " NoSuchLevel.txt");
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Out.empty());
}

} // namespace
