// The demo's lines as recording writes them, and playback's timing: the first event at once,
// every due line in one step, a bonus right after the line before it, and the end.
#include "main/progress/Demo.h"
#include "FlowFixture.h"
#include "main/rules/PlayInput.h"

namespace {

class TRecordingDemoHost : public IDemoHost {
  public:
    std::string File;
    bool HasFile = true;
    std::vector<std::string> Log;

    bool ReadDemoFile(std::string& text) override { return (text = File, HasFile); }
    void WriteDemoFile(const std::string& text) override { File = text; }
    void ReplayMove(TPoint at, uint32_t now) override {
        Log.push_back("move " + std::to_string(at.X) + " " + std::to_string(at.Y) + " @" +
                      std::to_string(now));
    }
    void ReplayPress(int button, TPoint at, uint32_t now) override {
        Log.push_back(std::string(button == ibLeft ? "left " : "right ") + std::to_string(at.X) +
                      " " + std::to_string(at.Y) + " @" + std::to_string(now));
    }
    void SetPointerImage(const std::string& image) override { Log.push_back("pointer " + image); }
};

class DemoTest : public FlowTest {
  protected:
    TRecordingDemoHost demoHost;
    Random demoRandom{7};
    TDemo demo{game, flow, levels, widgets, flowHost, demoHost, demoRandom};
};

TEST_F(DemoTest, RecordingWritesEachEventInItsOwnFormAndTheFileWhenItStops) {
    flow.BPlayWStartDialogMouseUp(1000);
    flow.Values.CurrentLevel = 1;
    demo.ToggleRecording(5000);
    ASSERT_TRUE(game.DemoRecording);
    EXPECT_EQ(game.HammerCount, 8);
    EXPECT_EQ(game.ClipperCount, 3);
    game.PointerPos = {120, 45};
    demo.Record("<MouseMove>", 6500);
    demo.Record("<MouseRDown>", 6600);
    ASSERT_GE(game.AddSteckPiece(5, true, false, 0.0), 0);
    demo.Record("<NewFishkaInSteck>", 7000);
    game.FeedStep = 2;
    demo.Record("<MoveSteck>", 7033);
    demo.Record("<GiveBonus ind=\"3\">", 7040);
    demo.ToggleRecording(8000);
    EXPECT_FALSE(game.DemoRecording);
    EXPECT_TRUE(flow.Values.Hard);
    EXPECT_EQ(demoHost.File, "l2\r\n"
                             "<MouseMove x=\"120\" y=\"45\" time=\"1500\" />\r\n"
                             "<MouseRDown x=\"120\" y=\"45\" time=\"1600\" />\r\n"
                             "<NewFishkaInSteck time=\"2000\" fishtype=\"5\" quest=\"true\" "
                             "bonus=\"false\"/>\r\n"
                             "<MoveSteck time=\"2033\" incr=\"2\"/>\r\n"
                             "<GiveBonus ind=\"3\">\r\n");
}

TEST_F(DemoTest, PlaybackTakesEveryDueLineInOneStepAndEndsAtTheTitle) {
    bonusTypes.push_back(TBonusType{});
    bonusTypes.back().PlusHammers = 2;
    flow.Values.TotalScore = 321; // a game of the player's, kept through the demo
    demoHost.File = "l3\r\n"
                    "<MouseMove x=\"10\" y=\"20\" time=\"5000\" />\r\n"
                    "<MouseLDown x=\"10\" y=\"20\" time=\"5100\" />\r\n"
                    "<MouseLUp x=\"10\" y=\"20\" time=\"5150\" />\r\n"
                    "<GiveBonus ind=\"0\">\r\n"
                    "<NewFishkaInSteck time=\"5200\" fishtype=\"5\" quest=\"false\" "
                    "bonus=\"true\"/>\r\n"
                    "<MoveSteck time=\"9000\" incr=\"3\"/>\r\n";
    ASSERT_TRUE(demo.BDemoWTitleMouseUp(1000));
    EXPECT_TRUE(flowHost.Has("load l3"));
    EXPECT_EQ(flow.Values.CurrentLevel, 2);
    // The first event comes at once, whatever its time.
    EXPECT_EQ(demoHost.Log, std::vector<std::string>{"move 10 20 @1000"});
    demo.DemoStep(6099);
    EXPECT_EQ(demoHost.Log.size(), 1u);
    // Three lines are due by 5200: all in one step, the bonus with the line before it.
    demo.DemoStep(6200);
    EXPECT_EQ(demoHost.Log.back(), "left 10 20 @6200");
    EXPECT_EQ(game.HammerCount, 8 + 2);
    ASSERT_EQ(game.Steck.size(), 1u);
    EXPECT_TRUE(game.Fishkas[game.Steck[0]].Bonus);
    // The last line ends the demo: the title, and the player's game as it was.
    demo.DemoStep(10000);
    EXPECT_FALSE(game.DemoPlaying);
    EXPECT_EQ(game.GameState, gsTitle);
    EXPECT_TRUE(widgets.Has("change WTitle"));
    EXPECT_EQ(flow.Values.TotalScore, 321);
    EXPECT_EQ(demoHost.Log.back(), "pointer " + PointerNormal);
}

// Nothing to play leaves the title as it is and says why in debug.log.
TEST_F(DemoTest, AMissingEmptyOrForeignDemoDoesNotStart) {
    const std::vector<std::pair<bool, std::string>> files = {
        {false, ""},
        {true, "l1\r\n"},
        {true, "nowhere.txt\r\n<MouseMove x=\"1\" y=\"1\" time=\"0\" />\r\n"}};
    game.GameState = gsTitle;
    for (const auto& [has, text] : files) {
        demoHost.HasFile = has;
        demoHost.File = text;
        flowHost.Log.clear();
        EXPECT_FALSE(demo.BDemoWTitleMouseUp(0)) << text;
        EXPECT_FALSE(game.DemoPlaying);
        EXPECT_EQ(game.GameState, gsTitle);
        ASSERT_FALSE(flowHost.Log.empty());
        EXPECT_EQ(flowHost.Log.back().rfind("log No demo to play", 0), 0u) << flowHost.Log.back();
    }
}

} // namespace
