#include "main/effects/GameEffectPieces.h"

#include "main/rules/Game.h"

int TGameEffectPieces::Count() const {
    return static_cast<int>(game_.Fishkas.size());
}

TPoint TGameEffectPieces::Position(int piece) const {
    const TFishka& f = game_.Fishkas[piece];
    return {f.X, f.Y};
}

TPoint TGameEffectPieces::ScreenPosition(int piece) const {
    const TFishka& f = game_.Fishkas[piece];
    const bool onScreen = f.State == fsInSteck || f.State == fsHeld || f.State == fsInBumper;
    return {f.X, onScreen ? f.Y : f.Y + 245 - game_.MapScroll + 5};
}

TPoint TGameEffectPieces::CentreOffset(int piece) const {
    const TPoint size = game_.PieceImageSize(piece);
    return {size.X / 2, size.Y / 2};
}

std::string TGameEffectPieces::SurfaceName(int piece) const {
    const TFishka& f = game_.Fishkas[piece];
    if (f.Quest && f.State == fsInSteck && !game_.Level.QuestImage.empty())
        return game_.Level.QuestImage;
    const auto& types = game_.Geometry().CompFishkaTypes;
    return f.Type < types.size() ? types[f.Type].ImageName : std::string();
}

void TGameEffectPieces::SetEffectAttached(int piece, bool attached) {
    game_.Fishkas[piece].EffectAttached = attached;
}
