// The real SDL build on an X server of its own: it opens its window and shows the title screen,
// the same picture the headless runner draws.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "../shell/TestGameFolder.h"
#include "../tool/ToolRunner.h"
#include "graphics/Image.h"
#include "graphics/ImageCodecs.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool OnPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Starts a program with extra environment entries; its process id.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env = {}) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    for (const std::string& e : env)
        putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1), dup2(null, 2);
    execvp(args[0], args.data());
    _exit(127);
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(100ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool LoadPng(const std::string& path, TImage& image) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string data = s.str();
    std::string error;
    return DecodePng(reinterpret_cast<const uint8_t*>(data.data()), data.size(), image, error);
}

int Channel(const TImage& image, int x, int y, int c) {
    return image.Bgr[(static_cast<size_t>(y) * image.Width + x) * 3 + c];
}

// The mean difference per channel between the title frame and the screen at an offset, taken
// on a sparse grid (the bird and the fireflies move between the two pictures).
double Difference(const TImage& frame, const TImage& screen, int ox, int oy) {
    long sum = 0, n = 0;
    for (int y = 3; y < frame.Height; y += 29)
        for (int x = 5; x < frame.Width; x += 31)
            for (int c = 0; c < 3; ++c, ++n)
                sum += std::abs(Channel(frame, x, y, c) - Channel(screen, x + ox, y + oy, c));
    return static_cast<double>(sum) / n;
}

class DesktopSmoke : public ::testing::Test {
  protected:
    void TearDown() override {
        Stop(game_);
        Stop(server_);
    }
    TestGameFolder folder;
    pid_t server_ = -1;
    pid_t game_ = -1;
};

TEST_F(DesktopSmoke, TheGameOpensItsWindowOnTheTitleScreen) {
    if (!OnPath("Xvfb") || !OnPath("import"))
        GTEST_SKIP()
            << "Xvfb or ImageMagick's import is missing: scripts/install-deps installs them";
    const std::string dir = folder.WithContent().Path();
    fs::copy_file(fs::path(QUORREL_GAME_DIR) / "quorrel", dir + "quorrel");
    const std::string display = ":" + std::to_string(200 + getpid() % 700);
    const std::string socket = "/tmp/.X11-unix/X" + display.substr(1);
    server_ = Spawn({"Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    for (int i = 0; i < 100 && !fs::exists(socket); ++i)
        std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(fs::exists(socket)) << "Xvfb did not start on " << display;

    // The headless runner's title frame, which also leaves the archives prepared.
    const ToolResult title =
        RunTool("run --dir " + dir + " --until 1500 --shot 1000:" + dir + "title.png");
    ASSERT_EQ(title.Status, 0);
    TImage frame;
    ASSERT_TRUE(LoadPng(dir + "title.png", frame));

    game_ = Spawn({dir + "quorrel"}, {"DISPLAY=" + display, "SDL_AUDIODRIVER=dummy"});
    // Wherever the window manager put it, the title shows within half a minute (slow under
    // the sanitizers).
    const std::string shot = dir + "screen.png";
    double best = 1e9;
    for (int attempt = 0; attempt < 30 && best >= 12.0; ++attempt) {
        std::this_thread::sleep_for(1s);
        ASSERT_EQ(waitpid(game_, nullptr, WNOHANG), 0) << "the game ended by itself";
        ASSERT_EQ(std::system(("import -display " + display + " -window root " + shot).c_str()), 0);
        TImage screen;
        ASSERT_TRUE(LoadPng(shot, screen));
        ASSERT_GE(screen.Width, frame.Width);
        ASSERT_GE(screen.Height, frame.Height);
        for (int oy = 0; oy + frame.Height <= screen.Height; ++oy)
            for (int ox = 0; ox + frame.Width <= screen.Width; ++ox)
                best = std::min(best, Difference(frame, screen, ox, oy));
    }
    EXPECT_LT(best, 12.0);
}

} // namespace
