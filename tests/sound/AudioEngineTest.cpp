// The game's sound over a recording device: start-up, loading the lists, playing by name and
// the options window's volume choices.
#include <gtest/gtest.h>

#include <algorithm>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "platform/headless/HeadlessAudio.h"
#include "sound/AudioEngine.h"
#include "sound/Music.h"
#include "sound/VolumeTable.h"

namespace {

constexpr int Off = VolumeLevelOff;

TFileFolder ArchiveWith(const std::vector<std::pair<std::string, std::string>>& entries) {
    TFileFolder folder = TFileFolder::CreateNew("/nonexistent/game.zxc");
    for (const auto& [name, bytes] : entries)
        folder.Add(name, 0, TMemoryStream(bytes));
    return folder;
}

TFileFolder GameArchive() {
    return ArchiveWith({{"musics.dat", "Title.mo3\r\nLevel1.mo3\r\n"},
                        {"sounds.dat", "Click.wav\r\nLay.wav"},
                        {"Title.mo3", "module one"},
                        {"Level1.mo3", "module two"},
                        {"Click.wav", "click"},
                        {"Lay.wav", "lay"}});
}

int CountCalls(const HeadlessAudio& audio, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(audio.Calls.begin(), audio.Calls.end(),
                      [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

uint32_t HandleOf(const TAudioEngine& engine, const std::string& name) {
    const AudioItem* item = FindAudioItem(engine.List(), name);
    return item ? item->Handle : 0;
}

class AudioEngineTest : public ::testing::Test {
  protected:
    void Open(int musicLevel = 1, int soundLevel = 1) {
        levels = {musicLevel, soundLevel};
        ASSERT_TRUE(engine.Open());
        engine.LoadLists(archive);
        audio.Calls.clear();
    }

    HeadlessAudio audio;
    TVolumeLevels levels;
    TAudioEngine engine{audio, levels};
    TFileFolder archive = GameArchive();
};

TEST(VolumeTableTest, LevelsMapToTheTableAndStrayLevelsStayInside) {
    const int expected[] = {100, 80, 60, 40, 20, 0};
    for (int level = 1; level <= 6; ++level)
        EXPECT_EQ(VolumeOfLevel(level), expected[level - 1]);
    // A hand-edited options file must not read past the table.
    EXPECT_EQ(VolumeOfLevel(0), 100);
    EXPECT_EQ(VolumeOfLevel(-3), 100);
    EXPECT_EQ(VolumeOfLevel(7), 0);
    EXPECT_EQ(VolumeOfLevel(1000), 0);
}

TEST_F(AudioEngineTest, StartUpOpensVersionOnePointEightAtTheGameRateThenSetsVolumes) {
    levels = {3, 2};
    EXPECT_TRUE(engine.Open());
    EXPECT_EQ(audio.Calls,
              (std::vector<std::string>{"Init -1 22050 0", "Start", "SetGlobalVolumes 60 80 0"}));
    EXPECT_TRUE(engine.SoundOn());
}

TEST_F(AudioEngineTest, AnotherVersionOrAFailedInitLeavesTheGameSilent) {
    audio.Version = 0x00090001; // 1.9
    levels = {1, 1};
    EXPECT_FALSE(engine.Open());
    EXPECT_EQ(CountCalls(audio, "Init"), 0);

    HeadlessAudio noDevice;
    noDevice.InitResult = false;
    TVolumeLevels silentLevels;
    TAudioEngine silent(noDevice, silentLevels);
    EXPECT_FALSE(silent.Open());
    EXPECT_EQ(CountCalls(noDevice, "Start"), 0);

    // Silent but playable: the lists still load (with no handles) and nothing reaches the device.
    noDevice.Calls.clear();
    silent.LoadLists(archive);
    silent.Play("Title.mo3");
    silent.Play("Click.wav");
    silent.ChooseMusicLevel(Off);
    silent.PauseOutput();
    silent.ResumeOutput();
    EXPECT_TRUE(noDevice.Calls.empty());
    EXPECT_EQ(silent.List().size(), 4u);
    EXPECT_EQ(HandleOf(silent, "Click.wav"), 0u);
    EXPECT_EQ(silent.CurrentMusic(), "Title.mo3");
}

TEST_F(AudioEngineTest, ListsLoadMusicFirstThenSoundsIntoOneList) {
    levels = {1, 1};
    ASSERT_TRUE(engine.Open());
    audio.Calls.clear();
    engine.LoadLists(archive);
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"MusicLoad 1", "MusicLoad 2", "SampleLoad 3",
                                                     "SampleLoad 4"}));
    ASSERT_EQ(engine.List().size(), 4u);
    EXPECT_EQ(engine.List()[0].Name, "Title.mo3");
    EXPECT_EQ(engine.List()[0].Kind, AudioItem::MusicModule);
    EXPECT_EQ(engine.List()[3].Name, "Lay.wav"); // the last line needs no line end
    EXPECT_EQ(engine.List()[3].Kind, AudioItem::Sample);
}

TEST_F(AudioEngineTest, AListNamingAMissingEntryIsADataError) {
    TFileFolder broken = ArchiveWith({{"musics.dat", "Gone.mo3\r\n"}, {"sounds.dat", ""}});
    levels = {1, 1};
    ASSERT_TRUE(engine.Open());
    try {
        engine.LoadLists(broken);
        FAIL() << "no error";
    } catch (const GameError& e) {
        EXPECT_NE(std::string(e.what()).find("Gone.mo3"), std::string::npos) << e.what();
    }
    TFileFolder noList = ArchiveWith({});
    EXPECT_THROW(engine.LoadLists(noList), GameError);
}

TEST_F(AudioEngineTest, ReloadingANameFreesTheFirstHandleAndKeepsOneItem) {
    Open();
    const uint32_t first = HandleOf(engine, "Click.wav");
    const uint32_t firstMusic = HandleOf(engine, "Title.mo3");
    AudioList list = engine.List();
    const uint8_t data[] = {1, 2, 3};
    LoadAudioItem(audio, data, sizeof data, "Click.wav", AudioItem::Sample, list);
    LoadAudioItem(audio, data, sizeof data, "Title.mo3", AudioItem::MusicModule, list);
    EXPECT_EQ(audio.Calls,
              (std::vector<std::string>{"SampleFree " + std::to_string(first), "SampleLoad 5",
                                        "MusicFree " + std::to_string(firstMusic), "MusicLoad 6"}));
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const AudioItem& i) { return i.Name == "Click.wav"; }),
              1);
    EXPECT_EQ(FindAudioItem(list, "Click.wav")->Handle, 5u);
    EXPECT_FALSE(audio.IsLoaded(first));
    EXPECT_FALSE(audio.IsLoaded(firstMusic));
}

