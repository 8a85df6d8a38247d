#include "main/effects/GameEffects.h"

#include "graphics/SurfEngine.h"
#include "main/rules/Game.h"

TGameEffects::TGameEffects(TSurfEngine& engine, TGame& game, Random& random)
    : engine_(engine), game_(game), list_(EffectListOf(engine)), pieces_(game),
      runtime_(types_, list_, random) {
    list_.SetPieces(&pieces_);
    runtime_.SetCursor([this] { return game_.PointerPos; });
}

void TGameEffects::Load(TFileFolder& archive, uint32_t now) {
    types_.LoadEffectTypes(archive, TEffectTypes::FileName, now);
}

void TGameEffects::StartEffect(const std::string& type, TPoint point, int piece1, int piece2,
                               uint32_t now) {
    runtime_.StartEffectType(type, type, "", point, piece2, piece1, now);
}

void TGameEffects::StartSurfaceEffect(const std::string& type, const std::string& surface,
                                      TPoint point, uint32_t now) {
    runtime_.StartEffectType(type, type, surface, point, -1, -1, now);
}

bool TGameEffects::Update(uint32_t now) {
    return list_.UpdateEffects(now, engine_);
}

void TGameEffects::RunLevelEffect(uint32_t now) {
    runtime_.RunLevelEffect(game_.Level.RainEffect, now);
}

void TGameEffects::Draw(uint32_t now) {
    list_.DrawEffects(engine_, game_.MapScroll - 245, now);
}

void TGameEffects::LevelStarted(uint32_t now) {
    list_.Clear();
    runtime_.RestartEffectTypes(now);
}
