// quorrel-tool run: the whole game on the headless platform, driven by an events file, with
// screenshots and a state dump at the end. Runs replay exactly with --seed.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/HeadlessRun.h"
#include "app/ToolCommands.h"
#include "app/ToolJson.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"
#include "interface/VexForm.h"
#include "main/shell/EventScript.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"
#include "markup/MarkupJson.h"

namespace {

struct TShot {
    uint32_t At = 0;
    std::string File;
    bool Taken = false;
};

struct TRunOptions {
    std::string Dir;
    std::optional<uint32_t> Seed;
    uint32_t FrameMs = 33;
    uint32_t Until = 10000;
    std::string EventsFile;
    std::vector<TShot> Shots;
    int Bpp = 0; // 0: as the options say
    std::string StateFile;
    std::vector<std::string> Windows; // --ui: windows whose objects the state lists
    std::string Language;             // --lang: the per-user language before the start
};

bool ParseUnsigned(const std::string& text, uint32_t& value) {
    int32_t v = 0;
    if (!TryStrToInt(text, v) || v < 0) return false;
    value = static_cast<uint32_t>(v);
    return true;
}

// Returns an error message, or "" when the arguments are good.
std::string ParseArgs(const std::vector<std::string>& args, TRunOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) return "missing value after " + a;
        const std::string& v = args[++i];
        uint32_t n = 0;
        if (a == "--dir") {
            o.Dir = v;
        } else if (a == "--seed") {
            if (!ParseUnsigned(v, n)) return "--seed takes a whole number";
            o.Seed = n;
        } else if (a == "--frame-ms") {
            if (!ParseUnsigned(v, n) || n == 0) return "--frame-ms takes a positive number";
            o.FrameMs = n;
        } else if (a == "--until") {
            if (!ParseUnsigned(v, n)) return "--until takes a whole number";
            o.Until = n;
        } else if (a == "--events") {
            o.EventsFile = v;
        } else if (a == "--shot") {
            const size_t colon = v.find(':');
            if (colon == std::string::npos || !ParseUnsigned(v.substr(0, colon), n) ||
                colon + 1 >= v.size())
                return "--shot takes MS:FILE";
            o.Shots.push_back({n, v.substr(colon + 1), false});
        } else if (a == "--bpp") {
            if (v != "32" && v != "16") return "--bpp takes 32 or 16";
            o.Bpp = v == "32" ? 32 : 16;
        } else if (a == "--state") {
            o.StateFile = v;
        } else if (a == "--ui") {
            o.Windows.push_back(v);
        } else if (a == "--lang") {
            if (v.size() != 3) return "--lang takes a three-letter code such as DEU";
            o.Language = v;
        } else {
            return "unknown option " + a;
        }
    }
    return "";
}

// The pieces laid on the board, as [type, x, y] in the order the game holds them.
std::string BoardJson(const TGame& g) {
    std::string j = "[";
    for (const TFishka& f : g.Fishkas)
        if (f.State == fsOnBoard)
            j += (j.size() > 1 ? ", [" : "[") + std::to_string(f.Type) + ", " +
                 std::to_string(f.X) + ", " + std::to_string(f.Y) + "]";
    return j + "]";
}

// The x of each feed piece, front first: the same at any frame time.
std::string FeedXJson(const TGame& g) {
    std::string j = "[";
    for (size_t i = 0; i < g.Steck.size(); ++i)
        j += (i ? ", " : "") + std::to_string(g.Fishkas[g.Steck[i]].X);
    return j + "]";
}

// The position in the level's sequence of wanted combinations; past the last it reads -1.
int CombinationsMade(const TLevel& L) {
    return L.CombPos < 0 ? static_cast<int>(L.CombSequence.size()) : L.CombPos;
}

