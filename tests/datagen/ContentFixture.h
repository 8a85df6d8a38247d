#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "archive/FileFolder.h"
#include "graphics/Image.h"

// The content built by quorrel-datagen in the build's game folder, in its shipped form and
// after the game's own preparation (done once per test program, into a temporary folder).
class ContentTest : public ::testing::Test {
  public:
    static std::string GameDir() { return QUORREL_GAME_DIR; }
    static std::string ShippedGame() { return GameDir() + "/game/game.zxc"; }
    static std::string ShippedSquares() { return GameDir() + "/levels/squares.zxc"; }
    static std::string Generator() { return QUORREL_DATAGEN; }
    static std::string DataDir() { return std::string(QUORREL_SOURCE_DIR) + "/data"; }

    // The prepared archives, as "temp/game.zxc" and "temp/squares.zxc" would be.
    static TFileFolder& PreparedGame();
    static TFileFolder& PreparedSquares();

    static std::vector<uint8_t> Bytes(TFileFolder& archive, const std::string& name);
    static std::string Text(TFileFolder& archive, const std::string& name);
    // Decodes an entry of a prepared archive as PNG; fails the test when it cannot.
    static TImage Image(TFileFolder& archive, const std::string& name);

    // A fresh empty folder under the system's temporary folder.
    static std::filesystem::path TempFolder(const std::string& tag);
    static void RunGenerator(const std::filesystem::path& out);
};

inline int16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
}
inline uint16_t LeU16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
