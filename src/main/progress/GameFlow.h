#pragma once
#include <cstdint>
#include <string>

#include "main/levels/LevelList.h"
#include "main/progress/FlowHost.h"
#include "main/progress/Progression.h"
#include "main/rules/Game.h"

// The five skills of the between-level menu.
enum TSkill { skLive, skDropAccel, skLuckyTwig, skAmphora, skHammer };

// A game from the start dialog through its levels, the between-level menu and the final
// score: the handlers of the dialogs that carry it, and the progression values they keep.
class TGameFlow {
  public:
    static constexpr int32_t Yellow = 0xFFFF;
    static constexpr int32_t Grey = 0x969696;
    static inline const std::string MenuMusic = "In the lost forest2.mo3";
    static constexpr int SkillCount = 5;

    TGameFlow(TGame& game, const TLevelList& levels, IFlowWidgets& widgets, IFlowHost& host)
        : game_(game), levels_(levels), widgets_(widgets), host_(host) {}

    TProgression Values;

    // --- the start dialog ------------------------------------------------------------------
    void RHammerWStartDialogMouseUp() { StartingKit({8, 3, 0, "RHammerWStartDialog"}); }
    void RClipperWStartDialogMouseUp() { StartingKit({3, 8, 0, "RClipperWStartDialog"}); }
    void RScoreWStartDialogMouseUp() { StartingKit({3, 3, 200, "RScoreWStartDialog"}); }
    void RNoLoseWStartDialogMouseUp() { SetDifficulty(pmNoLose); }
    void RNormalWStartDialogMouseUp() { SetDifficulty(pmNormal); }
    void RHardWStartDialogMouseUp() { SetDifficulty(pmHard); }
    void REasyWStartDialogMouseUp() { SetDifficulty(pmEasy); }
    void BPlayWStartDialogMouseUp(uint32_t now);
    // "New game" on the title: Normal, and the start dialog shows it.
    void BNewWTitleMouseUp();

    // --- levels ------------------------------------------------------------------------------
    void BOkWFinishLevelDialogMouseUp();
    void BNextLevelWBetweenLevelMenuMouseUp(uint32_t now);
    void BMainMenuWBetweenLevelMenuMouseUp() { game_.Level.LevelScore = 0; }
    void BOkWAbortLivelDialogMouseUp() { LevelLost(true); }
    void BOkWGameOverDialogMouseUp() { LevelLost(false); }
    void BOkWQuitGameDialogMouseUp() { Quit(); }
    void BQuitWTitleMouseUp() { Quit(); }
    // After the final score the title shows; no game runs behind it.
    void BackToTitle();

    // --- the skills --------------------------------------------------------------------------
    // Left: one point from the pool to the skill; Right: back to the pool.
    void SkillLeft(TSkill skill);
    void SkillRight(TSkill skill);
    int& Pending(TSkill skill);
    static const char* SkillName(TSkill skill);

    // --- shared with saved games and the demo ------------------------------------------------
    void SetDifficulty(TPlayMode mode);
    // Every label of the between-level menu from the values, with the pending colours.
    void RefreshBetweenLevelLabels();
    void RefreshGameLabels();
    void ShowLevelPage(int level);
    void ShowHeroPicture(int level);
    // The skills the level loader reads: count plus pending.
    TLevelSkills LoaderSkills() const;

    // Registers every published handler by name; the clock gives the time of the call.
    template <class TTable> void RegisterHandlers(TTable& table);

  private:
    struct TStartingKit {
        int Hammers = 8;
        int Clippers = 3;
        int Score = 0;
        const char* Radio = "RHammerWStartDialog";
    };
    void StartingKit(const TStartingKit& kit);
    bool LoadCurrentLevel(uint32_t now, const std::string& fileName);
    void ShowCombinationCount();
    void StartPlaying(uint32_t now);
    void SpendUnspentExperience();
    void FinalScore();
    void LevelLost(bool abandoned);
    void Quit();
    void RefreshPending(TSkill skill);
    void RefreshPendingColours();
    void RefreshSkillCounts();
    void Caption(const std::string& label, int value) {
        widgets_.SetCaption(label, std::to_string(value));
    }

    TGame& game_;
    const TLevelList& levels_;
    IFlowWidgets& widgets_;
    IFlowHost& host_;
    // The kit chosen in the start dialog; every new game starts with it, not with what the
    // last game left over.
    TStartingKit kit_;
};

template <class TTable> void TGameFlow::RegisterHandlers(TTable& table) {
    auto add = [&table](const std::string& name, auto method) {
        table.RegisterMethod(name, method);
    };
    add("RHammerWStartDialogMouseUp", [this] { RHammerWStartDialogMouseUp(); });
    add("RClipperWStartDialogMouseUp", [this] { RClipperWStartDialogMouseUp(); });
    add("RScoreWStartDialogMouseUp", [this] { RScoreWStartDialogMouseUp(); });
    add("RNoLoseWStartDialogMouseUp", [this] { RNoLoseWStartDialogMouseUp(); });
    add("RNormalWStartDialogMouseUp", [this] { RNormalWStartDialogMouseUp(); });
    add("RHardWStartDialogMouseUp", [this] { RHardWStartDialogMouseUp(); });
    add("REasyWStartDialogMouseUp", [this] { REasyWStartDialogMouseUp(); });
    add("BPlayWStartDialogMouseUp", [this] { BPlayWStartDialogMouseUp(host_.Now()); });
    add("BNewWTitleMouseUp", [this] { BNewWTitleMouseUp(); });
    add("BOkWFinishLevelDialogMouseUp", [this] { BOkWFinishLevelDialogMouseUp(); });
    add("BNextLevelWBetweenLevelMenuMouseUp",
        [this] { BNextLevelWBetweenLevelMenuMouseUp(host_.Now()); });
    add("BMainMenuWBetweenLevelMenuMouseUp", [this] { BMainMenuWBetweenLevelMenuMouseUp(); });
    add("BOkWAbortLivelDialogMouseUp", [this] { BOkWAbortLivelDialogMouseUp(); });
    add("BOkWGameOverDialogMouseUp", [this] { BOkWGameOverDialogMouseUp(); });
    add("BOkWQuitGameDialogMouseUp", [this] { BOkWQuitGameDialogMouseUp(); });
    add("BQuitWTitleMouseUp", [this] { BQuitWTitleMouseUp(); });
    for (int i = 0; i < SkillCount; ++i) {
        TSkill skill = static_cast<TSkill>(i);
        std::string name = SkillName(skill);
        add("BLeft" + name + "WBetweenLevelMenuMouseUp", [this, skill] { SkillLeft(skill); });
        add("BRight" + name + "WBetweenLevelMenuMouseUp", [this, skill] { SkillRight(skill); });
    }
}
