#include "main/progress/GameFlow.h"

void TGameFlow::StartingKit(const TStartingKit& kit) {
    kit_ = kit;
    widgets_.SelectRadio(kit.Radio);
    game_.HammerCount = kit.Hammers;
    game_.ClipperCount = kit.Clippers;
    game_.Level.LevelScore = kit.Score;
    RefreshGameLabels();
    Values.TotalHammerNum = game_.HammerCount;
    Values.TotalCapNum = game_.ClipperCount;
    // The score kit's points become the starting total.
    Values.TotalScore = game_.Level.LevelScore;
}

void TGameFlow::SetDifficulty(TPlayMode mode) {
    Values.NoLose = mode == pmNoLose;
    Values.Easy = mode == pmEasy;
    Values.Hard = mode == pmHard;
    game_.Mode = mode;
}

void TGameFlow::BNewWTitleMouseUp() {
    SetDifficulty(pmNormal);
    widgets_.SelectRadio("RNormalWStartDialog");
    widgets_.SelectRadio(kit_.Radio);
}

void TGameFlow::RefreshGameLabels() {
    game_.ScoreAtLevelStart = Values.TotalScore;
    Caption("LLevelNumWGame", Values.CurrentLevel + 1);
    Caption("LScoreCountWGame", Values.TotalScore + game_.Level.LevelScore);
    Caption("LHammerCountWGame", game_.HammerCount);
    Caption("LClipperCountWGame", game_.ClipperCount);
}

TLevelSkills TGameFlow::LoaderSkills() const {
    const TProgression& v = Values;
    return {v.SkillLife + v.PlusLife, v.SkillOtb + v.PlusOtb, v.SkillLuck + v.PlusLuck};
}

// Loads under the loading window. A level the archive does not hold leaves nothing to play:
// the caller goes back to a menu.
bool TGameFlow::LoadCurrentLevel(uint32_t now, const std::string& fileName) {
    widgets_.ShowModal("WProgressBar");
    bool loaded = !fileName.empty() && host_.LoadLevel(fileName, LoaderSkills(), now);
    widgets_.HideModal("WProgressBar");
    if (!loaded) host_.DebugLog("Level not found: \"" + fileName + "\"");
    return loaded;
}

// The map comes into view from 1000 pixels off and stops at the highest open end.
void TGameFlow::ShowCombinationCount() {
    const TLevel& L = game_.Level;
    int total = static_cast<int>(L.CombSequence.size());
    widgets_.SetCaption("LCombCountWGame",
                        std::to_string(L.CombPos + 1) + " / " + std::to_string(total));
    // A level without combinations has nothing to count.
    widgets_.SetVisible("LCombCountWGame", total > 0);
    widgets_.SetVisible("LCombDoneWGame", false);
}

void TGameFlow::StartPlaying(uint32_t now) {
    // A menu left open at the end of the last level must not stretch this level's skills.
    game_.ResumeSkillTimers(now);
    game_.LiveUntil = 0;
    game_.DropAccelUntil = 0;
    game_.GameState = gsPlaying;
    host_.RebuildBackground();
    host_.ResolveSurfaces();
}

void TGameFlow::BPlayWStartDialogMouseUp(uint32_t now) {
    host_.StopAllAudio();
    // The tools and the score of the kit, whatever an earlier game left.
    StartingKit(kit_);
    game_.GameState = gsPlaying;
    game_.HeldPiece = -1;
    Values.CurrentLevel = 0;
    // A new game starts without the skills of an earlier one.
    TProgression& v = Values;
    v.ExperiencePool = v.PlusLife = v.PlusOtb = v.PlusLuck = v.PlusCap = v.PlusHammer = 0;
    v.SkillLife = v.SkillOtb = v.SkillLuck = 0;
    host_.ResetLevel(now);
    game_.NextFeedTime = now + game_.Level.FeedPeriod;
    std::string file = levels_.Count() > 0 ? levels_.FileNames[0] : std::string();
    if (!LoadCurrentLevel(now, file)) {
        game_.GameState = gsTitle;
        widgets_.ChangeModal("WTitle");
        host_.PlayMusic(MenuMusic);
        return;
    }
    RefreshGameLabels();
    game_.PlaceMap();
    ShowCombinationCount();
    StartPlaying(now);
}

void TGameFlow::SpendUnspentExperience() {
    int pool = Values.ExperiencePool;
    if (pool == 0) return;
    int share = pool / 5, rest = pool % 5;
    // Added to what the player gave by hand: no point is lost.
    for (int i = 0; i < SkillCount; ++i)
        Pending(static_cast<TSkill>(i)) += share + (i < rest ? 1 : 0);
    Values.ExperiencePool = 0;
}

void TGameFlow::BNextLevelWBetweenLevelMenuMouseUp(uint32_t now) {
    TProgression& v = Values;
    host_.ResetLevel(now);
    if (v.CurrentLevel < 0 || v.CurrentLevel >= levels_.Count()) v.CurrentLevel = 0;
    host_.StopAllAudio();
    std::string file = game_.DemoPlaying     ? host_.DemoLevelName()
                       : levels_.Count() > 0 ? levels_.FileNames[v.CurrentLevel]
                                             : std::string();
    if (!LoadCurrentLevel(now, file)) {
        host_.PlayMusic(MenuMusic);
        return; // the between-level menu stays
    }
    SpendUnspentExperience();
    v.TotalCapNum = game_.ClipperCount;
    v.TotalHammerNum = game_.HammerCount;
    game_.ClipperCount += v.PlusCap;
    game_.HammerCount += v.PlusHammer;
    v.SkillOtb += v.PlusOtb;
    v.SkillLife += v.PlusLife;
    v.SkillLuck += v.PlusLuck;
    game_.LevelFinished = false;
    RefreshGameLabels();
    game_.PlaceMap();
    ShowCombinationCount();
    StartPlaying(now);
    widgets_.ChangeModal("WGame");
}

void TGameFlow::Quit() {
    host_.WriteSettings();
    host_.CloseProgram();
}
