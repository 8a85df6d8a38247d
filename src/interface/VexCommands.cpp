// The command language of event properties.
#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexMethodTable.h"

namespace {

// Word k (from 1) of a command: the text between the (k-1)-th and k-th single blank. The last
// word asked for may take everything after its blank (lastTakesRest).
std::string CommandWord(const std::string& command, int k, bool lastTakesRest = false) {
    size_t start = 0;
    for (int i = 1; i < k; ++i) {
        const size_t blank = command.find(' ', start);
        if (blank == std::string::npos) return "";
        start = blank + 1;
    }
    if (lastTakesRest) return command.substr(start);
    const size_t end = command.find(' ', start);
    return command.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool Contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

std::string WithoutLead(const std::string& command, const std::string& lead) {
    return command.compare(0, lead.size(), lead) == 0 ? command.substr(lead.size()) : command;
}

} // namespace

void TVexInterfaceEngine::ProcessCommands() {
    // Taken out first: a handler may dispatch events of its own, and a command that throws
    // must not leave stale commands for the next key.
    std::vector<TCommand> queue;
    queue.swap(CommandQueue);
    for (const TCommand& c : queue)
        RunCommand(c.Command);
}

// Each keyword is looked for anywhere in the command; several keywords give several actions.
void TVexInterfaceEngine::RunCommand(const std::string& command) {
    if (Contains(command, "RunMethod ") && Owner) Owner->CallMethod(command.substr(10));
    if (Contains(command, "ShowModal")) ShowModal(WithoutLead(command, "ShowModal "));
    if (Contains(command, "HideModal")) HideModal(WithoutLead(command, "HideModal "));
    if (Contains(command, "ChangeModal")) ChangeModal(CommandWord(command, 2));
    if (Contains(command, "SetProp")) {
        const std::string name = CommandWord(command, 2);
        if (TVexObject* o = FindVexObjectByName(name))
            SetPropValue(*o, CommandWord(command, 3), CommandWord(command, 4, true));
        else
            Log("[TVexInterfaceEngine.ProcessCommands] SetProp: object \"" + name +
                "\" not found.");
    }
    if (Contains(command, "AddInteger")) {
        const std::string name = CommandWord(command, 2);
        TVexObject* o = FindVexObjectByName(name);
        if (!o) {
            Log("[TVexInterfaceEngine.ProcessCommands] AddInteger: object \"" + name +
                "\" not found.");
            return;
        }
        const std::string prop = CommandWord(command, 3);
        const std::string what = "AddInteger on \"" + name + "\"";
        const int64_t sum = static_cast<int64_t>(PropTextToInt(GetPropValue(*o, prop), what)) +
                            PropTextToInt(CommandWord(command, 4, true), what);
        SetPropValue(*o, prop, std::to_string(static_cast<int32_t>(static_cast<uint32_t>(sum))));
    }
}
