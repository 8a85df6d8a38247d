#pragma once
#include <string>
#include <vector>

class TContentArchive;
class TCanvas;

// One square of a piece picture: its place in squares and its twig mask.
struct TPieceSquare {
    int Column = 0;
    int Row = 0;
    int Mask = 0;
};

// Draws a piece: stone plates joined where the squares touch, with the twig of living wood
// leaving each square through the sides of its mask.
void DrawPiece(TCanvas& canvas, const std::vector<TPieceSquare>& squares, unsigned seed);

// The piece pictures of the squares archive: the sixteen single squares ("mark", "1", ...,
// "1234"), the multi-square pieces and the picture that hides a quest piece ("quest.png").
void AddPieceArt(TContentArchive& squares);