std::string StateJson(TMainForm& form, int frames, const std::vector<std::string>& windows) {
    TGame& g = form.Game();
    TVexForm* top = form.Interface().TopWindow();
    std::ostringstream j;
    j << "{\"GameState\": " << g.GameState
      << ", \"TopWindow\": " << JsonString(top ? top->Name : "")
      << ", \"CurrentLevel\": " << form.CurrentLevel() << ", \"TotalScore\": " << form.TotalScore()
      << ", \"LevelScore\": " << g.Level.LevelScore << ", \"HammerCount\": " << g.HammerCount
      << ", \"ClipperCount\": " << g.ClipperCount << ", \"Feed\": " << g.Steck.size()
      << ", \"FeedX\": " << FeedXJson(g) << ", \"Pieces\": " << g.Fishkas.size()
      << ", \"Lights\": " << g.Level.Lights.size()
      << ", \"LevelFinished\": " << (g.LevelFinished ? "true" : "false")
      << ", \"CombinationsMade\": " << CombinationsMade(g.Level)
      << ", \"HeldPiece\": " << g.HeldPiece << ", \"MapScroll\": " << g.MapScroll
      << ", \"Frames\": " << frames << ", \"Board\": " << BoardJson(g);
    if (TGameSession* session = form.Session())
        j << ", \"Progress\": " << ProgressJson(session->Flow().Values);
    if (!windows.empty()) {
        j << ", \"Ui\": {";
        for (size_t i = 0; i < windows.size(); ++i)
            j << (i ? ", " : "") << JsonString(windows[i]) << ": "
              << WindowJson(form.Interface(), windows[i]);
        j << "}";
    }
    j << "}";
    return j.str();
}

int Run(const std::vector<std::string>& args) {
    TRunOptions o;
    const std::string error = ParseArgs(args, o);
    if (!error.empty()) return ToolFail(error);
    std::vector<TScriptedEvent> events;
    if (!o.EventsFile.empty()) {
        std::string text;
        if (!ReadWholeFile(o.EventsFile, text)) return ToolFail("cannot read " + o.EventsFile);
        events = ParseEventScript(text);
    }
    if (!o.Dir.empty() && !std::filesystem::is_directory(o.Dir))
        return ToolFail("no game folder " + o.Dir);

    TMainFormOptions formOptions;
    formOptions.Seed = o.Seed;
    if (o.Bpp) formOptions.BitsPerPixel = o.Bpp;
    THeadlessRun game(ToolGameFolders(o.Dir), formOptions);
    if (!o.Language.empty()) game.Host.UserSettings["LangStr"] = o.Language;
    game.Start();
    TMainForm& form = game.Form;
    HeadlessHost& host = game.Host;
    HeadlessDisplay& display = game.Display;

    size_t next = 0;
    int frames = 0;
    for (uint32_t elapsed = 0; elapsed <= o.Until; elapsed += o.FrameMs) {
        for (; next < events.size() && events[next].Time <= elapsed; ++next) {
            if (!events[next].Method.empty()) {
                form.Methods().CallMethod(events[next].Method);
                continue;
            }
            const PlatformEvent& e = events[next].Event;
            if (e.Type == EventType::MouseMove || e.Type == EventType::MouseDown ||
                e.Type == EventType::MouseUp)
                host.Pointer = {e.X, e.Y};
            host.Push(e);
        }
        const int before = display.Presents;
        const bool goOn = game.Loop.RunOnce();
        if (display.Presents > before) {
            ++frames;
            for (TShot& shot : o.Shots)
                if (!shot.Taken && elapsed >= shot.At) {
                    shot.Taken = true;
                    if (!display.SavePng(shot.File)) return ToolFail("cannot write " + shot.File);
                }
        }
        if (!goOn) break;
        game.Clock.Advance(o.FrameMs);
    }
    for (const std::string& message : host.Messages)
        std::cerr << "message: " << message << "\n";
    const std::string state = StateJson(form, frames, o.Windows);
    game.Stop();
    std::cout << state << "\n";
    if (!o.StateFile.empty()) WriteFileAtomically(o.StateFile, state + "\n");
    return 0;
}

const ToolCommand command(
    "run",
    "  run [--dir GAMEDIR] [--seed N] [--frame-ms MS] [--until MS] [--events FILE]\n"
    "      [--shot MS:FILE]... [--bpp 32|16] [--state FILE] [--ui WINDOW]...\n"
    "      [--lang CODE]\n"
    "                                        play the game headless; prints its state as JSON",
    Run);

} // namespace
