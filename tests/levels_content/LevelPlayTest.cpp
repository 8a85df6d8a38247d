// The level author's measuring tools on the built game folder: the play bot and the solver.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "levels_content/ShippedLevelList.h"
#include "tool/ToolRunner.h"

namespace {

const std::string Dir = " --dir " + std::string(QUORREL_GAME_DIR) + " ";

int Number(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? -1 : std::stoi(json.substr(at + key.size() + 3));
}

std::string WriteLevel(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Every shipped level is won by the bot on Normal: a change to the rules or to a level that
// breaks it fails here. (The full table, every mode: make balance.)
TEST(LevelPlayTest, TheBotWinsEveryShippedLevel) {
    for (const std::string& level : ShippedLevelList()) {
        const ToolResult normal = RunTool("level play --seeds 2" + Dir + level);
        EXPECT_EQ(normal.Status, 0) << level;
        EXPECT_GE(Number(normal.Out, "won"), 1) << level << ": " << normal.Out;
    }
}

// The same seeds play the same games, game by game.
TEST(LevelPlayTest, TheSameSeedsGiveTheSameGames) {
    const std::string level = ShippedLevelList().at(8); // the combinations: a short level
    const std::string args = "level play --verbose --seeds 4 --first-seed 7" + Dir + level;
    const ToolResult first = RunTool(args), second = RunTool(args);
    EXPECT_EQ(first.Status, 0);
    EXPECT_NE(first.Out.find("\"seed\":10,"), std::string::npos) << first.Out;
    EXPECT_EQ(first.Out, second.Out);
}

// The root's twig points above the board's first square, where nothing can be laid or clipped
// and the root cannot be hammered; the feed deals every 200 ms and jams at once.
TEST(LevelPlayTest, AnImpossibleLevelIsLostAndHasNoSolution) {
    const std::string path = WriteLevel("Impossible.txt", "<Level CurrentY=\"9750\"/>\r\n"
                                                          "<Generator period=\"200\"/>\r\n"
                                                          "<FProb name=\"13\" prob=\"1\"/>\r\n"
                                                          "<Fishka type=\"1\" frag=\"3390\" "
                                                          "unhammer=\"true\"/>\r\n");
    const ToolResult play = RunTool("level play --seeds 2 --file " + path + Dir + "Impossible");
    EXPECT_EQ(Number(play.Out, "won"), 0) << play.Out;
    EXPECT_EQ(Number(play.Out, "lost"), 2) << play.Out;
    const ToolResult solve = RunTool("level solve --file " + path + Dir + "Impossible");
    EXPECT_EQ(solve.Status, 1) << solve.Out;
}

// A tall level: four bonus points climbing 60 rows of the board past blocking rocks. The
// solver routes to each and closes every end, some eighty placements, in a moment.
TEST(LevelPlayTest, TheSolverFinishesATallLevelOfNinetyPlacements) {
    auto square = [](int row, int col) {
        return "x=\"" + std::to_string(35 + 40 * col) + "\" y=\"" + std::to_string(40 * row + 35) +
               "\"";
    };
    auto picture = [](const std::string& name, int row, int col, const std::string& image) {
        return "<Picture name=\"" + name + "\" x=\"" + std::to_string(10 + 40 * col) + "\" y=\"" +
               std::to_string(40 * row) + "\" z=\"0\">\r\n<Image name=\"" + image +
               "\" t=\"0\"/>\r\n</Picture>\r\n";
    };
    std::string text = "<Level CurrentY=\"9750\"/>\r\n<Generator period=\"4000\"/>\r\n";
    for (const char* type :
         {"13", "24", "12", "23", "34", "14", "1", "2", "3", "4", "123", "234", "134", "124"})
        text += "<FProb name=\"" + std::string(type) + "\" prob=\"1\"/>\r\n";
    const int top = 180;
    text += picture("Top", top, 0, "C1Block4.png") + picture("Rock1", top + 10, 6, "C1Block3.png") +
            picture("Rock2", top + 12, 3, "C1Block3.png") +
            picture("Rock3", top + 20, 10, "C1Block3.png");
    text += "<Fishka type=\"1\" frag=\"" + std::to_string(30 + 247 * 14 + 6) +
            "\" unhammer=\"true\"/>\r\n";
    for (auto [row, col] : {std::pair{top + 30, 3}, {top + 18, 11}, {top + 8, 5}, {top + 4, 9}})
        text += "<BonusElement>\r\n<Point border=\"4\" " + square(row, col) + ">\r\n</Point>\r\n";
    const std::string path = WriteLevel("Tall.txt", text);
    const ToolResult solve = RunTool("level solve --file " + path + Dir + "Tall");
    EXPECT_EQ(solve.Status, 0) << solve.Out;
    // No shortcut: the climb from the starting piece to the highest point is 63 rows.
    EXPECT_GE(Number(solve.Out, "placements"), 63) << solve.Out;
    EXPECT_GT(Number(solve.Out, "nodes"), 0) << solve.Out;
}

} // namespace
