// A game killed while it writes: the settings, a saved game and the high scores are always
// either the old file or the new one, never a part of one or nothing.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "../shell/TestGameFolder.h"
#include "archive/SafeFile.h"
#include "main/options/Settings.h"
#include "main/progress/HighScores.h"
#include "main/progress/SavedGame.h"

namespace {

struct TVersion {
    TGameSettings Settings;
    TProgression Game;
    THighScores Scores;
};

TVersion Version(int n) {
    TVersion v;
    v.Settings.PlayerName = n ? "Rowan of the long branches" : "Mira";
    v.Settings.Volumes = {n ? 2 : 5, n ? 3 : 1};
    v.Game.CurrentLevel = n ? 2 : 1;
    v.Game.TotalScore = n ? 98765 : 1;
    for (int i = 0; i < (n ? 21 : 3); ++i)
        v.Scores.Insert("player " + std::to_string(i), 1000 - i);
    return v;
}

// The child writes the two versions in turn for ever; the parent kills it anywhere.
[[noreturn]] void WriteForever(const std::string& dir) {
    for (int n = 0;; n = 1 - n) {
        const TVersion v = Version(n);
        SaveOptions(dir + "options.cfg", v.Settings);
        SavedGame::Save(dir + "game.sav", v.Game);
        v.Scores.Save(dir + "HighScores.dat");
    }
}

TEST(CrashSafeWrites, AKilledWriterLeavesTheOldOrTheNewFile) {
    TestGameFolder folder;
    const std::string dir = folder.Path();
    std::string file[2][3];
    for (int n = 0; n < 2; ++n) {
        const TVersion v = Version(n);
        SaveOptions(dir + "options.cfg", v.Settings);
        SavedGame::Save(dir + "game.sav", v.Game);
        v.Scores.Save(dir + "HighScores.dat");
        ReadWholeFile(dir + "options.cfg", file[n][0]);
        ReadWholeFile(dir + "game.sav", file[n][1]);
        ReadWholeFile(dir + "HighScores.dat", file[n][2]);
    }
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> micros(50, 3000);
    for (int kill = 0; kill < 300; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) WriteForever(dir);
        usleep(static_cast<useconds_t>(micros(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const char* names[] = {"options.cfg", "game.sav", "HighScores.dat"};
        for (int k = 0; k < 3; ++k) {
            std::string now;
            ASSERT_TRUE(ReadWholeFile(dir + names[k], now)) << names[k];
            ASSERT_TRUE(now == file[0][k] || now == file[1][k])
                << names[k] << " after kill " << kill << " holds " << now.size() << " bytes";
        }
    }
}

} // namespace
