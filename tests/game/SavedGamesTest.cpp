// Saved games and high scores played with the mouse on the real game: the automatic save, a
// save under a name, asking before replacing, loading it in a new run, deleting it, and a
// high score that is still there after a restart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "../shell/TestGameFolder.h"
#include "archive/SafeFile.h"
#include "interface/VexEdit.h"
#include "interface/VexForm.h"
#include "interface/VexGrid.h"
#include "main/progress/HighScores.h"
#include "main/progress/SavedGame.h"
#include "main/shell/GameLoop.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

// One run of the game on a folder; a test may start several, one after the other.
class TGameRun {
  public:
    explicit TGameRun(const std::string& folder)
        : host(folder), platform{clock, display, audio, host},
          form(platform, TMainFormOptions{7u, std::nullopt}), loop(form, host) {
        form.FormCreate(true);
        form.FormActivate();
        Frames(1);
    }
    ~TGameRun() { form.FormDestroy(); }

    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            loop.RunOnce();
            clock.Advance(33);
        }
    }
    void Push(EventType type, int x = 0, int y = 0, int key = 0, uint8_t ch = 0,
              unsigned shift = 0) {
        PlatformEvent e;
        e.Type = type;
        e.X = x, e.Y = y, e.Key = key, e.Char = ch, e.Shift = shift;
        if (type == EventType::MouseMove || type == EventType::MouseDown) host.Pointer = {x, y};
        host.Push(e);
    }
    void Click(int x, int y) {
        Push(EventType::MouseMove, x, y);
        Push(EventType::MouseDown, x, y);
        Push(EventType::MouseUp, x, y);
        Frames(2);
    }
    void ClickObject(const std::string& name) {
        const TVexInterfaceObject* o = form.Interface().FindInterfaceObject(name);
        ASSERT_NE(o, nullptr) << name;
        Click(o->OriginLeft + o->Width / 2, o->OriginTop + o->Height / 2);
    }
    // A click on the list's row (from 0 as shown).
    void ClickRow(const std::string& grid, int row) {
        const auto* g = dynamic_cast<const TVexGrid*>(form.Interface().FindInterfaceObject(grid));
        ASSERT_NE(g, nullptr) << grid;
        Click(g->OriginLeft + 30, g->OriginTop + row * g->RowHeight + g->RowHeight / 2);
    }
    // Clears the name field and types the name, as a player does.
    void Type(const std::string& edit, const std::string& text) {
        ClickObject(edit);
        for (int i = 0; i < 30; ++i)
            Push(EventType::KeyDown, 0, 0, vk::Back);
        for (char ch : text)
            Push(EventType::Char, 0, 0, 0, static_cast<uint8_t>(ch));
        Frames(1);
    }
    void DeveloperFinish() {
        Push(EventType::KeyDown, 0, 0, vk::F1, 0, shiftstate::Ctrl);
        Push(EventType::KeyUp, 0, 0, vk::F1, 0, shiftstate::Ctrl);
        Frames(150); // the map pans to the top and the finish dialog opens
    }
    // From the title or a between-level menu into the next level, finished at once, then OK.
    void PlayALevel(int experience) {
        Frames(150);
        form.Game().Level.ExperiencePoints = experience;
        DeveloperFinish();
        ASSERT_EQ(TopWindow(), "WFinishLevelDialog");
        ClickObject("BOkWFinishLevelDialog");
    }
    std::string TopWindow() {
        const TVexForm* top = form.Interface().TopWindow();
        return top ? top->Name : std::string();
    }
    std::string Caption(const std::string& name) {
        const auto* label =
            dynamic_cast<const TVexLabel*>(form.Interface().FindInterfaceObject(name));
        return label ? label->Caption : std::string("(none)");
    }
    std::vector<std::string> Rows(const std::string& grid) {
        const auto* g = dynamic_cast<const TVexGrid*>(form.Interface().FindInterfaceObject(grid));
        std::vector<std::string> rows;
        for (const TVexGridCell& c : g->CellArray)
            rows.push_back(c.Text);
        return rows;
    }
    TProgression& Values() { return form.Session()->Flow().Values; }

    HeadlessClock clock{100000};
    HeadlessDisplay display;
    HeadlessAudio audio;
    HeadlessHost host;
    Platform platform;
    TMainForm form;
    TGameLoop loop;
};

