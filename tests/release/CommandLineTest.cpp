// The game's command line, and what --window and --fullscreen do to a run and to options.cfg.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "../shell/TestGameFolder.h"
#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

#include "tool/ToolRunner.h"

namespace {

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// The game itself, without a desktop: what it prints and how it ends.
TRun RunGame(const std::string& args, const std::string& errFile) {
    const ToolResult run = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy " +
                                      std::string(QUORREL_GAME) + " " + args + " 2>" + errFile);
    TRun r{run.Status, run.Out, ""};
    std::ifstream in(errFile);
    std::ostringstream s;
    s << in.rdbuf();
    r.Err = s.str();
    return r;
}

class CommandLine : public ::testing::Test {
  protected:
    TestGameFolder folder;
    std::string err = folder.Path() + "stderr.txt";
};

TEST_F(CommandLine, HelpVersionAndWrongOptionsAnswerWithoutStartingTheGame) {
    const TRun help = RunGame("--help", err);
    EXPECT_EQ(help.Status, 0);
    for (const char* option : {"--window", "--fullscreen", "--data DIR", "--version"})
        EXPECT_NE(help.Out.find(option), std::string::npos) << option << " in " << help.Out;

    const TRun version = RunGame("--version", err);
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, std::string("quorrel ") + QUORREL_VERSION + "\n");

    // Unknown options, a missing folder and a contradiction: the usage on stderr, status 2.
    for (const char* wrong : {"--bogus", "--data", "--window --fullscreen", "level1"}) {
        const TRun r = RunGame(wrong, err);
        EXPECT_EQ(r.Status, 2) << wrong;
        EXPECT_EQ(r.Out, "") << wrong;
        EXPECT_NE(r.Err.find("usage: quorrel"), std::string::npos) << wrong << ": " << r.Err;
    }

    // Data that is not there: the folder named, status 1.
    const TRun missing = RunGame("--data " + folder.Path() + "nowhere", err);
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find(folder.Path() + "nowhere/"), std::string::npos) << missing.Err;
}

// The headless game started as `quorrel --fullscreen` would start it.
struct TOverriddenRun {
    TOverriddenRun(const std::string& dir, bool fullScreen)
        : host(dir), platform{clock, display, audio, host},
          form(platform, TMainFormOptions{7u, std::nullopt, std::nullopt, fullScreen}),
          loop(form, host) {
        form.FormCreate(true);
        form.FormActivate();
        loop.RunOnce();
    }
    ~TOverriddenRun() { form.FormDestroy(); }
    HeadlessClock clock;
    HeadlessDisplay display;
    HeadlessAudio audio;
    HeadlessHost host;
    Platform platform;
    TMainForm form;
    TGameLoop loop;
};

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(CommandLine, FullScreenForOneRunLeavesTheOptionsChoiceUnlessThePlayerSwitches) {
    const std::string dir = folder.WithContent().Path();
    std::ofstream(dir + "options.cfg") << "[Options]\nFullScreenMode=0\n";
    {
        TOverriddenRun run(dir, true);
        EXPECT_TRUE(run.display.IsFullScreen());
        // The window carries the game's icon, drawn opaque at its heart.
        ASSERT_EQ(run.host.IconWidth, 64);
        ASSERT_EQ(run.host.IconHeight, 64);
        EXPECT_EQ(run.host.IconRgba.at((32 * 64 + 32) * 4 + 3), 255);
        EXPECT_EQ(run.host.IconRgba.at(3), 0); // a rounded corner
    }
    EXPECT_NE(FileText(dir + "options.cfg").find("FullScreenMode=0"), std::string::npos);

    // Alt+Enter is the player's own choice, and it is kept.
    {
        TOverriddenRun run(dir, true);
        ASSERT_TRUE(run.form.SwitchDisplayMode());
        EXPECT_FALSE(run.display.IsFullScreen());
    }
    EXPECT_NE(FileText(dir + "options.cfg").find("FullScreenMode=0"), std::string::npos);
    {
        TOverriddenRun run(dir, false);
        ASSERT_TRUE(run.form.SwitchDisplayMode());
        EXPECT_TRUE(run.display.IsFullScreen());
    }
    EXPECT_NE(FileText(dir + "options.cfg").find("FullScreenMode=1"), std::string::npos);
}

} // namespace
