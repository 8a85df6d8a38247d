#pragma once
#include <string>
#include <vector>

class TContentArchive;

// The square geometry of the board and the pieces: a template grid of 15 x 2 squares that
// pieces are built on, then the board, a grid of 40-pixel squares over the whole map.
namespace Geometry {

constexpr int Square = 40;
constexpr int TemplateColumns = 15;
constexpr int TemplateRows = 2;
constexpr int BoardColumns = 14;
constexpr int BoardRows = 250;
constexpr int BoardLeft = 20;
constexpr int SideCount = 4;

// The type name that spells a twig mask: its side digits in ascending order; mask 0, which has
// no twig, is the highlight drawn over frags.
std::string MaskName(int mask);
// A quarter turn clockwise: side k becomes side k + 1, side 4 becomes side 1.
int RotateMask(int mask);
// The file-name suffix of single-square images ("124" is drawn from "124_1.png").
inline const std::string ImageSuffix = "_1";

// Adds "Squares_FragsTypes.dat", "Squares_Points.dat", "Squares_Frags.dat",
// "Squares_Connects.dat" and "Squares_FishkasTypes.dat".
void AddTables(TContentArchive& archive);

} // namespace Geometry