class SavedGames : public ::testing::Test {
  protected:
    SavedGames() {
        std::filesystem::create_directory(dir + "saves");
        std::ofstream(dir + "options.cfg") << "[Options]\nDebugMode=527\n";
        run = std::make_unique<TGameRun>(dir);
    }
    TProgression FileValues(const std::string& file) {
        TProgression v;
        EXPECT_TRUE(SavedGame::Load(dir + "saves/" + file, v)) << file;
        return v;
    }

    TestGameFolder folder;
    std::string dir = folder.WithContent().Path();
    std::unique_ptr<TGameRun> run;
};

TEST_F(SavedGames, SavedUnderANameReplacedAfterAskingLoadedInANewRunAndDeleted) {
    TGameRun& g = *run;
    g.ClickObject("BNewWTitle");
    g.ClickObject("BPlayWStartDialog");
    g.PlayALevel(300);
    ASSERT_EQ(g.TopWindow(), "WBetweenLevelMenu");
    // The automatic save: the next level, no points given yet.
    TProgression autosave = FileValues("autosave.sav");
    EXPECT_EQ(autosave.CurrentLevel, 1);
    EXPECT_EQ(autosave.ExperiencePool, 3);
    EXPECT_EQ(autosave.TotalHammerNum, 8);

    g.ClickObject("BLeftLiveWBetweenLevelMenu");
    g.ClickObject("BLeftLiveWBetweenLevelMenu");
    g.ClickObject("BSaveWBetweenLevelMenu");
    ASSERT_EQ(g.TopWindow(), "WSave");
    EXPECT_EQ(g.Rows("GridWSave"), std::vector<std::string>{"autosave"});
    EXPECT_EQ(g.Caption("EditWSave"), "autosave");

    // A name the filter leaves empty writes nothing and keeps the window.
    g.Type("EditWSave", "...");
    g.ClickObject("BSaveWSave");
    EXPECT_EQ(g.TopWindow(), "WSave");
    EXPECT_FALSE(FileExists(dir + "saves/.sav"));

    g.Type("EditWSave", "Mira's walk");
    g.ClickObject("BSaveWSave");
    EXPECT_EQ(g.TopWindow(), "WBetweenLevelMenu");
    TProgression saved = FileValues("Mira's walk.sav");
    EXPECT_EQ(saved.ExperiencePool, 3); // pool 1 and two points on Live
    EXPECT_EQ(saved.PlusLife, 2);

    // The same name, and one that files under the same name, ask before replacing.
    for (const char* name : {"Mira's walk", "Mira's. walk:"}) {
        g.ClickObject("BSaveWBetweenLevelMenu");
        g.Type("EditWSave", name);
        g.ClickObject("BSaveWSave");
        EXPECT_EQ(g.TopWindow(), "WReplaceGameDialog") << name;
        g.ClickObject("BCancelWReplaceGameDialog");
        EXPECT_EQ(g.TopWindow(), "WSave") << name;
        g.ClickObject("BCancelWSave");
    }
    g.ClickObject("BRightLiveWBetweenLevelMenu");
    g.ClickObject("BSaveWBetweenLevelMenu");
    g.ClickRow("GridWSave", 0);
    ASSERT_EQ(g.Caption("EditWSave"), "Mira's walk");
    g.ClickObject("BSaveWSave");
    g.ClickObject("BOkWReplaceGameDialog");
    EXPECT_EQ(g.TopWindow(), "WBetweenLevelMenu");
    EXPECT_EQ(FileValues("Mira's walk.sav").PlusLife, 1);

    // A new run loads it from the title into the between-level menu, every point back in
    // the pool.
    run.reset();
    run = std::make_unique<TGameRun>(dir);
    TGameRun& h = *run;
    h.ClickObject("BLoadWTitle");
    ASSERT_EQ(h.TopWindow(), "WLoad");
    EXPECT_EQ(h.Rows("GridWLoad"), (std::vector<std::string>{"Mira's walk", "autosave"}));
    h.ClickRow("GridWLoad", 0);
    h.ClickObject("BLoadWLoad");
    EXPECT_EQ(h.TopWindow(), "WBetweenLevelMenu");
    EXPECT_EQ(h.form.Game().GameState, gsBetweenLevels);
    EXPECT_EQ(h.Values().CurrentLevel, 1);
    EXPECT_EQ(h.Values().ExperiencePool, 3);
    EXPECT_EQ(h.Values().PlusLife, 0);
    EXPECT_EQ(h.Caption("LLevelNumWBetweenLevelMenu"), "2");
    EXPECT_EQ(h.Caption("LExperienceCountWBetweenLevelMenu"), "3");
    EXPECT_EQ(h.Caption("LHammerCountWBetweenLevelMenu"), "8");
    h.ClickObject("BNextLevelWBetweenLevelMenu");
    EXPECT_EQ(h.TopWindow(), "WGame");
    EXPECT_EQ(h.form.CurrentLevel(), 1);

    // Deleting asks first, then the lists forget the game.
    h.form.Interface().ChangeModal("WTitle");
    h.ClickObject("BLoadWTitle");
    h.ClickRow("GridWLoad", 0);
    h.ClickObject("BDeleteWLoad");
    ASSERT_EQ(h.TopWindow(), "WDeleteGameDialog");
    EXPECT_EQ(h.Caption("LNameWDeleteGameDialog"), "Mira's walk");
    h.ClickObject("BOkWDeleteGameDialog");
    EXPECT_EQ(h.TopWindow(), "WLoad");
    EXPECT_FALSE(FileExists(dir + "saves/Mira's walk.sav"));
    EXPECT_EQ(h.Rows("GridWLoad"), std::vector<std::string>{"autosave"});
    EXPECT_EQ(h.Caption("EditWLoad"), "autosave");
}

