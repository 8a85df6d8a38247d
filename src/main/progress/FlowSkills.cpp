#include "main/progress/GameFlow.h"

namespace {

struct TSkillLabels {
    const char* Name;
    const char* Pending;
    const char* Caption;
};

constexpr TSkillLabels SkillLabels[TGameFlow::SkillCount] = {
    {"Live", "LLiveExpWBetweenLevelMenu", "VexLabel203203"},
    {"DropAccel", "LDropAccelExpWBetweenLevelMenu", "VexLabel204204"},
    {"LuckyTwig", "LLuckyTwigExpWBetweenLevelMenu", "VexLabel205205"},
    {"Amphora", "LAmphoraExpWBetweenLevelMenu", "VexLabel206206"},
    {"Hammer", "LHammerExpWBetweenLevelMenu", "VexLabel207207"},
};

} // namespace

const char* TGameFlow::SkillName(TSkill skill) {
    return SkillLabels[skill].Name;
}

int& TGameFlow::Pending(TSkill skill) {
    TProgression& v = Values;
    switch (skill) {
    case skLive:
        return v.PlusLife;
    case skDropAccel:
        return v.PlusOtb;
    case skLuckyTwig:
        return v.PlusLuck;
    case skAmphora:
        return v.PlusCap;
    case skHammer:
        break;
    }
    return v.PlusHammer;
}

void TGameFlow::RefreshPending(TSkill skill) {
    Caption(SkillLabels[skill].Pending, Pending(skill));
    int32_t colour = Pending(skill) != 0 ? Yellow : Grey;
    widgets_.SetColor(SkillLabels[skill].Pending, colour);
    widgets_.SetColor(SkillLabels[skill].Caption, colour);
}

void TGameFlow::RefreshPendingColours() {
    for (int i = 0; i < SkillCount; ++i)
        RefreshPending(static_cast<TSkill>(i));
}

void TGameFlow::RefreshSkillCounts() {
    Caption("LLiveCountWBetweenLevelMenu", Values.SkillLife);
    Caption("LDropAccelCountWBetweenLevelMenu", Values.SkillOtb);
    Caption("LLuckyTwigCountWBetweenLevelMenu", Values.SkillLuck);
}

void TGameFlow::SkillLeft(TSkill skill) {
    if (Values.ExperiencePool <= 0) return;
    --Values.ExperiencePool;
    ++Pending(skill);
    Caption("LExperienceCountWBetweenLevelMenu", Values.ExperiencePool);
    RefreshPending(skill);
}

void TGameFlow::SkillRight(TSkill skill) {
    if (Pending(skill) <= 0) return;
    ++Values.ExperiencePool;
    --Pending(skill);
    Caption("LExperienceCountWBetweenLevelMenu", Values.ExperiencePool);
    RefreshPending(skill);
}

void TGameFlow::RefreshBetweenLevelLabels() {
    Caption("LLevelNumWBetweenLevelMenu", Values.CurrentLevel + 1);
    Caption("LScoreCountWBetweenLevelMenu", Values.TotalScore);
    Caption("LHammerCountWBetweenLevelMenu", game_.HammerCount);
    Caption("LClipperCountWBetweenLevelMenu", game_.ClipperCount);
    Caption("LExperienceCountWBetweenLevelMenu", Values.ExperiencePool);
    RefreshPendingColours();
    RefreshSkillCounts();
}
