#include <gtest/gtest.h>

#include <fstream>

#include "TestGameFolder.h"
#include "archive/SafeFile.h"
#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

// The form with its frame work observable: ticks are counted and can be made to throw.
class ProbeForm : public TMainForm {
  public:
    using TMainForm::TMainForm;
    int Ticks = 0;
    bool ThrowInTick = false;

  protected:
    void GameTick(uint32_t now) override {
        TMainForm::GameTick(now);
        ++Ticks;
        if (ThrowInTick) throw std::runtime_error("Level file broken");
    }
};

class MainLoopTest : public ::testing::Test {
  protected:
    MainLoopTest()
        : host(folder.WithContent().Path()), platform{clock, display, audio, host}, form(platform),
          loop(form, host) {}

    void Start() {
        form.FormCreate(true);
        form.FormActivate();
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            loop.RunOnce();
            clock.Advance(33);
        }
    }
    void Send(EventType type) {
        PlatformEvent e;
        e.Type = type;
        host.Push(e);
    }
    int Count(const std::string& call) const {
        int n = 0;
        for (const auto& c : audio.Calls)
            n += c == call;
        return n;
    }

    TestGameFolder folder;
    HeadlessClock clock;
    HeadlessDisplay display;
    HeadlessAudio audio;
    HeadlessHost host;
    Platform platform;
    ProbeForm form;
    TGameLoop loop;
};

TEST_F(MainLoopTest, StartUpOpensTheDisplayAndRunsFramesAfterTheResumeMessage) {
    Start();
    EXPECT_TRUE(display.IsOpen());
    EXPECT_EQ(display.BitsPerPixel(), 32);
    EXPECT_FALSE(form.IdleInstalled()); // only the resume message installs it
    Frames(3);
    EXPECT_TRUE(form.IdleInstalled());
    EXPECT_EQ(form.Ticks, 3);
    EXPECT_EQ(display.Presents, 3);
    EXPECT_EQ(display.Width(), 800);
    EXPECT_NE(display.Pixel(400, 300), 0u); // the title screen
    EXPECT_EQ(form.GameState(), gsTitle);
    // A frame lasts from its start to the next one's: 33 virtual ms are 0.99 of a step.
    EXPECT_DOUBLE_EQ(form.Clock.FrameScale, 0.99);
}

TEST_F(MainLoopTest, AudioStartsOnlyWithTheExpectedLibraryVersion) {
    Start();
    EXPECT_TRUE(form.AudioEnabled());
    ASSERT_GE(audio.Calls.size(), 3u);
    EXPECT_EQ(audio.Calls.at(0), "Init -1 22050 0");
    EXPECT_EQ(audio.Calls.at(1), "Start");
    EXPECT_EQ(audio.Calls.at(2), "SetGlobalVolumes 100 100 0");

    HeadlessAudio other;
    other.Version = 0x00090001; // 1.9
    Platform p{clock, display, other, host};
    ProbeForm silent(p);
    silent.FormCreate(true);
    EXPECT_FALSE(silent.AudioEnabled());
    for (const auto& c : other.Calls)
        EXPECT_NE(c.rfind("Init", 0), 0u) << c;
}

TEST_F(MainLoopTest, VolumesComeFromTheOptionsFile) {
    WriteFileAtomically(folder.Path() + "options.cfg",
                        std::string("[Options]\nMusicVolumeIdx=3\nSoundVolumeIdx=6\n"));
    Start();
    EXPECT_EQ(audio.Calls.at(2), "SetGlobalVolumes 60 0 0");
}

TEST_F(MainLoopTest, FallsBackToSixteenBitsWhenTheDepthIsRefused) {
    display.RefusedDepths = {32};
    Start();
    EXPECT_TRUE(display.IsOpen());
    EXPECT_EQ(display.BitsPerPixel(), 16);
    Frames(2);
    EXPECT_EQ(display.Presents, 2);
    std::string log;
    ASSERT_TRUE(ReadWholeFile(folder.Path() + "debug.log", log));
    EXPECT_EQ(log.rfind(" Cannot open the display at 32 bits per pixel\n", 0), 0u) << log;
}

TEST_F(MainLoopTest, NoDisplayAtAllStopsLoadingButNotTheProgram) {
    display.RefusedDepths = {32, 16};
    Start();
    Frames(3);
    EXPECT_FALSE(display.IsOpen());
    EXPECT_EQ(form.Ticks, 0);
    EXPECT_EQ(display.Presents, 0);
}

TEST_F(MainLoopTest, NothingAdvancesWhileInactive) {
    Start();
    Frames(2);
    Send(EventType::Deactivate);
    Frames(5);
    EXPECT_TRUE(form.Paused);
    EXPECT_FALSE(form.IdleInstalled());
    EXPECT_EQ(form.Ticks, 2);
    EXPECT_EQ(Count("Pause"), 1);

    Send(EventType::Activate);
    Frames(1); // the resume message comes with this pass and reinstalls the frames
    EXPECT_FALSE(form.Paused);
    Frames(2);
    EXPECT_GE(form.Ticks, 4);
    EXPECT_EQ(audio.Calls.back(), "Start");
}

TEST_F(MainLoopTest, AnExceptionInAFrameIsShownAndTheLoopGoesOn) {
    Start();
    Frames(1);
    const size_t before = host.Messages.size();
    form.ThrowInTick = true;
    Frames(2);
    ASSERT_EQ(host.Messages.size(), before + 2);
    EXPECT_EQ(host.Messages[before], "Quorrel: Level file broken");
    EXPECT_TRUE(form.IdleInstalled());
    form.ThrowInTick = false;
    Frames(1);
    EXPECT_EQ(form.Ticks, 4);
    EXPECT_EQ(display.Presents, 2);
}

TEST_F(MainLoopTest, QuitEndsTheLoopAndShutdownKeepsForeignSettings) {
    WriteFileAtomically(
        folder.Path() + "options.cfg",
        std::string(
            "; mine\n[Options]\nDebugMode=527\nSoundVolumeIdx=2\n[Game]\nPutAllow=PaAll\n"));
    Start();
    EXPECT_TRUE(form.Settings.DeveloperKeys());
    EXPECT_EQ(form.Settings.PutAllow, 1);
    Frames(1);
    Send(EventType::Quit);
    EXPECT_FALSE(loop.RunOnce());
    form.FormDestroy();
    EXPECT_FALSE(display.IsOpen());
    std::string cfg;
    ASSERT_TRUE(ReadWholeFile(folder.Path() + "options.cfg", cfg));
    EXPECT_NE(cfg.find("; mine"), std::string::npos);
    EXPECT_NE(cfg.find("DebugMode=527"), std::string::npos);
    EXPECT_NE(cfg.find("PutAllow=PaAll"), std::string::npos);
    EXPECT_NE(cfg.find("SoundVolumeIdx=2"), std::string::npos);
    EXPECT_NE(cfg.find("PlayerName=Player"), std::string::npos);
    EXPECT_LT(cfg.find("PlayerName"), cfg.find("[Game]")); // new keys join their own section
}

TEST_F(MainLoopTest, DebugLogLinesBeginWithABlankAndAccumulate) {
    form.FormCreate(true);
    form.Log("first");
    form.Log("second");
    std::string log;
    ASSERT_TRUE(ReadWholeFile(folder.Path() + "debug.log", log));
    EXPECT_EQ(log, " first\n second\n");
}

} // namespace