TEST_F(SavedGames, AFinishedGameEntersTheHighScoresWhichOutliveTheRunAndCanBeCleared) {
    TGameRun& g = *run;
    g.ClickObject("BNewWTitle");
    g.ClickObject("BPlayWStartDialog");
    const int levels = g.form.Session()->Levels().Count();
    for (int level = 0; level < levels; ++level) {
        g.PlayALevel(0);
        if (level < levels - 1) g.ClickObject("BNextLevelWBetweenLevelMenu");
    }
    ASSERT_EQ(g.TopWindow(), "WGameFinishedDialog");
    EXPECT_EQ(g.Caption("EditWGameFinishedDialogue"), "Player"); // the name options.cfg offers
    g.Type("EditWGameFinishedDialogue", "Ro\"wan");
    g.ClickObject("BOkWGameFinishedDialog");
    EXPECT_EQ(g.TopWindow(), "WHighScores");
    EXPECT_EQ(g.form.Game().GameState, gsTitle);
    const int score = g.Values().TotalScore;
    EXPECT_GT(score, 0);
    const std::vector<std::string> rows = {"#",  "Name",  "Score",
                                           "1.", "Rowan", std::to_string(score)};
    EXPECT_EQ(g.Rows("GridWHighScores"), rows);

    run.reset();
    run = std::make_unique<TGameRun>(dir);
    TGameRun& h = *run;
    EXPECT_EQ(h.form.Settings.PlayerName, "Rowan");
    h.ClickObject("BScoresWTitle");
    ASSERT_EQ(h.TopWindow(), "WHighScores");
    EXPECT_EQ(h.Rows("GridWHighScores"), rows);
    h.ClickObject("BClearWHighScores");
    h.ClickObject("BOkWClearDialog");
    EXPECT_EQ(h.TopWindow(), "WHighScores");
    EXPECT_FALSE(FileExists(dir + "HighScores.dat"));
    EXPECT_EQ(h.Rows("GridWHighScores"),
              (std::vector<std::string>{"#", "Name", "Score", "", "", ""}));
}

} // namespace
