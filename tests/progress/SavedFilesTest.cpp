// The files that keep a game between runs: a saved game and the high-score table, read and
// written as the game does, with the damage players' folders can hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "archive/SFunctions.h"
#include "main/progress/HighScores.h"
#include "main/progress/SaveFolder.h"
#include "main/progress/SavedGame.h"

namespace {

std::string Encoded(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += EncodeText(line) + "\r\n";
    return text;
}

TEST(SavedGameFile, HoldsSixteenLinesAndGivesPendingPointsBackAsExperience) {
    TProgression v;
    v.CurrentLevel = 2;
    v.TotalScore = 1234;
    v.TotalHammerNum = 5;
    v.TotalCapNum = 4;
    v.ExperiencePool = 3;
    v.PlusLife = 2;
    v.SkillLuck = 1;
    v.Hard = true;
    const std::string text = SavedGame::ToText(v);
    const std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(DecodeText(lines[0]), "CurrentLevel=\"2\"");
    EXPECT_EQ(DecodeText(lines[4]), "Experience=\"5\"");
    EXPECT_EQ(DecodeText(lines[8]), "PlusLife=\"2\"");
    EXPECT_EQ(DecodeText(lines[13]), "NoLoose=\"false\"");
    EXPECT_EQ(DecodeText(lines[15]), "Hard=\"true\"");

    TProgression loaded;
    SavedGame::FromText(text, loaded);
    EXPECT_EQ(loaded.CurrentLevel, 2);
    EXPECT_EQ(loaded.TotalScore, 1234);
    EXPECT_EQ(loaded.TotalHammerNum, 5);
    EXPECT_EQ(loaded.TotalCapNum, 4);
    EXPECT_EQ(loaded.ExperiencePool, 5);
    EXPECT_EQ(loaded.PlusLife, 2);
    EXPECT_EQ(loaded.SkillLuck, 1);
    EXPECT_TRUE(loaded.Hard);
    EXPECT_FALSE(loaded.NoLose);
}

// Zero, a non-number, damage and lines without keys leave the value the game had; the five
// game values start from zero; keys are found in any letter case.
TEST(SavedGameFile, KeepsWhatTheFileDoesNotReallyGive) {
    TProgression v;
    v.CurrentLevel = 7;
    v.TotalScore = 900;
    v.SkillLife = 4;
    v.SkillOtb = 2;
    v.SkillLuck = 3;
    v.PlusCap = 6;
    v.Easy = true;
    SavedGame::FromText(
        Encoded({"CurrentLevel=\"0\"", "SkillLife=\"0\"", "SkillOtb=\"abc\"",
                 "SKILLLUCK=\"2000000000\"", "plusCap=\"-4\"", "Easy=\"maybe\"",
                 "TOTALHAMMERNUM=\"6\"", "nothing here", "Hard=\"yes\"", "NOLOOSE=\"TRUE\""}) +
            std::string("\x01\xff\x80 binary\0junk", 14),
        v);
    EXPECT_EQ(v.CurrentLevel, 0);
    EXPECT_EQ(v.TotalScore, 0);
    EXPECT_EQ(v.SkillLife, 4);
    EXPECT_EQ(v.SkillOtb, 2);
    EXPECT_EQ(v.SkillLuck, 3);
    EXPECT_EQ(v.PlusCap, 6);
    EXPECT_TRUE(v.Easy);
    EXPECT_EQ(v.TotalHammerNum, 6);
    EXPECT_FALSE(v.Hard);
    EXPECT_TRUE(v.NoLose);
}

TEST(SavedGameFile, NamesLoseWhatAFileNameCannotCarry) {
    EXPECT_EQ(SavedGame::FilterName("abc"), "abc");
    EXPECT_EQ(SavedGame::FilterName("a.b:c"), "abc");
    EXPECT_EQ(SavedGame::FilterName("<my|\"walk\">?*\\/"), "mywalk");
    EXPECT_EQ(SavedGame::FilterName("..."), "");
    EXPECT_EQ(SavedGame::FilterName("Mira's walk"), "Mira's walk");
}

// Names are 8-bit text in the field's code page; on disk they are UTF-8, and list back as
// they were typed. Only "*.sav" files count, and no name reaches outside the folder.
TEST(SaveFolder, KeepsNamesInUtf8AndListsThemBackInTheCodePage) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "quorrel_SaveFolder";
    fs::remove_all(dir);
    fs::create_directories(dir / "inner.sav");
    const TSaveFolder folder(dir.string() + "/");
    const std::string russian = "\xcb\xe5\xf1"; // "Les" in Windows-1251
    const std::string path = folder.PathOf(russian, "CP1251");
    EXPECT_EQ(path, dir.string() + "/\xd0\x9b\xd0\xb5\xd1\x81.sav");
    for (const std::string& file : {path, (dir / "x.SAV").string(), (dir / ".sav").string(),
                                    (dir / "Birch.sav").string(), (dir / "notes.txt").string()})
        std::ofstream(file) << "x";
    EXPECT_EQ(folder.List("CP1251"), (std::vector<std::string>{"Birch", russian}));
    // Windows-1250 has no Cyrillic: the game cannot show that name there, so it is not offered.
    EXPECT_EQ(folder.List("CP1250"), std::vector<std::string>{"Birch"});
    EXPECT_EQ(folder.PathOf("../options", "CP1250"), "");
    EXPECT_EQ(folder.PathOf("", "CP1250"), "");
    fs::remove_all(dir);
    EXPECT_TRUE(folder.List("CP1250").empty());
    EXPECT_FALSE(folder.Exists());
}

