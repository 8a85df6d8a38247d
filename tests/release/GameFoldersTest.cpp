// Where the game reads its data and writes its files: a portable folder keeps everything, an
// installed game reads PREFIX/share/quorrel and writes under $XDG_DATA_HOME/quorrel.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../shell/TestGameFolder.h"
#include "archive/GameError.h"
#include "archive/GameFolders.h"

namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

// A folder with the two shipped archives (their contents do not matter to the decision).
void PutData(const fs::path& folder) {
    Touch(folder / "game/game.zxc");
    Touch(folder / "levels/squares.zxc");
}

class GameFolders : public ::testing::Test {
  protected:
    TestGameFolder scratch;
    fs::path root = scratch.Path();
    fs::path prefix = root / "prefix";
    std::string bin = (prefix / "bin").string() + "/";
    std::string share = (prefix / "share/quorrel").string() + "/";

    TFolderEnvironment Env(const std::string& program, const std::string& xdg,
                           const std::string& home, const std::string& data = "") {
        return {program, data, xdg, home};
    }
};

TEST_F(GameFolders, AWritableFolderWithTheDataKeepsEverythingAndIsLeftAsItIs) {
    const std::string own = (root / "portable").string();
    PutData(own);
    const TFolderSearch found = LocateGameFolders(Env(own, "/xdg", "/home/p"));
    ASSERT_TRUE(found.Folders) << found.Message();
    EXPECT_FALSE(found.Folders->Installed);
    EXPECT_EQ(found.Folders->Data, own + "/");
    EXPECT_EQ(found.Folders->User, own + "/");
    CreateUserFolder(*found.Folders);
    EXPECT_FALSE(fs::exists(own + "/saves")); // a portable folder is the player's to arrange

    // The data beside the program wins over an installed copy; --data wins over both.
    PutData(share);
    fs::create_directories(bin);
    EXPECT_EQ(LocateGameFolders(Env(own, "", "/h")).Folders->Data, own + "/");
    const TFolderSearch named = LocateGameFolders(Env(own, "", "/h", share));
    ASSERT_TRUE(named.Folders);
    EXPECT_EQ(named.Folders->Data, share);
}

TEST_F(GameFolders, AnInstalledGameWritesUnderTheUsersDataHomeAndMakesItsSavesFolder) {
    PutData(share);
    fs::create_directories(bin);
    const std::string xdg = (root / "xdg").string();
    TFolderSearch found = LocateGameFolders(Env(bin, xdg, "/home/p"));
    ASSERT_TRUE(found.Folders) << found.Message();
    // Writable (the tests may run as root), and still read-only to the game.
    EXPECT_TRUE(found.Folders->Installed);
    EXPECT_EQ(found.Folders->Data, share);
    EXPECT_EQ(found.Folders->User, xdg + "/quorrel/");
    EXPECT_EQ(found.Folders->UserPath("options.cfg"), xdg + "/quorrel/options.cfg");

    CreateUserFolder(*found.Folders);
    EXPECT_TRUE(fs::is_directory(xdg + "/quorrel/saves"));
    EXPECT_FALSE(fs::exists(share + "saves"));

    // The shipped demo until the player records one of their own.
    EXPECT_EQ(found.Folders->DemoToPlay(), share + "Demo.dat");
    Touch(xdg + "/quorrel/Demo.dat");
    EXPECT_EQ(found.Folders->DemoToPlay(), xdg + "/quorrel/Demo.dat");

    // Without XDG_DATA_HOME, or with a relative one (which the rules say to ignore), the
    // default under the home folder.
    for (const char* unset : {"", "relative/data"})
        EXPECT_EQ(LocateGameFolders(Env(bin, unset, "/home/p")).Folders->User,
                  "/home/p/.local/share/quorrel/");
    const TFolderSearch homeless = LocateGameFolders(Env(bin, "", ""));
    EXPECT_FALSE(homeless.Folders);
    EXPECT_NE(homeless.Message().find("HOME"), std::string::npos);

    // A user folder that cannot be made is named in the error.
    Touch(root / "file");
    found.Folders->User = (root / "file/quorrel").string() + "/";
    try {
        CreateUserFolder(*found.Folders);
        ADD_FAILURE() << "no error";
    } catch (const GameError& e) {
        EXPECT_NE(std::string(e.what()).find(found.Folders->User), std::string::npos) << e.what();
    }
}

TEST_F(GameFolders, MissingDataNamesEveryFolderLookedIn) {
    fs::create_directories(bin);
    const TFolderSearch none = LocateGameFolders(Env(bin, "", "/h"));
    EXPECT_FALSE(none.Folders);
    EXPECT_EQ(none.LookedIn, (std::vector<std::string>{bin, share}));
    EXPECT_NE(none.Message().find(bin), std::string::npos);
    EXPECT_NE(none.Message().find(share), std::string::npos);

    // A named folder is the only one searched: a typo does not fall back to another copy.
    PutData(share);
    const TFolderSearch named = LocateGameFolders(Env(bin, "", "/h", "/no/such/folder"));
    EXPECT_FALSE(named.Folders);
    EXPECT_EQ(named.LookedIn, std::vector<std::string>{"/no/such/folder/"});
}

} // namespace
