#include <algorithm>

#include "main/progress/GameFlow.h"

void TGameFlow::ShowLevelPage(int level) {
    widgets_.SetVisible("TLevel" + std::to_string(level) + "WBetweenLevelMenu", true);
}

void TGameFlow::ShowHeroPicture(int level) {
    if (level < 0 || level >= static_cast<int>(levels_.HeroPictures.size())) return;
    const std::string& image = levels_.HeroPictures[level];
    TPoint size = host_.LoadLevelImage(image);
    if (size.X > 0 && size.Y > 0) widgets_.ShowPicture("LLevelHeroWBetweenLevelMenu", image, size);
}

// After the last level the tools left are worth points: 10 a hammer, 20 a clipper.
void TGameFlow::FinalScore() {
    TProgression& v = Values;
    game_.GameState = gsBetweenLevels;
    host_.RebuildBackground();
    v.TotalHammerNum = game_.HammerCount;
    v.TotalCapNum = game_.ClipperCount;
    v.TotalScore += game_.Level.LevelScore;
    Caption("LYourScoreCountWGameFinishedDialog", v.TotalScore);
    int h = game_.HammerCount, c = game_.ClipperCount;
    widgets_.SetCaption("LYourHammerCountWGameFinishedDialog",
                        std::to_string(h) + " ( +" + std::to_string(10 * h) + " )");
    widgets_.SetCaption("LYourCapsCountWGameFinishedDialog",
                        std::to_string(c) + " ( +" + std::to_string(20 * c) + " )");
    v.TotalScore += 10 * h + 20 * c;
    Caption("LTotalScoreCountWGameFinishedDialog", v.TotalScore);
    widgets_.SetCaption("EditWGameFinishedDialogue", host_.PlayerName());
    widgets_.SetFocused("EditWGameFinishedDialogue");
    widgets_.ShowModal("WGameFinishedDialog");
}

void TGameFlow::BackToTitle() {
    game_.GameState = gsTitle;
    host_.RebuildBackground();
}

void TGameFlow::BOkWFinishLevelDialogMouseUp() {
    TProgression& v = Values;
    widgets_.HideModal("WFinishLevelDialog");
    widgets_.ShowModal("WBetweenLevelMenu");
    if (v.CurrentLevel >= levels_.Count() - 1) {
        FinalScore();
        return;
    }
    v.CurrentLevel += 1;
    v.TotalHammerNum = game_.HammerCount;
    v.TotalCapNum = game_.ClipperCount;
    v.TotalScore += game_.Level.LevelScore;
    v.ExperiencePool = std::max(0, game_.Level.ExperiencePoints / 100);
    for (int i = 0; i < SkillCount; ++i)
        Pending(static_cast<TSkill>(i)) = 0;
    RefreshBetweenLevelLabels();
    ShowLevelPage(v.CurrentLevel);
    if (host_.SavesFolderExists()) host_.AutoSave();
    ShowHeroPicture(v.CurrentLevel);
    game_.GameState = gsBetweenLevels;
    host_.RebuildBackground();
    host_.PlayMusic(MenuMusic);
}

// The level is played again with the tools and skills the player had before it; the points
// given in the menu stay pending, so the next start adds them again.
void TGameFlow::LevelLost(bool abandoned) {
    TProgression& v = Values;
    game_.HammerCount = v.TotalHammerNum;
    game_.ClipperCount = v.TotalCapNum;
    v.ExperiencePool = 0;
    widgets_.SetCaption("LExperienceCountWBetweenLevelMenu", "0");
    v.SkillOtb -= v.PlusOtb;
    v.SkillLife -= v.PlusLife;
    v.SkillLuck -= v.PlusLuck;
    Caption("LLevelNumWBetweenLevelMenu", v.CurrentLevel + 1);
    Caption("LScoreCountWBetweenLevelMenu", v.TotalScore);
    Caption("LHammerCountWBetweenLevelMenu", game_.HammerCount);
    Caption("LClipperCountWBetweenLevelMenu", game_.ClipperCount);
    if (v.CurrentLevel == 0) {
        // Back at the title, the game no longer runs behind it.
        widgets_.ChangeModal("WTitle");
        game_.GameState = gsTitle;
        host_.RebuildBackground();
        if (abandoned) host_.PlayMusic(MenuMusic);
        return;
    }
    RefreshPendingColours();
    RefreshSkillCounts();
    widgets_.ChangeModal("WBetweenLevelMenu");
    game_.GameState = gsBetweenLevels;
    host_.PlayMusic(MenuMusic);
}
