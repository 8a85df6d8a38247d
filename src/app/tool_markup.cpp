// quorrel-tool markup dump: the tag tree of an interface or language file, as JSON.
#include <iostream>

#include "app/ToolCommands.h"
#include "archive/GameError.h"
#include "markup/MarkupJson.h"
#include "markup/VexParser.h"

namespace {

int Markup(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != "dump") return ToolFail("usage: markup dump FILE");
    TVexParser parser;
    try {
        parser.LoadFromFile(args[1]);
    } catch (const GameError& e) {
        return ToolFail(e.what());
    }
    std::cout << MarkupToJson(parser);
    return 0;
}

const ToolCommand
    command("markup",
            "  markup dump FILE                      the tag tree of a markup file, as JSON",
            Markup);

} // namespace
