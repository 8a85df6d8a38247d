#include "FlowFixture.h"
#include "interface/VexMethodTable.h"
#include "main/rules/PlayInput.h"

TEST_F(FlowTest, HammerKitThenPlayStartsTheFirstLevelWithEightHammers) {
    widgets.Log.clear();
    flow.BPlayWStartDialogMouseUp(100);
    EXPECT_EQ(game.HammerCount, 8);
    EXPECT_EQ(game.ClipperCount, 3);
    EXPECT_EQ(flow.Values.TotalScore, 0);
    EXPECT_EQ(game.GameState, gsPlaying);
    EXPECT_EQ(flowHost.Log.front(), "stop audio");
    EXPECT_TRUE(flowHost.Has("load l1"));
    EXPECT_EQ(widgets.Log, (std::vector<std::string>{"radio RHammerWStartDialog",
                                                     "show WProgressBar", "hide WProgressBar"}));
    EXPECT_EQ(widgets.Captions["LLevelNumWGame"], "1");
    EXPECT_EQ(widgets.Captions["LScoreCountWGame"], "0");
    EXPECT_EQ(widgets.Captions["LHammerCountWGame"], "8");
    EXPECT_EQ(widgets.Captions["LClipperCountWGame"], "3");
    // The map comes in from 1000 pixels off and heads for the open end.
    EXPECT_EQ(game.MapScroll, game.Level.MapBottom - 1000);
    EXPECT_NE(game.ScrollTarget, game.MapScroll);
}

TEST_F(FlowTest, TheScoreKitShows200AtTheFirstLevel) {
    flow.RScoreWStartDialogMouseUp();
    EXPECT_EQ(flow.Values.TotalScore, 200);
    flow.BPlayWStartDialogMouseUp(0);
    EXPECT_EQ(game.Level.LevelScore, 0);
    EXPECT_EQ(widgets.Captions["LScoreCountWGame"], "200");
    EXPECT_EQ(game.ScoreAtLevelStart, 200);
    EXPECT_EQ(game.HammerCount, 3);
    EXPECT_EQ(game.ClipperCount, 3);
    flow.RClipperWStartDialogMouseUp();
    EXPECT_EQ(game.ClipperCount, 8);
    EXPECT_EQ(flow.Values.TotalCapNum, 8);
}

TEST_F(FlowTest, DifficultyButtonsSetOneModeAtMost) {
    flow.RHardWStartDialogMouseUp();
    EXPECT_EQ(game.Mode, pmHard);
    EXPECT_TRUE(flow.Values.Hard);
    flow.REasyWStartDialogMouseUp();
    EXPECT_TRUE(flow.Values.Easy);
    EXPECT_FALSE(flow.Values.Hard);
    flow.RNoLoseWStartDialogMouseUp();
    EXPECT_EQ(game.Mode, pmNoLose);
    EXPECT_FALSE(flow.Values.Easy);
    flow.BNewWTitleMouseUp();
    EXPECT_EQ(game.Mode, pmNormal);
    EXPECT_FALSE(flow.Values.NoLose || flow.Values.Easy || flow.Values.Hard);
    EXPECT_TRUE(widgets.Has("radio RNormalWStartDialog"));
}

TEST_F(FlowTest, CombinationCounterShowsTheFirstWantedOne) {
    flowHost.OnLoad = [this] { game.Level.CombSequence = {2, 0, 1, 3}; };
    flow.BPlayWStartDialogMouseUp(0);
    EXPECT_EQ(widgets.Captions["LCombCountWGame"], "1 / 4");
    EXPECT_TRUE(widgets.Visible["LCombCountWGame"]);
    EXPECT_FALSE(widgets.Visible["LCombDoneWGame"]);
    // A level without combinations shows no counter.
    flowHost.OnLoad = nullptr;
    flow.BPlayWStartDialogMouseUp(0);
    EXPECT_FALSE(widgets.Visible["LCombCountWGame"]);
}

