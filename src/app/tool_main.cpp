// quorrel-tool: the command-line toolkit for modders, level designers and automation.
#include <cstdio>
#include <exception>
#include <iostream>

#include "app/ToolCommands.h"

std::vector<ToolCommandInfo>& ToolCommandTable() {
    static std::vector<ToolCommandInfo> table;
    return table;
}

int ToolFail(const std::string& message) {
    std::cerr << "quorrel-tool: " << message << "\n";
    return 1;
}

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: quorrel-tool COMMAND [ARGS...]\n\ncommands:\n";
    for (const ToolCommandInfo& cmd : ToolCommandTable())
        out << cmd.Usage << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 1;
    }
    std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(std::cout);
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
    PrintUsage(std::cerr);
    return ToolFail("unknown command '" + name + "'");
}
