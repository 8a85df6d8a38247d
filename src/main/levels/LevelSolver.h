#pragma once
#include <cstdint>
#include <vector>

#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

struct TSolveResult {
    bool Solved = false;
    int Placements = 0; // pieces laid from the feed's types
    int Clippers = 0;   // clipper uses
    long Nodes = 0;     // positions expanded
    struct TMove {
        int Type = -1;  // -1: the clipper
        int Square = 0; // the square of the piece laid on Frag
        int Frag = -1;
    };
    std::vector<TMove> Moves; // in the order they are made
};

// Searches for a way to finish the loaded level through the game's own rules: pieces of the
// types the feed deals, turned any way a player can turn them, laid where the placement code
// accepts them (fit test, put rule, closed links, bonus points, ghosts, the finish test), and
// at most maxClippers clipper uses. The network is routed towards what it must reach (bonus
// points, ghosts, other links), then its ends are closed; the most promising placements are
// tried first and a dead end is backed out of. The game's hooks must be the level's runtime,
// so bonus points act; the game and objects are left as found.
TSolveResult SolveLevel(TGame& game, TLevelObjects& objects, int maxClippers = 3,
                        long nodeBudget = 20000);
