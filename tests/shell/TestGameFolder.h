#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh, empty game folder per test (and per process, so two suites running at once on one
// machine keep apart), removed afterwards. WithContent() links the built
// game's archives and languages into it; the prepared archives are made once per test program
// and shared.
class TestGameFolder {
  public:
    TestGameFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("quorrel_") + info->test_suite_name() + "_" + info->name() + "_" +
                 std::to_string(getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestGameFolder() { std::filesystem::remove_all(path_); }
    // With a trailing slash, as the game keeps its folder.
    std::string Path() const { return path_.string() + "/"; }

    TestGameFolder& WithContent() {
        namespace fs = std::filesystem;
        const fs::path game = QUORREL_GAME_DIR;
        for (const char* sub : {"game", "levels", "lng"})
            fs::create_directory_symlink(game / sub, path_ / sub);
        fs::create_directory_symlink(SharedTemp(), path_ / "temp");
        return *this;
    }

  private:
    static std::filesystem::path SharedTemp() {
        struct Shared {
            std::filesystem::path Path = std::filesystem::temp_directory_path() /
                                         ("quorrel_prepared_" + std::to_string(getpid()));
            Shared() { std::filesystem::create_directories(Path); }
            ~Shared() { std::filesystem::remove_all(Path); }
        };
        static Shared shared;
        return shared.Path;
    }
    std::filesystem::path path_;
};
