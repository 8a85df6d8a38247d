#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "archive/DebugLog.h"
#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SafeFile.h"

namespace {

class FileFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quorrel_ff_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    std::string Bytes(const std::string& path) const {
        std::string s;
        ReadWholeFile(path, s);
        return s;
    }

    void WriteBytes(const std::string& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::string MakeArchive(const std::string& name,
                            const std::vector<std::pair<std::string, std::string>>& entries) const {
        TFileFolder f = TFileFolder::CreateNew(PathOf(name));
        for (const auto& [n, data] : entries)
            f.Add(n, 3, TMemoryStream(data));
        f.Write();
        return PathOf(name);
    }

    std::filesystem::path dir_;
};

std::string Entry(TFileFolder& f, const std::string& name) {
    return f.Read(name).Text();
}

TEST_F(FileFolderTest, EmptyArchiveIsExactlyTheHeader) {
    std::string path = MakeArchive("empty.zxc", {});
    EXPECT_EQ(Bytes(path), std::string("\x39\x30\x00\x00\x00\x00\xFF\xFF", 8));
    TFileFolder f = TFileFolder::Open(path);
    EXPECT_EQ(f.Count(), 0);
    EXPECT_EQ(f.Fault(), "");
}

TEST_F(FileFolderTest, WrittenEntriesReadBackWithLayoutAndKind) {
    std::string path = MakeArchive("two.zxc", {{"arial12.xml", "hello"}, {"b.dat", "world!"}});
    std::string raw = Bytes(path);
    ASSERT_EQ(raw.size(), 8u + 2 * 48 + 11);
    EXPECT_EQ(static_cast<uint8_t>(raw[4]), 2);
    EXPECT_EQ(static_cast<uint8_t>(raw[6]), 0xFD); // CountCheck = NOT Count

    TFileFolder f = TFileFolder::Open(path);
    ASSERT_EQ(f.Count(), 2);
    EXPECT_EQ(f.DataStart(), 8 + 96);
    EXPECT_EQ(f.Dir[1].Offset, 5);
    EXPECT_EQ(f.Dir[1].Kind, 3);
    EXPECT_EQ(f.MemFiles[0].State, TMemFile::OnDisk);
    EXPECT_EQ(Entry(f, "b.dat"), "world!");
    EXPECT_EQ(f.MemFiles[1].State, TMemFile::Loaded);
}

TEST_F(FileFolderTest, NamesCompareIgnoringCase) {
    TFileFolder f = TFileFolder::Open(MakeArchive("a.zxc", {{"arial12.xml", "x"}}));
    EXPECT_EQ(f.Find("Arial12.XML"), 0);
    EXPECT_EQ(f.Find("arial12"), -1);
    TMemoryStream s("y");
    EXPECT_THROW(
        {
            try {
                f.Add("ARIAL12.xml", 0, s);
            } catch (const GameError& e) {
                EXPECT_STREQ(e.what(), "Cannot add file (dublicate)");
                throw;
            }
        },
        GameError);
    EXPECT_EQ(f.Count(), 1); // a failed add changes nothing
}

TEST_F(FileFolderTest, LongNamesAreCutToThirtyTwoAndShareTheStoredName) {
    TFileFolder f = TFileFolder::CreateNew(PathOf("long.zxc"));
    std::string base(32, 'n');
    f.Add(base + "_first", 0, TMemoryStream(std::string("1")));
    f.Add(base + "_second", 0, TMemoryStream(std::string("2")));
    EXPECT_EQ(f.Dir[0].FileName(), base);
    EXPECT_EQ(f.Dir[1].FileName(), base);
    EXPECT_EQ(f.Find(base), 0);
    EXPECT_EQ(Entry(f, base), "1");
}

TEST_F(FileFolderTest, AddCopiesTheWholeSourceWhateverItsPosition) {
    TFileFolder f = TFileFolder::CreateNew(PathOf("pos.zxc"));
    TMemoryStream s(std::string("abcdef"));
    s.SetPosition(4);
    f.Add("x", 0, s);
    EXPECT_EQ(f.Dir[0].Size, 6);
    EXPECT_EQ(Entry(f, "x"), "abcdef");
}

TEST_F(FileFolderTest, FaultyHeadersOpenEmptyWithTheirFault) {
    struct Case {
        std::string bytes;
        std::string fault;
    } cases[] = {
        {std::string("\x39\x30\x00", 3), "Cannot open FileFolder (wrong file size)"},
        {std::string("\x38\x30\x00\x00\x00\x00\xFF\xFF", 8),
         "Cannot open FileFolder (broked label)"},
        {std::string("\x39\x30\x01\x00\x00\x00\xFF\xFF", 8),
         "Cannot open FileFolder (wrong version)"},
        {std::string("\x39\x30\x00\x00\x01\x00\xFF\xFF", 8),
         "Cannot open FileFolder (wrong sizing)"},
        // Two entries announced, the directory holds less than one.
        {std::string("\x39\x30\x00\x00\x02\x00\xFD\xFF", 8) + std::string(20, 'a'),
         "Cannot open Dir (wrong size)"},
    };
    for (const Case& c : cases) {
        WriteBytes(PathOf("bad.zxc"), c.bytes);
        TFileFolder f = TFileFolder::Open(PathOf("bad.zxc"));
        EXPECT_EQ(f.Fault(), c.fault);
        EXPECT_EQ(f.Count(), 0) << c.fault;
        EXPECT_EQ(f.Find("anything"), -1);
        EXPECT_THROW(f.Load("anything"), GameError);
    }
}

TEST_F(FileFolderTest, MissingFileThrows) {
    EXPECT_THROW(TFileFolder::Open(PathOf("missing.zxc")), GameError);
}

TEST_F(FileFolderTest, DamagedRecordsFailToLoadAndLeaveTheStreamEmpty) {
    std::string path = MakeArchive("d.zxc", {{"a", "12345"}});
    std::string raw = Bytes(path);
    auto withRecord = [&](int32_t offset, int32_t size) {
        std::string r = raw;
        for (int i = 0; i < 4; ++i) {
            r[8 + 36 + i] = static_cast<char>(offset >> (8 * i));
            r[8 + 40 + i] = static_cast<char>(size >> (8 * i));
        }
        WriteBytes(path, r);
        return TFileFolder::Open(path);
    };
    for (auto [offset, size] : std::vector<std::pair<int32_t, int32_t>>{
             {0, 6}, {3, 5}, {0, -1}, {-8, 5}, {0, 0x7FFFFFFF}, {0x7FFFFFF0, 0x7FFFFFF0}}) {
        TFileFolder f = withRecord(offset, size);
        try {
            f.Load("a");
            ADD_FAILURE() << "loaded offset " << offset << " size " << size;
        } catch (const GameError& e) {
            EXPECT_STREQ(e.what(), "Cannot load file (wrong file size)");
        }
        EXPECT_EQ(f.MemFiles[0].Stream.Size(), 0u);
    }
    try {
        TFileFolder::Open(path).Load("nope");
        ADD_FAILURE();
    } catch (const GameError& e) {
        EXPECT_STREQ(e.what(), "Cannot load file (wrong file name)");
    }
}

// The header counts entries in 16 bits and the directory holds signed 32-bit offsets: a
// 65,536th entry or data past 2 GB used to be written wrapped and read back as other entries.
TEST_F(FileFolderTest, TheWriterRefusesWhatTheFormatCannotHold) {
    TFileFolder full = TFileFolder::CreateNew(PathOf("full.zxc"));
    full.Dir.resize(TFileFolder::MaxEntries); // as many as the count can say
    full.MemFiles.resize(TFileFolder::MaxEntries);
    EXPECT_THROW(full.Add("one more", 0, TMemoryStream(std::string("x"))), GameError);
    EXPECT_EQ(full.Count(), 65535);

    const std::string path = PathOf("big.zxc");
    TFileFolder big = TFileFolder::CreateNew(path);
    for (const char* name : {"a", "b"})
        big.Add(name, 0, TMemoryStream(std::string("x")));
    big.Dir[0].Size = 2147483647; // as an entry of 2 GB would have it
    big.UpdateOffsets();
    EXPECT_EQ(big.Dir[1].Offset, 2147483647); // still fits
    big.Add("c", 0, TMemoryStream(std::string("x")));
    try {
        big.Write();
        ADD_FAILURE() << "an offset past 32 bits was written";
    } catch (const GameError& e) {
        EXPECT_NE(std::string(e.what()).find("c would start past"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

// debug.log is rewritten whole for every line: a fault logging every frame used to grow it,
// and the work of each line, without end. The oldest whole lines go past 1 MB.
TEST_F(FileFolderTest, DebugLogKeepsItsLastMegabyteOfWholeLines) {
    const std::string path = PathOf("debug.log");
    std::string old;
    for (int i = 0; old.size() < 1500000; ++i)
        old += " line " + std::to_string(i) + std::string(50, '.') + "\n";
    WriteBytes(path, old);
    DebugLog(path, "newest");
    const std::string log = Bytes(path);
    EXPECT_LE(log.size(), MaxDebugLogBytes);
    EXPECT_GT(log.size(), MaxDebugLogBytes - 100); // no more than a line short of it
    EXPECT_EQ(log.substr(0, 6), " line ");
    EXPECT_EQ(old.find(log.substr(0, log.size() - 8)), old.size() - (log.size() - 8));
    EXPECT_EQ(log.substr(log.size() - 8), " newest\n");
}

TEST_F(FileFolderTest, WritingOverItsOwnFileKeepsEveryEntry) {
    std::string path = MakeArchive("self.zxc", {{"one", "first"}, {"two", "second"}});
    {
        TFileFolder f = TFileFolder::Open(path);
        f.Add("three", 1, TMemoryStream(std::string("third")));
        f.Write();
    }
    TFileFolder g = TFileFolder::Open(path);
    ASSERT_EQ(g.Count(), 3);
    EXPECT_EQ(Entry(g, "one"), "first");
    EXPECT_EQ(Entry(g, "two"), "second");
    EXPECT_EQ(Entry(g, "three"), "third");
    // No temporary copy is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                            std::filesystem::directory_iterator()),
              1);
}

// Two programs writing one file at once (the game and the tool preparing the same archive):
// neither fails, and the file ends as one of the two, whole.
TEST_F(FileFolderTest, TwoWritersAtOnceNeitherFailNorMix) {
    const std::string path = PathOf("shared.zxc");
    const std::string a(200000, 'a'), b(150000, 'b');
    auto writer = [&](const std::string& bytes) {
        const pid_t pid = fork();
        if (pid != 0) return pid;
        int failures = 0;
        for (int i = 0; i < 100; ++i) {
            try {
                WriteFileAtomically(path, bytes);
            } catch (const GameError&) {
                ++failures;
            }
        }
        _exit(failures);
    };
    const pid_t first = writer(a), second = writer(b);
    for (pid_t pid : {first, second}) {
        int status = -1;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "failed writes";
    }
    const std::string result = Bytes(path);
    EXPECT_TRUE(result == a || result == b) << result.size() << " bytes";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