TEST_F(AudioEngineTest, SamplesPlayAtTheSoundVolumeAndNamesAreExact) {
    Open(1, 3);
    const uint32_t click = HandleOf(engine, "Click.wav");
    engine.VexPlaySound("Click.wav");
    engine.Play("click.wav"); // names are case-sensitive
    engine.Play("Nothing.wav");
    EXPECT_EQ(audio.Calls,
              (std::vector<std::string>{"SamplePlay " + std::to_string(click) + " 60"}));
    EXPECT_EQ(engine.CurrentMusic(), ""); // unknown names leave the music alone
}

TEST_F(AudioEngineTest, WithSoundOffNoSampleStartsAtAll) {
    Open(1, Off);
    engine.Play("Click.wav");
    engine.Play("Lay.wav");
    EXPECT_EQ(CountCalls(audio, "SamplePlay"), 0);
    EXPECT_FALSE(audio.AnythingPlaying());
}

TEST_F(AudioEngineTest, MusicAskedForWhileOffIsRememberedAndStartsWhenSwitchedOn) {
    Open(Off, 1);
    const uint32_t level = HandleOf(engine, "Level1.mo3");
    engine.ChangeMusic("Level1.mo3");
    EXPECT_EQ(CountCalls(audio, "MusicPlay"), 0);
    EXPECT_EQ(engine.CurrentMusic(), "Level1.mo3");

    audio.Calls.clear();
    engine.ChooseMusicLevel(1);
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"MusicPlay " + std::to_string(level),
                                                     "SetGlobalVolumes 100 100 0"}));
    EXPECT_TRUE(audio.MusicPlaying(level));

    // Changing between audible levels only changes the volume.
    audio.Calls.clear();
    engine.ChooseMusicLevel(4);
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"SetGlobalVolumes 40 100 0"}));
}