TEST_F(FlowTest, AFinishedLevelTurnsExperienceIntoPointsForTheMenu) {
    flow.BPlayWStartDialogMouseUp(0);
    widgets.Log.clear();
    flow.Values.PlusLife = 1; // leftovers of an earlier menu are cleared
    FinishLevel(350, 1234);
    const TProgression& v = flow.Values;
    EXPECT_EQ(v.ExperiencePool, 12);
    EXPECT_EQ(widgets.Captions["LExperienceCountWBetweenLevelMenu"], "12");
    EXPECT_EQ(v.CurrentLevel, 1);
    EXPECT_EQ(v.TotalScore, 350);
    EXPECT_EQ(v.TotalHammerNum, 8);
    EXPECT_EQ(v.PlusLife, 0);
    EXPECT_EQ(widgets.Captions["LLiveExpWBetweenLevelMenu"], "0");
    EXPECT_EQ(widgets.Colours["LLiveExpWBetweenLevelMenu"], TGameFlow::Grey);
    EXPECT_EQ(widgets.Captions["LLevelNumWBetweenLevelMenu"], "2");
    EXPECT_EQ(widgets.Captions["LScoreCountWBetweenLevelMenu"], "350");
    EXPECT_TRUE(widgets.Visible["TLevel1WBetweenLevelMenu"]);
    EXPECT_EQ(widgets.Log,
              (std::vector<std::string>{"hide WFinishLevelDialog", "show WBetweenLevelMenu",
                                        "picture LLevelHeroWBetweenLevelMenu hero2.png 120x90"}));
    EXPECT_TRUE(flowHost.Has("save saves/autosave.sav"));
    EXPECT_EQ(flowHost.Log.back(), "music In the lost forest2.mo3");
    EXPECT_EQ(game.GameState, gsBetweenLevels);
}

TEST_F(FlowTest, NoAutosaveWithoutTheSavesFolder) {
    flowHost.SavesFolder = false;
    flow.BPlayWStartDialogMouseUp(0);
    FinishLevel(0, 0);
    EXPECT_FALSE(flowHost.Has("save saves/autosave.sav"));
    EXPECT_EQ(flow.Values.ExperiencePool, 0);
}

TEST_F(FlowTest, SkillButtonsMovePointsBetweenThePoolAndASkill) {
    flow.Values.ExperiencePool = 1;
    flow.SkillLeft(skDropAccel);
    EXPECT_EQ(flow.Values.ExperiencePool, 0);
    EXPECT_EQ(flow.Values.PlusOtb, 1);
    EXPECT_EQ(widgets.Captions["LDropAccelExpWBetweenLevelMenu"], "1");
    EXPECT_EQ(widgets.Colours["LDropAccelExpWBetweenLevelMenu"], TGameFlow::Yellow);
    EXPECT_EQ(widgets.Colours["VexLabel204204"], TGameFlow::Yellow);
    flow.SkillLeft(skHammer); // the pool is empty
    EXPECT_EQ(flow.Values.PlusHammer, 0);
    flow.SkillRight(skDropAccel);
    flow.SkillRight(skDropAccel); // nothing left to give back
    EXPECT_EQ(flow.Values.ExperiencePool, 1);
    EXPECT_EQ(flow.Values.PlusOtb, 0);
    EXPECT_EQ(widgets.Captions["LExperienceCountWBetweenLevelMenu"], "1");
    EXPECT_EQ(widgets.Colours["VexLabel204204"], TGameFlow::Grey);
}

TEST_F(FlowTest, UnspentExperienceIsSharedOutAtTheNextStartWithoutLosingPoints) {
    flow.BPlayWStartDialogMouseUp(0);
    FinishLevel(0, 900); // 9 points
    flow.SkillLeft(skLive);
    flow.SkillLeft(skLive);
    ASSERT_EQ(flow.Values.ExperiencePool, 7);
    flow.BNextLevelWBetweenLevelMenuMouseUp(1000);
    const TProgression& v = flow.Values;
    EXPECT_EQ(v.ExperiencePool, 0);
    EXPECT_EQ((std::vector<int>{v.PlusLife, v.PlusOtb, v.PlusLuck, v.PlusCap, v.PlusHammer}),
              (std::vector<int>{4, 2, 1, 1, 1}));
    // The level was loaded with what was given by hand; the shared points count from now.
    EXPECT_EQ(flowHost.LoadedSkills.back().Live, 2);
    EXPECT_EQ(flowHost.LoadedSkills.back().DropAccel, 0);
    EXPECT_EQ(v.SkillLife, 4);
    EXPECT_EQ(v.SkillOtb, 2);
    EXPECT_EQ(v.SkillLuck, 1);
    EXPECT_EQ(game.ClipperCount, 4);
    EXPECT_EQ(game.HammerCount, 9);
    EXPECT_EQ(v.TotalHammerNum, 8);
    EXPECT_TRUE(flowHost.Has("load l2"));
    EXPECT_EQ(widgets.Log.back(), "change WGame");
    EXPECT_EQ(game.GameState, gsPlaying);
}