std::string ScoreFile(int lines) {
    std::vector<std::string> text;
    for (int i = 0; i < lines; ++i)
        text.push_back("<High name=\"p" + std::to_string(i) + "\" score=\"" +
                       std::to_string(1000 - i) + "\" />");
    return Encoded(text);
}

TEST(HighScoreTable, AnEqualScoreGoesAfterTheOthersAndABetterOneFirst) {
    THighScores t;
    t.Entries = {{"a", 900}, {"b", 500}, {"c", 500}};
    EXPECT_EQ(t.Insert("d", 500), 3);
    EXPECT_EQ(t.Insert("e", 901), 0);
    EXPECT_EQ(t.Insert("f", 10), 5);
    std::string order;
    for (const THighScore& e : t.Entries)
        order += e.Name;
    EXPECT_EQ(order, "eabcdf");
}

// The table read is bounded (21 entries), the table written is not: the next start reads
// the first 21 again.
TEST(HighScoreTable, ReadsAtMost21EntriesAndWritesAllItHolds) {
    THighScores t;
    t.FromText(ScoreFile(30));
    ASSERT_EQ(t.Entries.size(), 21u);
    t.Insert("new", 5);
    const std::string written = t.ToText();
    EXPECT_EQ(SplitLines(written).size(), 22u);
    EXPECT_EQ(DecodeText(SplitLines(written)[0]), "<High name=\"p0\" score=\"1000\" />");
    THighScores again;
    again.FromText(written);
    EXPECT_EQ(again.Entries.size(), 21u);
}

TEST(HighScoreTable, ALineWithoutANumberIsSkippedAndAQuoteCannotCutAName) {
    THighScores t;
    t.FromText(Encoded({"<High name=\"x\" score=\"abc\" />", "<High name=\"y\" score=\"7\" />", "",
                        "<High name=\"z\" />"}));
    ASSERT_EQ(t.Entries.size(), 1u);
    EXPECT_EQ(t.Entries[0].Name, "y");

    t.Insert("Ro\"wan \"the\" tall", 8);
    t.Entries.push_back({"Ro score=", 5}); // as a damaged file gave it
    THighScores back;
    back.FromText(t.ToText());
    ASSERT_EQ(back.Entries.size(), 3u);
    EXPECT_EQ(back.Entries[0].Name, "Rowan the tall");
    EXPECT_EQ(back.Entries[0].Score, 8);
    EXPECT_EQ(back.Entries[2].Name, "Ro score");
    EXPECT_EQ(back.Entries[2].Score, 5);
}

} // namespace
