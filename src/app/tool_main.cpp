// quorrel-tool: the command-line toolkit for modders, level designers and automation.
#include <cstdio>
#include <exception>
#include <iostream>

#include "app/ToolCommands.h"
#include "archive/GameError.h"

std::vector<ToolCommandInfo>& ToolCommandTable() {
    static std::vector<ToolCommandInfo> table;
    return table;
}

int ToolFail(const std::string& message) {
    std::cerr << "quorrel-tool: " << message << "\n";
    return 1;
}

TGameFolders ToolGameFolders(const std::string& dirOption) {
    const TFolderSearch search = LocateGameFolders(TFolderEnvironment::Current(dirOption));
    if (!search.Folders) throw GameError(search.Message());
    CreateUserFolder(*search.Folders);
    return *search.Folders;
}

namespace {

// The folders the game commands use without --dir, as the game itself would find them.
void PrintFolders(std::ostream& out) {
    const TFolderSearch search = LocateGameFolders(TFolderEnvironment::Current());
    out << "\nfolders (without --dir):\n";
    if (!search.Folders) {
        out << "  " << search.Message() << "\n";
        return;
    }
    const TGameFolders& f = *search.Folders;
    out << "  mode  " << (f.Installed ? "installed" : "portable") << "\n"
        << "  data  " << f.Data << "  (game/, levels/, lng/, the shipped Demo.dat)\n"
        << "  user  " << f.User
        << "  (options.cfg, debug.log, HighScores.dat, Demo.dat, saves/, temp/)\n";
}

void PrintUsage(std::ostream& out, bool withFolders) {
    out << "usage: quorrel-tool COMMAND [ARGS...]\n\ncommands:\n";
    for (const ToolCommandInfo& cmd : ToolCommandTable())
        out << cmd.Usage << "\n";
    if (withFolders) PrintFolders(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr, false);
        return 1;
    }
    std::string name = argv[1];
    if (name == "--version" || name == "version") {
        std::cout << "quorrel-tool " << QUORREL_VERSION << "\n";
        return 0;
    }
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(std::cout, true);
        return 0;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const ToolCommandInfo& cmd : ToolCommandTable()) {
        if (cmd.Name != name) continue;
        try {
            return cmd.Run(args);
        } catch (const std::exception& e) {
            return ToolFail(e.what());
        }
    }
    PrintUsage(std::cerr, false);
    return ToolFail("unknown command '" + name + "'");
}
