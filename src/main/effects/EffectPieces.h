#pragma once
#include <string>

#include "archive/Rect.h"

// What effects need to know of the game's pieces, referred to by index. The main form connects
// the game's piece list (see TGameEffectPieces); tests give their own.
class IEffectPieces {
  public:
    virtual ~IEffectPieces() = default;
    virtual int Count() const = 0;
    // The piece's X and Y as stored (map y for pieces on the board).
    virtual TPoint Position(int piece) const = 0;
    // Where the piece's top-left corner is drawn on the screen now.
    virtual TPoint ScreenPosition(int piece) const = 0;
    // Half the piece's picture: its centre, from its top-left corner.
    virtual TPoint CentreOffset(int piece) const = 0;
    // The picture the piece is drawn with.
    virtual std::string SurfaceName(int piece) const = 0;
    // The piece is drawn by an effect (the board layer leaves it out) while this is set.
    virtual void SetEffectAttached(int piece, bool attached) = 0;

    bool Valid(int piece) const { return piece >= 0 && piece < Count(); }
};
