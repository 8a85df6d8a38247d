// make install into a temporary prefix: every file where the desktop looks for it, valid desktop
// metadata, the installed game played headless writing only under XDG_DATA_HOME, and an
// uninstall that leaves the prefix as it found it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/wait.h>

#include "../shell/TestGameFolder.h"

#include "tool/ToolRunner.h"

namespace {

namespace fs = std::filesystem;

struct TRun {
    int Status = -1;
    std::string Out; // stdout and stderr together
};

TRun Shell(const std::string& cmd) {
    const ToolResult run = RunCommand(cmd + " 2>&1");
    return {run.Status, run.Out};
}

bool OnPath(const std::string& program) {
    return Shell("command -v " + program).Status == 0;
}

// Every file and folder under a folder, relative to it (folders end in "/").
std::set<std::string> Tree(const fs::path& root) {
    std::set<std::string> entries;
    if (!fs::exists(root)) return entries;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string rel = fs::relative(e.path(), root).string();
        entries.insert(e.is_directory() ? rel + "/" : rel);
    }
    return entries;
}

// A level finished with the developer key and its dialog closed: the game saves itself.
const char* const FinishALevel = R"(100 call BNewWTitleMouseUp
300 call BPlayWStartDialogMouseUp
5000 keydown ctrl
5050 key f1
5100 keyup ctrl
10500 call BOkWFinishLevelDialogMouseUp
)";

class Install : public ::testing::Test {
  protected:
    TestGameFolder scratch;
    fs::path root = scratch.Path();
    fs::path prefix = root / "prefix";
    fs::path xdg = root / "xdg";
    std::string source = QUORREL_SOURCE_DIR;
};

TEST_F(Install, InstalledGamePlaysFromItsPrefixSavesUnderXdgAndUninstallsCleanly) {
    for (const char* tool : {"desktop-file-validate", "appstreamcli"})
        ASSERT_TRUE(OnPath(tool)) << tool << " is missing: scripts/install-deps installs it";
    const TRun install =
        Shell(source + "/scripts/install-game " + QUORREL_BUILD_DIR + " " + prefix.string());
    ASSERT_EQ(install.Status, 0) << install.Out;

    const std::set<std::string> installed = Tree(prefix);
    std::vector<std::string> expected = {"bin/quorrel",
                                         "bin/quorrel-tool",
                                         "share/quorrel/game/game.zxc",
                                         "share/quorrel/game/quorrel.png",
                                         "share/quorrel/levels/squares.zxc",
                                         "share/quorrel/lng/ENU_1.lng",
                                         "share/quorrel/lng/DEU_2.lng",
                                         "share/quorrel/lng/RUS_3.lng",
                                         "share/quorrel/Demo.dat",
                                         "share/applications/quorrel.desktop",
                                         "share/icons/hicolor/scalable/apps/quorrel.svg",
                                         "share/metainfo/org.quorrel.quorrel.metainfo.xml",
                                         "share/man/man6/quorrel.6.gz",
                                         "share/man/man6/quorrel-tool.6.gz",
                                         "share/doc/quorrel/copyright",
                                         "share/doc/quorrel/changelog.gz"};
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
        expected.push_back(std::string("share/icons/hicolor/") + size + "/apps/quorrel.png");
    for (const std::string& file : expected)
        EXPECT_TRUE(installed.count(file)) << file << " was not installed";
    EXPECT_FALSE(installed.count("share/quorrel/saves/")) << "the data folder is read-only";

    const TRun desktop =
        Shell("desktop-file-validate " + (prefix / "share/applications/quorrel.desktop").string());
    EXPECT_EQ(desktop.Status, 0) << desktop.Out;
    EXPECT_EQ(desktop.Out, "");
    const TRun metainfo =
        Shell("appstreamcli validate --no-net " +
              (prefix / "share/metainfo/org.quorrel.quorrel.metainfo.xml").string());
    EXPECT_EQ(metainfo.Status, 0) << metainfo.Out;

    // The installed programs on their own: no build folder, a home of their own.
    const std::string env = "env -u XDG_CONFIG_HOME HOME=" + (root / "home").string() +
                            " XDG_DATA_HOME=" + xdg.string() + " ";
    const std::string bin = (prefix / "bin").string() + "/";
    EXPECT_EQ(Shell(env + bin + "quorrel --version").Out,
              std::string("quorrel ") + QUORREL_VERSION + "\n");
    const TRun help = Shell(env + bin + "quorrel-tool help");
    EXPECT_NE(help.Out.find("mode  installed"), std::string::npos) << help.Out;
    EXPECT_NE(help.Out.find((prefix / "share/quorrel").string() + "/"), std::string::npos);
    EXPECT_NE(help.Out.find(xdg.string() + "/quorrel/"), std::string::npos);

    // The player's options come from the user folder: they allow the developer key.
    fs::create_directories(xdg / "quorrel");
    std::ofstream(xdg / "quorrel/options.cfg") << "[Options]\r\nDebugMode=527\r\n";
    std::ofstream(root / "finish.ev") << FinishALevel;
    const TRun run = Shell(env + bin + "quorrel-tool run --seed 3 --until 11000 --events " +
                           (root / "finish.ev").string());
    ASSERT_EQ(run.Status, 0) << run.Out;
    EXPECT_NE(run.Out.find("\"TopWindow\": \"WBetweenLevelMenu\""), std::string::npos) << run.Out;
    for (const char* file : {"saves/autosave.sav", "temp/game.zxc", "temp/squares.zxc"})
        EXPECT_TRUE(fs::exists(xdg / "quorrel" / file)) << file;
    EXPECT_EQ(Tree(prefix), installed) << "the game wrote into its installed folders";

    const TRun uninstall = Shell(source + "/scripts/uninstall-game " + prefix.string());
    ASSERT_EQ(uninstall.Status, 0) << uninstall.Out;
    EXPECT_EQ(Tree(prefix), std::set<std::string>{});
    // The player's own files stay.
    EXPECT_TRUE(fs::exists(xdg / "quorrel/saves/autosave.sav"));
}

// A folder the player added under the prefix is theirs: uninstall removes only the game's.
TEST_F(Install, UninstallKeepsWhatWasThereBeforeAndWhatThePlayerAdded) {
    fs::create_directories(prefix / "share/applications");
    std::ofstream(prefix / "share/applications/other.desktop") << "[Desktop Entry]\n";
    const std::string install =
        source + "/scripts/install-game " + QUORREL_BUILD_DIR + " " + prefix.string();
    ASSERT_EQ(Shell(install).Status, 0);
    ASSERT_EQ(Shell(install).Status, 0); // a second install over the first
    std::ofstream(prefix / "share/quorrel/lng/MINE_9.lng") << "mine";

    ASSERT_EQ(Shell(source + "/scripts/uninstall-game " + prefix.string()).Status, 0);
    EXPECT_EQ(Tree(prefix),
              (std::set<std::string>{"share/", "share/applications/",
                                     "share/applications/other.desktop", "share/quorrel/",
                                     "share/quorrel/lng/", "share/quorrel/lng/MINE_9.lng"}));
    EXPECT_NE(Shell(source + "/scripts/uninstall-game " + prefix.string()).Status, 0)
        << "nothing is installed any more";
}

} // namespace
