#pragma once

class TContentArchive;

// Sizes of the list windows' pictures (load, save, high scores), for the interface file.
namespace ListLayout {
constexpr int ListPanelWidth = 420, ListPanelHeight = 430;
constexpr int ScoresPanelWidth = 480, ScoresPanelHeight = 420;
// Eleven rows of 22 in the saved-games list.
constexpr int ListWellWidth = 300, ListWellHeight = 242, ListRowHeight = 22;
// A header row of 24, a gap of 6 and ten rows of 24 in the score table.
constexpr int ScoresWellWidth = 380, ScoresWellHeight = 270;
constexpr int NameFieldWidth = 300, NameFieldHeight = 24;
constexpr int ArrowButtonSize = 36;
} // namespace ListLayout

// The panels of the list windows, the sunken wells their lists sit in, the chosen-row bar,
// the name field and the scroll arrows.
void AddListArt(TContentArchive& game);
