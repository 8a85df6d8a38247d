#include "main/levels/LevelCheck.h"

#include <algorithm>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "graphics/SurfEngine.h"
#include "main/levels/LevelCheckParts.h"
#include "main/levels/LevelLoader.h"

std::vector<TLevelFinding> TLevelFindings::Sorted() const {
    std::vector<TLevelFinding> out = list_;
    std::stable_sort(out.begin(), out.end(), [](const TLevelFinding& a, const TLevelFinding& b) {
        return a.Line < b.Line;
    });
    return out;
}

void TLevelFindings::Add(int line, bool error, const std::string& text) {
    if (seen_.insert({line, text}).second) list_.push_back({line, error, text});
}

namespace {

// The game as far as a level load reaches it: image sizes from the check's own surfaces, and
// debug.log kept for the findings.
class TCheckHost : public TQuietGameHost {
  public:
    explicit TCheckHost(TSurfEngine& engine) : engine_(engine) {}
    TPoint ImageSize(const std::string& name) override {
        int i = engine_.FindSurface(name);
        return i < 0 ? TPoint{} : TPoint{engine_.Record(i).Width, engine_.Record(i).Height};
    }
    void DebugLog(const std::string& line) override { Log.push_back(line); }
    std::vector<std::string> Log;

  private:
    TSurfEngine& engine_;
};

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// "Skipped level "F", line N: why" becomes a finding on line N.
void ReportDebugLog(const std::vector<std::string>& log, TLevelFindings& out) {
    for (const std::string& message : log) {
        if (message.rfind(LevelImageNotFound, 0) == 0) continue; // reported with its line
        int line = LevelLineOfMessage(message);
        size_t why = message.find(": ", message.rfind(", line "));
        if (line > 0 && why != std::string::npos)
            out.Error(line, "the loader skips this line: " + message.substr(why + 2));
        else
            out.Error(0, "debug.log: " + message);
    }
}

} // namespace

std::vector<TLevelFinding> CheckLevel(TFileFolder& squares, TGeometry& geometry,
                                      const std::vector<TBonusType>& bonusTypes,
                                      const TLevelCheckNames& names,
                                      const TLevelCheckSubject& subject) {
    TSurfEngine engine{32};
    TCheckHost host{engine};
    Random rng{1};
    TGame game{geometry, bonusTypes, rng, host};
    game.GameState = gsPlaying;
    TLevelObjects objects;
    ILevelHost levelHost;
    TLevelImages images(engine, &squares, host);
    TLevelLoader loader(game, geometry, objects, images, levelHost);
    std::vector<std::string> lines = SplitLines(subject.Text);
    TLevelReadLog log(game, objects, lines);
    loader.SetReadObserver(&log);
    TLevelFindings out;
    // A bad strict number stops the loader; the line is then left out, so one run of the
    // check reports every such line and still checks the rest.
    bool loaded = false;
    for (size_t attempt = 0; attempt <= lines.size() && !loaded; ++attempt) {
        loader.ResetLevel(0);
        log.Clear();
        host.Log.clear();
        try {
            loader.LoadLevelText(subject.FileName, JoinLines(lines), {}, 0);
            loaded = true;
        } catch (const GameError& e) {
            const std::string message = e.what();
            const int line = LevelLineOfMessage(message);
            out.Error(line, message.substr(0, message.rfind(" in level \"")) +
                                ": the loader stops at this line");
            if (line < 1 || line > static_cast<int>(lines.size()) || lines[line - 1].empty()) break;
            lines[line - 1].clear();
        }
    }
    ReportDebugLog(host.Log, out);
    CheckAttributeReads(log.Lines(), out);
    CheckTagLines(log.Lines(), out);
    CheckLevelNames(log.Lines(), names, geometry, objects, out);
    if (loaded) CheckLoadedLevel(game, objects, log, out);
    if (subject.HeroPicture == "%&")
        out.Error(0, "levels.dat gives this level no hero picture");
    else if (!subject.HeroPicture.empty() && squares.Find(subject.HeroPicture) < 0)
        out.Error(0, "hero picture \"" + subject.HeroPicture +
                         "\" of levels.dat is not in the levels archive");
    return out.Sorted();
}
