#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh, empty game folder per test, removed afterwards.
class TestGameFolder {
  public:
    TestGameFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("quorrel_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestGameFolder() { std::filesystem::remove_all(path_); }
    // With a trailing slash, as the game keeps its folder.
    std::string Path() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};
