#include "ContentFixture.h"

#include <cstdlib>
#include <unistd.h>

#include "graphics/ImageCodecs.h"
#include "graphics/PNGMorf.h"

namespace fs = std::filesystem;

namespace {

TFileFolder Prepare(const std::string& shipped, const std::string& name) {
    const fs::path folder = ContentTest::TempFolder("prepared-" + name);
    const std::string dest = (folder / name).string();
    TPNGMorf morf(90);
    morf.ConvertArchive(shipped, dest);
    return TFileFolder::Open(dest);
}

} // namespace

TFileFolder& ContentTest::PreparedGame() {
    static TFileFolder folder = Prepare(ShippedGame(), "game.zxc");
    return folder;
}

TFileFolder& ContentTest::PreparedSquares() {
    static TFileFolder folder = Prepare(ShippedSquares(), "squares.zxc");
    return folder;
}

std::vector<uint8_t> ContentTest::Bytes(TFileFolder& archive, const std::string& name) {
    if (archive.Find(name) < 0) {
        ADD_FAILURE() << "no entry " << name << " in " << archive.Path();
        return {};
    }
    return archive.Read(name).Bytes();
}

std::string ContentTest::Text(TFileFolder& archive, const std::string& name) {
    const std::vector<uint8_t> b = Bytes(archive, name);
    return std::string(b.begin(), b.end());
}

TImage ContentTest::Image(TFileFolder& archive, const std::string& name) {
    const std::vector<uint8_t> b = Bytes(archive, name);
    TImage image;
    std::string error;
    if (!b.empty() && !DecodePng(b.data(), b.size(), image, error))
        ADD_FAILURE() << name << " does not decode: " << error;
    return image;
}

fs::path ContentTest::TempFolder(const std::string& tag) {
    const fs::path folder =
        fs::temp_directory_path() / ("quorrel-datagen-test-" + std::to_string(::getpid())) / tag;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void ContentTest::RunGenerator(const fs::path& out) {
    const std::string command =
        "\"" + Generator() + "\" --data \"" + DataDir() + "\" --out \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

namespace {

// Removes this test program's temporary folders when it ends.
class TempCleanup : public ::testing::Environment {
  public:
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(
            fs::temp_directory_path() / ("quorrel-datagen-test-" + std::to_string(::getpid())), ec);
    }
};

const auto* const cleanup = ::testing::AddGlobalTestEnvironment(new TempCleanup);

} // namespace
