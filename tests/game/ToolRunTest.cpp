// quorrel-tool run: a recorded session on the real content, replayed exactly from its events.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "../shell/TestGameFolder.h"
#include "../tool/ToolRunner.h"
#include "graphics/Image.h"
#include "graphics/ImageCodecs.h"

namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// New game, the clipper kit (by its handler), Play; a piece taken from the feed and turned.
const char* const Session = R"(# a short game
300 move 290 266
350 ldown 290 266
400 lup 290 266
600 call RClipperWStartDialogMouseUp
1000 move 340 420
1050 ldown 340 420
1100 lup 340 420
4500 key space
4600 move 300 250
4700 rdown 300 250
4750 rup 300 250
)";

class ToolRun : public ::testing::Test {
  protected:
    ToolRun() { std::ofstream(dir + "session.ev") << Session; }
    ToolResult Run(const std::string& shot, const std::string& state) {
        return RunTool("run --dir " + dir + " --seed 11 --until 5000 --events " + dir +
                           "session.ev --shot 4900:" + shot + " --state " + state,
                       false, dir + "stderr.txt");
    }
    TestGameFolder folder;
    std::string dir = folder.WithContent().Path();
};

TEST_F(ToolRun, AnEventsFilePlaysIntoTheFirstLevelAndReplaysExactly) {
    const ToolResult first = Run(dir + "a.png", dir + "a.json");
    ASSERT_EQ(first.Status, 0) << first.Out << FileText(dir + "stderr.txt");
    const std::string state = FileText(dir + "a.json");
    EXPECT_EQ(first.Out, state);
    for (const char* expected :
         {"\"GameState\": 1,", "\"TopWindow\": \"WGame\"", "\"CurrentLevel\": 0,",
          "\"HammerCount\": 3,", "\"ClipperCount\": 8,", "\"LevelFinished\": false"})
        EXPECT_NE(state.find(expected), std::string::npos) << expected << " in " << state;
    EXPECT_EQ(state.find("\"HeldPiece\": -1"), std::string::npos) << "a piece is in hand";

    // The level is on screen: the play area holds scenery, not one flat colour.
    const std::string png = FileText(dir + "a.png");
    TImage image;
    std::string error;
    ASSERT_TRUE(DecodePng(reinterpret_cast<const uint8_t*>(png.data()), png.size(), image, error))
        << error;
    ASSERT_EQ(image.Width, 800);
    ASSERT_EQ(image.Height, 600);
    std::set<uint32_t> colours;
    for (int y = 10; y < 480; y += 5)
        for (int x = 10; x < 590; x += 5) {
            const uint8_t* p = &image.Bgr[(y * 800 + x) * 3];
            colours.insert(p[0] | p[1] << 8 | p[2] << 16);
        }
    EXPECT_GT(colours.size(), 100u);

    // The same events and seed give the same game, frame for frame.
    const ToolResult second = Run(dir + "b.png", dir + "b.json");
    ASSERT_EQ(second.Status, 0) << second.Out << FileText(dir + "stderr.txt");
    EXPECT_EQ(second.Out, first.Out);
    EXPECT_EQ(FileText(dir + "b.png"), png);
}

// The numbers in the state's "FeedX" list.
std::vector<int> FeedX(const std::string& state) {
    std::vector<int> xs;
    const size_t at = state.find("\"FeedX\": [");
    if (at == std::string::npos) return xs;
    std::istringstream list(state.substr(at + 10, state.find(']', at) - at - 10));
    for (std::string x; std::getline(list, x, ',');)
        xs.push_back(std::stoi(x));
    return xs;
}

TEST_F(ToolRun, TheFeedStandsTheSameAtAnyFrameTime) {
    std::ofstream(dir + "play.ev") << "300 move 290 266\n310 ldown 290 266\n320 lup 290 266\n"
                                      "600 move 340 420\n610 ldown 340 420\n620 lup 340 420\n";
    std::vector<std::vector<int>> feeds;
    for (const char* ms : {"7", "33"}) {
        const ToolResult r = RunTool("run --dir " + dir + " --seed 4 --until 15000 --frame-ms " +
                                         ms + " --events " + dir + "play.ev",
                                     false, dir + "stderr.txt");
        ASSERT_EQ(r.Status, 0) << r.Out << FileText(dir + "stderr.txt");
        feeds.push_back(FeedX(r.Out));
    }
    ASSERT_FALSE(feeds[0].empty());
    ASSERT_EQ(feeds[0].size(), feeds[1].size());
    // Pieces come in on a frame and move in whole pixels: a pixel apart at most.
    for (size_t i = 0; i < feeds[0].size(); ++i)
        EXPECT_NEAR(feeds[0][i], feeds[1][i], 1) << "piece " << i;
    EXPECT_LT(feeds[0].front(), 799 - 200); // it has come a long way in
}

} // namespace
