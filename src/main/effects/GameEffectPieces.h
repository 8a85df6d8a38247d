#pragma once
#include "main/effects/EffectPieces.h"

class TGame;

// The game's piece list as effects see it. Pieces in the feed, the bumper and the hand already
// have screen coordinates; the others lie on the board map and are drawn 245 - MapScroll + 5
// lower, so that is where their effects go.
class TGameEffectPieces : public IEffectPieces {
  public:
    explicit TGameEffectPieces(TGame& game) : game_(game) {}

    int Count() const override;
    TPoint Position(int piece) const override;
    TPoint ScreenPosition(int piece) const override;
    TPoint CentreOffset(int piece) const override;
    std::string SurfaceName(int piece) const override;
    void SetEffectAttached(int piece, bool attached) override;

  private:
    TGame& game_;
};
