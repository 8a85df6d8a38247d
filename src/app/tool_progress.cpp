// quorrel-tool save show / scores show: what a saved game or the high-score table holds, as
// the game reads it.
#include <iostream>

#include "app/ToolCommands.h"
#include "app/ToolJson.h"
#include "archive/SafeFile.h"
#include "main/progress/HighScores.h"
#include "main/progress/SavedGame.h"
#include "markup/MarkupJson.h"

namespace {

// The file as the game would read it, or an error message.
std::string ReadForShow(const std::vector<std::string>& args, size_t limit, std::string& text) {
    if (args.size() != 2 || args[0] != "show") return "usage: show FILE";
    if (!FileExists(args[1]) || !ReadFileStart(args[1], limit, text))
        return "cannot read " + args[1];
    return "";
}

int SaveShow(const std::vector<std::string>& args) {
    std::string text;
    const std::string error = ReadForShow(args, SavedGame::ReadLimit, text);
    if (!error.empty()) return ToolFail("save " + error);
    TProgression values;
    SavedGame::FromText(text, values);
    std::cout << ProgressJson(values) << "\n";
    return 0;
}

int ScoresShow(const std::vector<std::string>& args) {
    std::string text;
    const std::string error = ReadForShow(args, THighScores::ReadLimit, text);
    if (!error.empty()) return ToolFail("scores " + error);
    THighScores table;
    table.FromText(text);
    std::string j = "[";
    for (const THighScore& e : table.Entries)
        j += (j.size() > 1 ? ", " : "") + std::string("{\"name\": ") + JsonString(e.Name) +
             ", \"score\": " + std::to_string(e.Score) + "}";
    std::cout << j << "]\n";
    return 0;
}

const ToolCommand
    save("save", "  save show FILE                        a saved game's values as JSON", SaveShow);
const ToolCommand scores("scores",
                         "  scores show FILE                      a high-score table as JSON",
                         ScoresShow);

} // namespace
