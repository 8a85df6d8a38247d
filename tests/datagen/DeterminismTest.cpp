#include <fstream>
#include <iterator>

#include "ContentFixture.h"

namespace fs = std::filesystem;

namespace {

std::vector<char> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char* const Outputs[] = {"game/game.zxc", "levels/squares.zxc", "lng/ENU_1.lng"};

} // namespace

TEST_F(ContentTest, TwoBuildsGiveByteIdenticalOutput) {
    const fs::path first = TempFolder("build1"), second = TempFolder("build2");
    RunGenerator(first);
    RunGenerator(second);
    for (const char* name : Outputs) {
        const std::vector<char> a = FileBytes(first / name), b = FileBytes(second / name);
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == b) << name << " differs between two builds";
    }
}

TEST_F(ContentTest, TheBuildsGameFolderHoldsTheSameContentAsAFreshBuild) {
    const fs::path fresh = TempFolder("fresh");
    RunGenerator(fresh);
    for (const char* name : Outputs)
        EXPECT_TRUE(FileBytes(fresh / name) == FileBytes(fs::path(GameDir()) / name))
            << name << " in the game folder is stale";
}
