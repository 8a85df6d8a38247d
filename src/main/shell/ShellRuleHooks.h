#pragma once
#include "main/rules/GameHost.h"

class TEffectList;
class TEffectRuntime;
class TSurfEngine;
class TGame;

// The shell's part of the tick: the running effects and the level's own effect type, with
// everything else handed on to the level's hooks once the levels module supplies them.
class TShellRuleHooks : public IRuleHooks {
  public:
    TShellRuleHooks(TEffectList& effects, TEffectRuntime& runtime, TSurfEngine& surfaces,
                    TGame& game)
        : effects_(effects), runtime_(runtime), surfaces_(surfaces), game_(game) {}
    void SetLevelHooks(IRuleHooks* hooks) { level_ = hooks ? hooks : &none_; }

    bool UpdateEffects(uint32_t now) override;
    bool CyclePictures(uint32_t now) override { return level_->CyclePictures(now); }
    void RunRepeatingEffects(uint32_t now) override;
    void RunFireSources(uint32_t now) override { level_->RunFireSources(now); }
    void FollowMapScroll(int mapScroll) override;
    bool MovingPictureBlocks(const std::vector<int>& frags, uint32_t now) override {
        return level_->MovingPictureBlocks(frags, now);
    }
    bool DryRunFindsFragBomb() override { return level_->DryRunFindsFragBomb(); }
    void CheckBonusPoints(uint32_t now) override { level_->CheckBonusPoints(now); }
    void CheckGhostGroups(uint32_t now) override { level_->CheckGhostGroups(now); }
    void RestartLevelTimers(uint32_t now) override { level_->RestartLevelTimers(now); }
    void GroupsRecomputed() override { level_->GroupsRecomputed(); }

  private:
    TEffectList& effects_;
    TEffectRuntime& runtime_;
    TSurfEngine& surfaces_;
    TGame& game_;
    IRuleHooks none_;
    IRuleHooks* level_ = &none_;
};
