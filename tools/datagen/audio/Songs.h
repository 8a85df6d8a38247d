#pragma once
#include <string>
#include <vector>

#include "Composer.h"

struct Song {
    std::string Name; // the archive entry name, e.g. "Level1.mo3"
    SongPlan Plan;
};

// The game's music: the menus' theme, the level-finished tune, one piece per chapter and the
// first levels' own pieces.
std::vector<Song> GameSongs();
