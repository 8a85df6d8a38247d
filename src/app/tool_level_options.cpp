// The arguments of quorrel-tool's level commands.
#include <exception>

#include "app/LevelToolOptions.h"
#include "app/ToolCommands.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

namespace {

bool ParseCount(const std::string& text, int& out) {
    int32_t v = 0;
    if (!TryStrToInt(text, v) || v < 0) return false;
    out = v;
    return true;
}

bool ParseMode(const std::string& m, TPlayMode& mode) {
    if (m == "normal")
        mode = pmNormal;
    else if (m == "hard")
        mode = pmHard;
    else if (m == "easy")
        mode = pmEasy;
    else if (m == "nolose")
        mode = pmNoLose;
    else
        return false;
    return true;
}

} // namespace

std::string ParseLevelToolOptions(const std::vector<std::string>& args, TLevelToolKind kind,
                                  TLevelToolOptions& o) {
    std::string file, dir;
    TSandboxLevel& level = o.Level;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--dir" && hasValue) {
            dir = args[++i];
        } else if (a == "--file" && hasValue) {
            file = args[++i];
        } else if ((kind == ltInfo || kind == ltPlay) && a == "--mode" && hasValue) {
            if (!ParseMode(args[++i], level.Mode))
                return "unknown mode '" + args[i] + "' (normal, hard, easy, nolose)";
        } else if (kind == ltInfo && (a == "--live" || a == "--dropaccel" || a == "--luckytwig") &&
                   hasValue) {
            int& skill = a == "--live"        ? level.Skills.Live
                         : a == "--dropaccel" ? level.Skills.DropAccel
                                              : level.Skills.LuckyTwig;
            if (!ParseCount(args[++i], skill)) return a + " takes a whole number of 0 or more";
        } else if (kind == ltPlay && a == "--seeds" && hasValue) {
            if (!ParseCount(args[++i], o.Seeds) || o.Seeds < 1 || o.Seeds > 10000)
                return "--seeds takes a number from 1 to 10000";
        } else if (kind == ltPlay && a == "--first-seed" && hasValue) {
            int seed = 0;
            if (!ParseCount(args[++i], seed)) return "--first-seed takes a whole number";
            o.FirstSeed = static_cast<uint32_t>(seed);
        } else if (kind == ltPlay && a == "--verbose") {
            o.Verbose = true;
        } else if (a.rfind("--", 0) == 0 || !level.Name.empty()) {
            return "unexpected argument '" + a + "'";
        } else {
            level.Name = a;
        }
    }
    if (level.Name.empty()) return "no level named";
    try {
        o.Folders = ToolGameFolders(dir);
    } catch (const std::exception& e) {
        return e.what();
    }
    if (!file.empty()) {
        if (!ReadWholeFile(file, level.Text)) return "cannot read " + file;
        // An empty file is still the author's level, not the archive's.
        if (level.Text.empty()) level.Text = "\r\n";
    }
    return "";
}
