#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ToolRunner.h"
#include "archive/SafeFile.h"

namespace {

class ToolArchiveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("quorrel_tool_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "sub");
        std::ofstream(dir / "a.txt", std::ios::binary) << "alpha";
        std::ofstream(dir / "sub" / "B.dat", std::ios::binary) << std::string("b\0eta", 5);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string P(const std::string& name) const { return (dir / name).string(); }

    std::filesystem::path dir;
};

TEST_F(ToolArchiveTest, PackListExtractRoundTrip) {
    ASSERT_EQ(
        RunTool("archive pack " + P("out.zxc") + " --kind 2 " + P("a.txt") + " " + P("sub/B.dat"))
            .Status,
        0);
    ToolResult list = RunTool("archive list " + P("out.zxc"));
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, "0\t2\t5\ta.txt\n1\t2\t5\tB.dat\n");

    ToolResult toStdout = RunTool("archive extract " + P("out.zxc") + " b.DAT");
    EXPECT_EQ(toStdout.Status, 0);
    EXPECT_EQ(toStdout.Out, std::string("b\0eta", 5));
    ASSERT_EQ(RunTool("archive extract " + P("out.zxc") + " a.txt " + P("copy.txt")).Status, 0);
    std::string copy;
    ASSERT_TRUE(ReadWholeFile(P("copy.txt"), copy));
    EXPECT_EQ(copy, "alpha");
}

TEST_F(ToolArchiveTest, FailuresSayWhyAndWriteNothing) {
    ToolResult dup =
        RunTool("archive pack " + P("dup.zxc") + " " + P("a.txt") + " " + P("a.txt"), true);
    EXPECT_EQ(dup.Status, 1);
    EXPECT_NE(dup.Out.find("Cannot add file (dublicate)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(P("dup.zxc")));

    ASSERT_EQ(RunTool("archive pack " + P("one.zxc") + " " + P("a.txt")).Status, 0);
    ToolResult missing = RunTool("archive extract " + P("one.zxc") + " nope", true);
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Out.find("Cannot load file (wrong file name)"), std::string::npos);

    EXPECT_EQ(RunTool("archive list " + P("absent.zxc")).Status, 1);
}

TEST_F(ToolArchiveTest, AFaultyArchiveListsNothing) {
    std::ofstream(P("bad.zxc"), std::ios::binary)
        << std::string("\x39\x30\x07\x00\x00\x00\xFF\xFF", 8);
    ToolResult r = RunTool("archive list " + P("bad.zxc"), false, P("errors.txt"));
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "");
    // ... but says on stderr that the directory is damaged, and why.
    std::string errors;
    ReadWholeFile(P("errors.txt"), errors);
    EXPECT_NE(errors.find("damaged"), std::string::npos) << errors;
    EXPECT_NE(errors.find("Cannot open FileFolder (wrong version)"), std::string::npos) << errors;
}

} // namespace
