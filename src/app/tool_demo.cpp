// quorrel-tool demo: what a recorded demo holds, and a player that authors one.
#include <iostream>
#include <map>

#include "app/DemoBot.h"
#include "app/ToolCommands.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"
#include "markup/MarkupJson.h"

namespace {

// The tag name of an event line ("MouseMove"), "" for a line that is none.
std::string TagOf(const std::string& line) {
    if (line.size() < 2 || line[0] != '<') return "";
    size_t end = 1;
    while (end < line.size() && std::isalpha(static_cast<unsigned char>(line[end])))
        ++end;
    static const char* const known[] = {"MouseMove", "MouseLDown",       "MouseLUp",  "MouseRDown",
                                        "MouseRUp",  "NewFishkaInSteck", "MoveSteck", "GiveBonus"};
    const std::string tag = line.substr(1, end - 1);
    for (const char* k : known)
        if (tag == k) return tag;
    return "";
}

int Info(const std::string& path) {
    std::string text;
    if (!FileExists(path) || !ReadFileStart(path, 64 * 1024 * 1024, text))
        return ToolFail("cannot read " + path);
    std::vector<std::string> lines = SplitLines(text);
    while (!lines.empty() && Trim(lines.back()).empty())
        lines.pop_back();
    std::map<std::string, int> kinds;
    long long duration = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string tag = TagOf(lines[i]);
        ++kinds[tag.empty() ? "unknown" : tag];
        const std::string time = GetAttr(lines[i], "time");
        if (!time.empty()) duration = std::atoll(time.c_str());
    }
    std::string j = "{\"level\": " + JsonString(lines.empty() ? "" : Trim(lines[0])) +
                    ", \"events\": " + std::to_string(lines.empty() ? 0 : lines.size() - 1) +
                    ", \"duration\": " + std::to_string(duration) + ", \"kinds\": {";
    bool first = true;
    for (const auto& [tag, count] : kinds) {
        j += (first ? "" : ", ") + JsonString(tag) + ": " + std::to_string(count);
        first = false;
    }
    std::cout << j << "}}\n";
    return 0;
}

int Author(const std::vector<std::string>& args) {
    TDemoBotOptions o;
    for (size_t i = 1; i + 1 < args.size(); i += 2) {
        int32_t n = 0;
        const std::string& a = args[i];
        const std::string& v = args[i + 1];
        if (a == "--dir") {
            o.Dir = v.back() == '/' ? v : v + "/";
        } else if (a != "--seed" && a != "--level" && a != "--seconds") {
            return ToolFail("unknown option " + a);
        } else if (!TryStrToInt(v, n) || n < (a == "--seed" ? 0 : 1)) {
            return ToolFail(a + " takes a whole number");
        } else if (a == "--seed") {
            o.Seed = static_cast<uint32_t>(n);
        } else if (a == "--level") {
            o.Level = n - 1;
        } else {
            o.Seconds = static_cast<uint32_t>(n);
        }
    }
    if (o.Dir.empty() || args.size() % 2 == 0)
        return ToolFail("usage: demo author --dir GAMEDIR [--level N] [--seed N] [--seconds S]");
    std::string error;
    TDemoBotReport report;
    const std::vector<std::string> lines = AuthorDemo(o, error, report);
    if (!error.empty()) return ToolFail(error);
    std::cerr << "level " << o.Level + 1 << (report.Finished ? " finished" : " not finished")
              << " after " << report.PlayedMs / 1000 << " s, " << report.Placements
              << " pieces laid\n";
    std::cout << "# made by quorrel-tool demo author --level " << o.Level + 1 << " --seed "
              << o.Seed << "; replay with run --seed " << o.Seed << "\n";
    for (const std::string& line : lines)
        std::cout << line << "\n";
    return 0;
}

int Demo(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "info") return Info(args[1]);
    if (!args.empty() && args[0] == "author") return Author(args);
    return ToolFail("usage: demo info FILE | demo author --dir GAMEDIR [--level N] [--seed N] "
                    "[--seconds S]");
}

const ToolCommand command(
    "demo",
    "  demo info FILE                        a recorded demo's level, events and length as JSON\n"
    "  demo author --dir GAMEDIR [--level N] [--seed N] [--seconds S]\n"
    "                                        play a level as a demo; prints the events file",
    Demo);

} // namespace