TEST_F(AudioEngineTest, SwitchingMusicOffStopsEverythingIncludingSamples) {
    Open();
    engine.ChangeMusic("Title.mo3");
    engine.Play("Click.wav");
    engine.Play("Lay.wav");
    ASSERT_TRUE(audio.AnythingPlaying());
    engine.ChooseMusicLevel(Off);
    EXPECT_FALSE(audio.AnythingPlaying());
    EXPECT_EQ(audio.Calls.back(), "SetGlobalVolumes 0 100 0");
    EXPECT_EQ(engine.CurrentMusic(), "Title.mo3");
}

TEST_F(AudioEngineTest, ASixthPlayOfASampleReplacesTheOneFurthestAlong) {
    Open();
    const uint32_t click = HandleOf(engine, "Click.wav");
    for (int i = 0; i < 5; ++i)
        engine.Play("Click.wav");
    const std::vector<uint32_t> five = audio.Playbacks(click);
    ASSERT_EQ(five.size(), 5u);
    engine.Play("Click.wav");
    const std::vector<uint32_t> now = audio.Playbacks(click);
    ASSERT_EQ(now.size(), 5u);
    EXPECT_EQ(std::find(now.begin(), now.end(), five[0]), now.end()); // the oldest went
    EXPECT_TRUE(std::equal(five.begin() + 1, five.end(), now.begin()));
}

TEST_F(AudioEngineTest, ChangingMusicStopsAllAudioFirst) {
    Open();
    engine.ChangeMusic("Title.mo3");
    engine.Play("Click.wav");
    audio.Calls.clear();
    engine.ChangeMusic("Level1.mo3");
    EXPECT_EQ(audio.Calls,
              (std::vector<std::string>{"ChannelStop 1", "ChannelStop 2", "SampleStop 3",
                                        "SampleStop 4", "MusicPlay 2"}));
    EXPECT_FALSE(audio.MusicPlaying(1));
    EXPECT_TRUE(audio.MusicPlaying(2));
}

TEST_F(AudioEngineTest, SoundLevelChangesStopNothing) {
    Open();
    engine.ChangeMusic("Title.mo3");
    engine.Play("Click.wav");
    audio.Calls.clear();
    engine.ChooseSoundLevel(Off);
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"SetGlobalVolumes 100 0 0"}));
    EXPECT_TRUE(audio.MusicPlaying(1));
}

TEST_F(AudioEngineTest, CancelRestartsTheMusicOnlyWhenItWasOffAndNoLongerIs) {
    Open(Off, 2);
    engine.ChangeMusic("Title.mo3");
    audio.Calls.clear();
    engine.RestoreLevels(3, 5);
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"MusicPlay 1", "SetGlobalVolumes 60 20 0"}));
    EXPECT_EQ(engine.MusicLevel(), 3);
    EXPECT_EQ(engine.SoundLevel(), 5);

    audio.Calls.clear();
    engine.RestoreLevels(2, 5); // music was on: not restarted
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"SetGlobalVolumes 80 20 0"}));
}

TEST_F(AudioEngineTest, FocusLossPausesTheOutputAndTheResumeStartsIt) {
    Open();
    engine.PauseOutput();
    EXPECT_TRUE(audio.Paused);
    engine.ResumeOutput();
    EXPECT_FALSE(audio.Paused);
    EXPECT_EQ(audio.Calls, (std::vector<std::string>{"Pause", "Start"}));
}

TEST_F(AudioEngineTest, ARefusedLoadKeepsAnItemThatPlaysNothing) {
    Open();
    AudioList list;
    NullAudioDevice refusing;
    const uint8_t data[] = {0};
    LoadAudioItem(refusing, data, 1, "Bad.wav", AudioItem::Sample, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Handle, 0u);
    std::string current;
    PlayAudio(audio, list, "Bad.wav", 1, current, 1);
    EXPECT_TRUE(audio.Calls.empty());
}

} // namespace
