#pragma once
#include <functional>
#include <string>
#include <vector>

#include "archive/GameFolders.h"

// quorrel-tool's subcommands. Each tool_<name>.cpp registers its command with a static
// ToolCommand object; main() dispatches on the first argument.
struct ToolCommandInfo {
    std::string Name;
    std::string Usage; // one or more lines, shown by `quorrel-tool help`
    std::function<int(const std::vector<std::string>& args)> Run; // args after the name
};

std::vector<ToolCommandInfo>& ToolCommandTable();

struct ToolCommand {
    ToolCommand(std::string name, std::string usage,
                std::function<int(const std::vector<std::string>&)> run) {
        ToolCommandTable().push_back({std::move(name), std::move(usage), std::move(run)});
    }
};

// Prints "quorrel-tool: <message>" on stderr and returns 1, the tool's failure status.
int ToolFail(const std::string& message);

// The folders of a command that plays the game: those of the game in --dir when given, else
// the ones the game beside the tool (or installed with it) uses. The user folder of an
// installed game is created. Throws GameError naming the folders looked in.
TGameFolders ToolGameFolders(const std::string& dirOption);
