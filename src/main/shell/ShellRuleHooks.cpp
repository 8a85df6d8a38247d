#include "main/shell/ShellRuleHooks.h"

#include "main/effects/EffectList.h"
#include "main/effects/EffectRuntime.h"
#include "main/rules/Game.h"

bool TShellRuleHooks::UpdateEffects(uint32_t now) {
    const bool released = effects_.UpdateEffects(now, surfaces_);
    return level_->UpdateEffects(now) || released;
}

void TShellRuleHooks::RunRepeatingEffects(uint32_t now) {
    runtime_.RunLevelEffect(game_.Level.RainEffect, now);
    level_->RunRepeatingEffects(now);
}

void TShellRuleHooks::FollowMapScroll(int mapScroll) {
    effects_.FollowPieces();
    level_->FollowMapScroll(mapScroll);
}