TEST_F(FlowTest, LosingLevelThreeGivesBackTheToolsButKeepsTheBoughtPointsPending) {
    flow.BPlayWStartDialogMouseUp(0);
    FinishLevel(100, 0);
    flow.BNextLevelWBetweenLevelMenuMouseUp(0);
    FinishLevel(100, 300);
    ASSERT_EQ(flow.Values.CurrentLevel, 2);
    flow.SkillLeft(skAmphora);
    flow.SkillLeft(skAmphora);
    flow.SkillLeft(skLive);
    flow.BNextLevelWBetweenLevelMenuMouseUp(0);
    EXPECT_EQ(game.ClipperCount, 5);
    EXPECT_EQ(flow.Values.SkillLife, 1);
    game.Level.LevelScore = 40; // lost with the level
    game.GameState = gsHalted;
    flow.BOkWGameOverDialogMouseUp();
    EXPECT_EQ(game.ClipperCount, 3);
    EXPECT_EQ(flow.Values.SkillLife, 0);
    EXPECT_EQ(flow.Values.PlusCap, 2);
    EXPECT_EQ(widgets.Captions["LAmphoraExpWBetweenLevelMenu"], "2");
    EXPECT_EQ(widgets.Colours["LAmphoraExpWBetweenLevelMenu"], TGameFlow::Yellow);
    EXPECT_EQ(widgets.Captions["LClipperCountWBetweenLevelMenu"], "3");
    EXPECT_EQ(widgets.Captions["LScoreCountWBetweenLevelMenu"], "200");
    EXPECT_EQ(widgets.Log.back(), "change WBetweenLevelMenu");
    EXPECT_EQ(game.GameState, gsBetweenLevels);
    // The same level again, with the points added once more.
    flow.BNextLevelWBetweenLevelMenuMouseUp(0);
    EXPECT_EQ(flowHost.Log.back(), "load l3");
    EXPECT_EQ(game.ClipperCount, 5);
    EXPECT_EQ(flow.Values.SkillLife, 1);
}

TEST_F(FlowTest, LosingTheFirstLevelReturnsToTheTitle) {
    flow.BPlayWStartDialogMouseUp(0);
    game.HammerCount = 1;
    game.GameState = gsHalted;
    flowHost.Log.clear();
    flow.BOkWGameOverDialogMouseUp();
    EXPECT_EQ(widgets.Log.back(), "change WTitle");
    EXPECT_EQ(game.GameState, gsTitle);
    EXPECT_EQ(game.HammerCount, 8);
    EXPECT_FALSE(flowHost.Has("music In the lost forest2.mo3"));
    // Abandoning from the menu also brings the title music back.
    flow.BPlayWStartDialogMouseUp(0);
    flow.BOkWAbortLivelDialogMouseUp();
    EXPECT_EQ(widgets.Log.back(), "change WTitle");
    EXPECT_EQ(flowHost.Log.back(), "music In the lost forest2.mo3");
}

