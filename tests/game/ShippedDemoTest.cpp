// The shipped demo on the real game: the title's Demo button plays it to its end and back to
// the title, laying the pieces the recording laid, the same every time; a touch stops it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "archive/SafeFile.h"
#include "game/HeadlessGame.h"
#include "main/shell/GameRenderer.h"
#include "platform/VirtualKeys.h"

namespace {

class ShippedDemo : public HeadlessGame {
  protected:
    ShippedDemo() {
        std::filesystem::copy_file(std::string(QUORREL_GAME_DIR) + "/Demo.dat",
                                   folder.Path() + "Demo.dat");
    }
    void PlayDemo() { ASSERT_TRUE(ClickObject("BDemoWTitle")); }
    // Frames until the title is back, at most two minutes.
    void UntilTheTitle() {
        for (int i = 0; i < 3600 && form.Game().GameState != gsTitle; ++i)
            Frames(1);
        ASSERT_EQ(form.Game().GameState, gsTitle);
    }
    // The laid pieces as the tool's state writes them: [type, x, y], ...
    std::string Board() {
        std::string j;
        for (const TFishka& f : form.Game().Fishkas)
            if (f.State == fsOnBoard)
                j += (j.empty() ? "[" : ", [") + std::to_string(f.Type) + ", " +
                     std::to_string(f.X) + ", " + std::to_string(f.Y) + "]";
        return "[" + j + "]";
    }
};

TEST_F(ShippedDemo, PlaysToItsEndLayingTheRecordedPiecesEveryTime) {
    std::string record;
    ASSERT_TRUE(ReadWholeFile(QUORREL_DEMO_RECORD, record));
    std::smatch board;
    ASSERT_TRUE(std::regex_search(record, board, std::regex("\"Board\": (\\[.*?\\]\\])")));
    // The recording shows the whole story: the level finished, its combination made.
    EXPECT_NE(record.find("\"LevelFinished\": true"), std::string::npos);
    EXPECT_EQ(record.find("\"CombinationsMade\": 0"), std::string::npos);
    Start();
    for (int playback = 0; playback < 2; ++playback) {
        PlayDemo();
        EXPECT_TRUE(form.Game().DemoPlaying);
        EXPECT_EQ(TopWindow(), "WGame");
        UntilTheTitle();
        EXPECT_EQ(TopWindow(), "WTitle");
        EXPECT_EQ(Board(), board[1].str()) << "playback " << playback;
    }
}

// Each frame starts from the still layers by copying back only what the last frame drew over;
// through a whole level played, finished and left, every start must equal a whole copy.
TEST_F(ShippedDemo, EveryFrameStartsAsAWholeCopyOfTheStillLayersWouldStart) {
    Start();
    TFrameRestore& starts = form.Renderer().FrameStart();
    starts.SetChecking(true);
    PlayDemo();
    UntilTheTitle();
    Frames(30);
    EXPECT_EQ(starts.Counts().Mismatched, 0u);
    EXPECT_GT(starts.Counts().Tiles, 10 * starts.Counts().Whole);
}

TEST_F(ShippedDemo, AKeyOrAMoveOfTheMouseStopsItButAShakeDoesNot) {
    Start();
    PlayDemo();
    Frames(60);
    const TPoint at = form.Game().PointerPos;
    Push(EventType::MouseMove, at.X + 3, at.Y + 3);
    Frames(1);
    EXPECT_TRUE(form.Game().DemoPlaying);
    Push(EventType::MouseMove, at.X + 40, at.Y);
    Frames(1);
    EXPECT_FALSE(form.Game().DemoPlaying);
    EXPECT_EQ(TopWindow(), "WTitle");

    PlayDemo();
    Frames(30);
    Key(vk::Space);
    EXPECT_FALSE(form.Game().DemoPlaying);
    EXPECT_EQ(form.Game().GameState, gsTitle);
}

} // namespace
