#pragma once
#include <string>
#include <vector>

// quorrel-tool level check [--dir GAMEDIR] [--file PATH] LEVEL: one line per finding,
// "LINE: error|warning: text"; exit 1 when any finding is an error.
int LevelCheckCommand(const std::vector<std::string>& args);
