#pragma once
#include <cstdint>

#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

struct TSolveResult {
    bool Solved = false;
    int Placements = 0; // pieces laid from the feed's types
    int Clippers = 0;   // clipper uses
    long Nodes = 0;     // positions looked at
};

// Searches for a way to finish the loaded level through the game's own rules: pieces of the
// types the feed deals (as dealt, not turned) laid over open ends (fit test, put rule, closed
// links, bonus points, finish test), and at most maxClippers clipper uses. The game's hooks must be
// the level's runtime, so bonus points act; the game and objects are left as found.
TSolveResult SolveLevel(TGame& game, TLevelObjects& objects, int maxClippers = 3,
                        long nodeBudget = 200000);