TEST_F(FlowTest, TheLastLevelEndsWithTheFinalScore) {
    widgets.Log.clear();
    flow.Values.CurrentLevel = 3;
    flow.Values.TotalScore = 4900;
    game.HammerCount = 4;
    game.ClipperCount = 2;
    FinishLevel(100, 500);
    EXPECT_EQ(flow.Values.TotalScore, 5080);
    EXPECT_EQ(widgets.Captions["LYourScoreCountWGameFinishedDialog"], "5000");
    EXPECT_EQ(widgets.Captions["LYourHammerCountWGameFinishedDialog"], "4 ( +40 )");
    EXPECT_EQ(widgets.Captions["LYourCapsCountWGameFinishedDialog"], "2 ( +40 )");
    EXPECT_EQ(widgets.Captions["LTotalScoreCountWGameFinishedDialog"], "5080");
    EXPECT_EQ(widgets.Log, (std::vector<std::string>{
                               "hide WFinishLevelDialog", "show WBetweenLevelMenu",
                               "focus EditWGameFinishedDialogue", "show WGameFinishedDialog"}));
    EXPECT_EQ(flow.Values.CurrentLevel, 3);
    EXPECT_EQ(flow.Values.ExperiencePool, 0);
    EXPECT_EQ(game.GameState, gsBetweenLevels);
    EXPECT_FALSE(flowHost.Has("save saves/autosave.sav"));
}

TEST_F(FlowTest, ANewGameStartsWithTheChosenKitNotWithWhatTheLastGameLeft) {
    flow.RClipperWStartDialogMouseUp();
    flow.BPlayWStartDialogMouseUp(0);
    // The last game ends with tools spent and a final score.
    game.HammerCount = 0;
    game.ClipperCount = 1;
    flow.Values.TotalScore = 5080;
    widgets.Log.clear();
    flow.BNewWTitleMouseUp();
    // The start dialog shows the kit that will be dealt.
    EXPECT_TRUE(widgets.Has("radio RClipperWStartDialog"));
    flow.BPlayWStartDialogMouseUp(0);
    EXPECT_EQ(game.HammerCount, 3);
    EXPECT_EQ(game.ClipperCount, 8);
    EXPECT_EQ(flow.Values.TotalScore, 0);
    EXPECT_EQ(widgets.Captions["LScoreCountWGame"], "0");
    EXPECT_EQ(flow.Values.TotalCapNum, 8);
}

TEST_F(FlowTest, ANewGameStartsWithoutTheSkillsOfTheLastOne) {
    flow.Values.SkillLife = 3;
    flow.Values.PlusCap = 2;
    flow.Values.ExperiencePool = 4;
    flow.BPlayWStartDialogMouseUp(0);
    EXPECT_EQ(flowHost.LoadedSkills.back().Live, 0);
    EXPECT_EQ(flow.Values.SkillLife, 0);
    EXPECT_EQ(flow.Values.PlusCap, 0);
    EXPECT_EQ(flow.Values.ExperiencePool, 0);
}

TEST_F(FlowTest, AMissingLevelFileLeadsBackToAMenu) {
    flowHost.LevelFiles = {"l2"};
    flow.BPlayWStartDialogMouseUp(0);
    EXPECT_TRUE(flowHost.Has("log Level not found: \"l1\""));
    EXPECT_EQ(widgets.Log.back(), "change WTitle");
    EXPECT_EQ(game.GameState, gsTitle);
    // Between levels the menu stays; an index past the list starts over at the first level.
    widgets.Log.clear();
    flow.Values.CurrentLevel = 7;
    game.GameState = gsBetweenLevels;
    flow.BNextLevelWBetweenLevelMenuMouseUp(0);
    EXPECT_TRUE(flowHost.Has("load l1"));
    EXPECT_FALSE(widgets.Has("change WGame"));
    EXPECT_EQ(flow.Values.CurrentLevel, 0);
    EXPECT_EQ(game.GameState, gsBetweenLevels);
}

TEST_F(FlowTest, ADemoPlaysTheLevelItWasRecordedOn) {
    game.DemoPlaying = true;
    flow.BNextLevelWBetweenLevelMenuMouseUp(0);
    EXPECT_TRUE(flowHost.Has("load l3"));
}

TEST_F(FlowTest, AMenuLeftOpenDoesNotStretchTheNextLevelsSkills) {
    flow.BPlayWStartDialogMouseUp(0);
    game.PauseSkillTimers(1000); // the in-game menu, then abandon
    flow.BOkWAbortLivelDialogMouseUp();
    flow.BPlayWStartDialogMouseUp(5000);
    game.LiveUntil = 9000;
    game.PauseSkillTimers(6000);
    game.ResumeSkillTimers(7000);
    EXPECT_EQ(game.LiveUntil, 10000u);
}

