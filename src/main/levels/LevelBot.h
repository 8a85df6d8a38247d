#pragma once
#include <cstdint>
#include <string>

#include "main/levels/LevelSandbox.h"

// One game of a level by the play bot.
struct TBotRun {
    uint32_t Seed = 0;
    bool Won = false;
    uint32_t Ms = 0;    // game time at the end
    int Placements = 0; // pieces laid from the hand
    int Drops = 0;      // pieces given to the bumper
    int Hammers = 0;
    int Clippers = 0;
    std::string End; // "won", "lost" (the feed jammed) or "timeout"
};

// A player for level authors: it plays a loaded sandbox level through the game's own input
// and rules, at a human pace (one action - take, turn, lay, drop, tool - per 600 ms of game
// time), knowing only what a player sees: the feed, the board in view and the map it has
// scrolled through. It grows the root network towards bonus points and ghosts, keeps an end
// open while it still needs one, closes ends it can, drops what it cannot use and repairs
// ends nothing dealt can close with the clipper or the hammer.
TBotRun PlayLevel(TLevelSandbox& sandbox, const TSandboxLevel& level, uint32_t limitMs);
