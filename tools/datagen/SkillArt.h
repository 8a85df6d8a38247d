#pragma once

class TContentArchive;

// The between-level menu: where its window sits and where the skill rows lie, in window
// coordinates, for the panel picture and the interface file's layout.
namespace BetweenLevelLayout {
constexpr int Left = 30, Top = 20, Width = 740, Height = 560;
// The skill tiles: the game looks for the pointer over these squares to explain a skill.
constexpr int TileSize = 80;
constexpr int TileLeft = 23;
constexpr int TileTops[5] = {51, 152, 252, 352, 452};
// The "+" and "-" knobs of a row, centred on the row's middle.
constexpr int PlusCentreX = 268, MinusCentreX = 336, KnobSize = 32;
// The right half: title, tallies, hero, the next level's page, experience and the buttons.
constexpr int RightLeft = 420;
constexpr int HeroLeft = 590, HeroTop = 76, HeroSize = 128;
constexpr int ExperienceTop = 302, ExperienceHeight = 52;
} // namespace BetweenLevelLayout

// The five skill tiles (Live, DropAccel, LuckyTwig, Amphora, Hammer) and the between-level
// menu's panel.
void AddSkillArt(TContentArchive& game);
