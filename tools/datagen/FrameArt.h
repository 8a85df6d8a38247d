#pragma once

class TContentArchive;

// Places on the play screen's frame ("GamePlay1") that the interface file lines its labels and
// buttons up with.
namespace FrameLayout {
// The carved socket that shows the score.
constexpr int ScoreLeft = 618, ScoreTop = 36, ScoreWidth = 168, ScoreHeight = 28;
// The socket of the number of the level being played.
constexpr int LevelLeft = 618, LevelTop = 92, LevelWidth = 80, LevelHeight = 28;
// The socket of the menu button.
constexpr int MenuLeft = 706, MenuTop = 92, MenuWidth = 80, MenuHeight = 28;
// Under the tool sockets: the hammer and clipper counts.
constexpr int HammerCountLeft = 636, ToolCountTop = 369, ToolCountWidth = 54, ToolCountHeight = 22;
constexpr int ClipperCountLeft = 716;
} // namespace FrameLayout

// "GamePlay1": play area on the left, feed along the bottom, and on the right the score, the
// preview of the wanted combination, the two tools and the bumper.
void AddFrameArt(TContentArchive& game);
