#pragma once
#include <string>
#include <vector>

#include "archive/GameFolders.h"
#include "main/levels/LevelSandbox.h"

// The options the `level` commands share: which game folder, which level and how to play it.
enum TLevelToolKind { ltInfo, ltCheck, ltSolve, ltPlay };

struct TLevelToolOptions {
    TGameFolders Folders; // the game's, or those of --dir
    TSandboxLevel Level;  // its name, text (--file) and mode and skills
    int Seeds = 20;       // play: the runs, seeded from FirstSeed on
    uint32_t FirstSeed = 1;
    bool Verbose = false;
};

// Returns an error text, or "" when the arguments are good.
std::string ParseLevelToolOptions(const std::vector<std::string>& args, TLevelToolKind kind,
                                  TLevelToolOptions& o);

// `level play`: the bot's games of the level as one JSON object.
int LevelPlay(const std::vector<std::string>& args);