TEST_F(FlowTest, EveryHandlerIsPublishedByName) {
    TVexMethodTable table;
    flow.RegisterHandlers(table);
    for (const char* name : {"RHammerWStartDialogMouseUp",
                             "RClipperWStartDialogMouseUp",
                             "RScoreWStartDialogMouseUp",
                             "RNoLoseWStartDialogMouseUp",
                             "RNormalWStartDialogMouseUp",
                             "RHardWStartDialogMouseUp",
                             "REasyWStartDialogMouseUp",
                             "BPlayWStartDialogMouseUp",
                             "BNewWTitleMouseUp",
                             "BOkWFinishLevelDialogMouseUp",
                             "BNextLevelWBetweenLevelMenuMouseUp",
                             "BMainMenuWBetweenLevelMenuMouseUp",
                             "BOkWAbortLivelDialogMouseUp",
                             "BOkWGameOverDialogMouseUp",
                             "BOkWQuitGameDialogMouseUp",
                             "BQuitWTitleMouseUp",
                             "BLeftLiveWBetweenLevelMenuMouseUp",
                             "BRightHammerWBetweenLevelMenuMouseUp",
                             "BLeftLuckyTwigWBetweenLevelMenuMouseUp",
                             "BRightAmphoraWBetweenLevelMenuMouseUp",
                             "BLeftDropAccelWBetweenLevelMenuMouseUp"})
        EXPECT_TRUE(table.HasMethod(name)) << name;
    flow.Values.ExperiencePool = 1;
    EXPECT_TRUE(table.CallMethod("bleftluckytwigwbetweenlevelmenumouseup"));
    EXPECT_EQ(flow.Values.PlusLuck, 1);
    EXPECT_TRUE(table.CallMethod("BQuitWTitleMouseUp"));
    EXPECT_EQ(flowHost.Log, (std::vector<std::string>{"settings", "close"}));
    game.Level.LevelScore = 30;
    table.CallMethod("BMainMenuWBetweenLevelMenuMouseUp");
    EXPECT_EQ(game.Level.LevelScore, 0);
}

// Keys and mouse through a level, its finish, the between-level menu and the next level.
TEST_F(FlowTest, ALevelIsPlayedFinishedAndTheNextOneStarted) {
    TQuietInputHost inputHost;
    TPlayInput input{game, inputHost};
    flowHost.OnLoad = [this] {
        game.Level.MapTop = TSyntheticGeometry::BoardY;
        game.Level.MapBottom = TSyntheticGeometry::BoardY + 40 * TSyntheticGeometry::Rows;
        LevelPiece(TSyntheticGeometry::Frag(4, 0), Top);
        game.Level.TypeQueue = {static_cast<int32_t>(TypeOf("3"))};
    };
    flow.BPlayWStartDialogMouseUp(0);
    input.FormKeyDown(vk::Space, 0, 100);
    ASSERT_GE(game.HeldPiece, 0);
    game.MapScroll = game.ScrollTarget; // the map has come into view
    TPoint at = ScreenOf(TSyntheticGeometry::Frag(3, 0));
    input.FormMouseMove(at.X + 20, at.Y + 20, 200);
    EXPECT_TRUE(game.HeldFits);
    input.FormMouseDown(ibLeft, at.X + 20, at.Y + 20, 300);
    ASSERT_TRUE(game.LevelFinished);
    EXPECT_TRUE(host.Has("window WFinishLevelDialog"));
    game.Level.LevelScore = 75;
    flow.BOkWFinishLevelDialogMouseUp();
    EXPECT_EQ(flow.Values.TotalScore, 75);
    EXPECT_EQ(game.GameState, gsBetweenLevels);
    flow.BNextLevelWBetweenLevelMenuMouseUp(1000);
    EXPECT_TRUE(flowHost.Has("load l2"));
    EXPECT_FALSE(game.LevelFinished);
    EXPECT_EQ(game.GameState, gsPlaying);
    EXPECT_EQ(widgets.Captions["LLevelNumWGame"], "2");
    EXPECT_EQ(widgets.Captions["LScoreCountWGame"], "75");
}
