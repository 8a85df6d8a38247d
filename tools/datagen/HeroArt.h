#pragma once

class TContentArchive;

// The between-level menu shows the next level's hero: a carved medallion "Hero<n>.png" for each
// of the 24 levels with the level's sign, its rim tinted by the chapter (amber dusk, marsh
// green, night silver, dawn rose).
void AddHeroArt(TContentArchive& squares);
