// quorrel-tool level info|solve: a level loaded as the game loads it, for level authors.
#include <filesystem>
#include <iostream>
#include <sstream>

#include "app/ToolCommands.h"
#include "app/ToolLevelCheck.h"
#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SafeFile.h"
#include "graphics/Preparation.h"
#include "graphics/SurfEngine.h"
#include "main/levels/LevelLoader.h"
#include "main/levels/LevelRuntime.h"
#include "main/levels/LevelSolver.h"
#include "main/rules/BonusTypes.h"
#include "main/rules/GeometryLoader.h"

namespace {

// Images come from the tool's own surface engine; skipped level lines go to stderr.
class TToolHost : public IGameHost {
  public:
    explicit TToolHost(TSurfEngine& engine) : engine_(engine) {}
    TPoint ImageSize(const std::string& name) override {
        int i = engine_.FindSurface(name);
        return i < 0 ? TPoint{} : TPoint{engine_.Record(i).Width, engine_.Record(i).Height};
    }
    void DebugLog(const std::string& line) override { std::cerr << "debug.log: " << line << '\n'; }

  private:
    TSurfEngine& engine_;
};

struct TOptions {
    std::string Dir;
    std::string File;
    std::string Level;
    TPlayMode Mode = pmNormal;
    TLevelSkills Skills;
};

std::string ExeFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

bool ParseNumber(const std::string& text, int& out) {
    int32_t v = 0;
    if (!TryStrToInt(text, v) || v < 0) return false;
    out = v;
    return true;
}

// Returns an error text, or "" when the options are good.
std::string ParseOptions(const std::vector<std::string>& args, bool infoOptions, TOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--dir" && hasValue) {
            o.Dir = args[++i];
        } else if (a == "--file" && hasValue) {
            o.File = args[++i];
        } else if (infoOptions && a == "--mode" && hasValue) {
            std::string m = args[++i];
            if (m == "normal")
                o.Mode = pmNormal;
            else if (m == "hard")
                o.Mode = pmHard;
            else if (m == "easy")
                o.Mode = pmEasy;
            else if (m == "nolose")
                o.Mode = pmNoLose;
            else
                return "unknown mode '" + m + "' (normal, hard, easy, nolose)";
        } else if (infoOptions && (a == "--live" || a == "--dropaccel" || a == "--luckytwig") &&
                   hasValue) {
            int& skill = a == "--live"        ? o.Skills.Live
                         : a == "--dropaccel" ? o.Skills.DropAccel
                                              : o.Skills.LuckyTwig;
            if (!ParseNumber(args[++i], skill)) return a + " takes a whole number of 0 or more";
        } else if (a.rfind("--", 0) == 0 || !o.Level.empty()) {
            return "unexpected argument '" + a + "'";
        } else {
            o.Level = a;
        }
    }
    if (o.Level.empty()) return "no level named";
    if (o.Dir.empty()) o.Dir = ExeFolder();
    return "";
}

// The game's tables and one level, loaded as a level start loads them.
struct TLoadedLevel {
    TSurfEngine Engine{32};
    TToolHost Host{Engine};
    std::unique_ptr<TFileFolder> Squares;
    TGeometry Geometry;
    std::vector<TBonusType> BonusTypes;
    Random Rng{1};
    TGame Game{Geometry, BonusTypes, Rng, Host};
    TLevelObjects Objects;
    ILevelHost LevelHost;
    std::unique_ptr<TLevelImages> Images;
    std::unique_ptr<TLevelRuntime> Runtime;

    void Load(const TOptions& o) {
        std::string folder = o.Dir + "/";
        PrepareGameArchives(folder, {});
        Squares = std::make_unique<TFileFolder>(TFileFolder::Open(folder + "temp/squares.zxc"));
        TFileFolder gameArchive = TFileFolder::Open(folder + "temp/game.zxc");
        LoadGeometry(Geometry, *Squares, "Squares", Host);
        if (gameArchive.Find("BonusTypes.dat") >= 0)
            BonusTypes = LoadBonusTypes(gameArchive, "BonusTypes.dat");
        Images = std::make_unique<TLevelImages>(Engine, Squares.get(), Host);
        Runtime = std::make_unique<TLevelRuntime>(Game, Objects, *Images, LevelHost);
        Game.SetHooks(Runtime.get());
        Game.Mode = o.Mode;
        Game.GameState = gsPlaying;
        TLevelLoader loader(Game, Geometry, Objects, *Images, LevelHost);
        loader.ResetLevel(0);
        if (!o.File.empty()) {
            std::string text;
            if (!ReadWholeFile(o.File, text)) throw GameError("cannot read " + o.File);
            loader.LoadLevelText(o.Level, text, o.Skills, 0);
        } else if (!loader.LoadLevel(*Squares, o.Level, o.Skills, 0)) {
            throw GameError("the levels archive holds no level \"" + o.Level + "\"");
        }
    }
};

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

template <class T, class Fn> std::string List(const std::vector<T>& items, Fn each) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + each(items[i]);
    return out + "]";
}

std::string Ints(const TIntArray& a) {
    return List(a, [](int v) { return std::to_string(v); });
}
std::string Names(const std::vector<std::string>& a) {
    return List(a, Quote);
}
std::string Bool(bool b) {
    return b ? "true" : "false";
}
std::string Num(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

std::string Actions(const TLevelActions& a) {
    return "\"RemovePictures\":" + Names(a.RemovePictures) +
           ",\"ShowPictures\":" + Names(a.ShowPictures) + ",\"Bombs\":" +
           List(a.Bombs,
                [](const TBombs& b) {
                    return "{\"frag\":" + std::to_string(b.Frag) + ",\"r\":" + std::to_string(b.R) +
                           ",\"ghost\":" + Bool(b.Ghost) +
                           ",\"picturebomb\":" + Bool(b.PictureBomb) + "}";
                }) +
           ",\"Puts\":" + List(a.Puts, [](const PutAction& p) {
               return "{\"frag\":" + std::to_string(p.Frag) +
                      ",\"type\":" + std::to_string(p.Type) + ",\"ghost\":" + Bool(p.Ghost) + "}";
           });
}

std::string InfoJson(TLoadedLevel& l) {
    const TGame& g = l.Game;
    const TLevel& L = g.Level;
    TIntArray blocked;
    for (size_t i = 0; i < L.SquareFrag.size(); ++i)
        if (L.SquareMask[i] == 0) blocked.push_back(L.SquareFrag[i]);
    std::vector<int> squares(L.SquareFrag.size());
    for (size_t i = 0; i < squares.size(); ++i)
        squares[i] = static_cast<int>(i);
    std::string j = "{";
    j += "\"FeedPeriod\":" + std::to_string(L.FeedPeriod);
    j += ",\"MapScroll\":" + std::to_string(g.MapScroll);
    j += ",\"ScrollTarget\":" + std::to_string(g.ScrollTarget);
    j += ",\"MapTop\":" + std::to_string(L.MapTop);
    j += ",\"MapBottom\":" + std::to_string(L.MapBottom);
    j += ",\"FirstBoardFrag\":" + std::to_string(l.Geometry.FirstBoardFrag);
    j += ",\"FirstBoardConnect\":" + std::to_string(l.Geometry.FirstBoardConnect);
    j += ",\"Pieces\":" + List(g.Fishkas, [](const TFishka& f) {
             return "{\"type\":" + std::to_string(f.Type) + ",\"x\":" + std::to_string(f.X) +
                    ",\"y\":" + std::to_string(f.Y) + ",\"state\":" + std::to_string(f.State) +
                    ",\"group\":" + std::to_string(f.Group) + ",\"root\":" + Bool(f.Root) + "}";
         });
    j += ",\"Squares\":" + List(squares, [&](int i) {
             return "{\"frag\":" + std::to_string(L.SquareFrag[i]) +
                    ",\"mask\":" + std::to_string(L.SquareMask[i]) +
                    ",\"group\":" + std::to_string(L.SquareGroup[i]) +
                    ",\"piece\":" + std::to_string(L.SquarePiece[i]) + "}";
         });
    j += ",\"BlockedSquares\":" + Ints(blocked);
    j += ",\"RequiredFrags\":" + Ints(L.RequiredFrag);
    j += ",\"FinishFrags\":" + Ints(L.FinishFrags);
    j += ",\"Lights\":" + List(L.Lights, [](const TLight& t) {
             return "{\"frag\":" + std::to_string(t.Frag) + ",\"side\":" + std::to_string(t.Side) +
                    "}";
         });
    j += ",\"Pictures\":" + List(l.Objects.Pictures, [](const TLevelPicture& p) {
             return "{\"name\":" + Quote(p.Name) + ",\"x\":" + std::to_string(p.X) +
                    ",\"y\":" + std::to_string(p.Y) + ",\"z\":" + std::to_string(p.Z) +
                    ",\"visible\":" + Bool(p.Visible) + ",\"moving\":" + Bool(p.Moving) +
                    ",\"images\":" + Names(p.Images) +
                    ",\"covered\":" + std::to_string(p.CoveredFrags.size()) + "}";
         });
    j += ",\"BonusPoints\":" + List(l.Objects.BonusPoints, [](const TBonusPoint& p) {
             return "{\"frag\":" + std::to_string(p.Frag) +
                    ",\"border\":" + std::to_string(p.Border) + "," + Actions(p.Actions) +
                    ",\"StartEffect\":" + Quote(p.StartEffect.Name) + "}";
         });
    j += ",\"BonusElements\":" + List(l.Objects.BonusElements, [](const TBonusElement& e) {
             return "{\"points\":" + Ints(e.Points) + "," + Actions(e.Actions) +
                    ",\"StartEffect\":" + Quote(e.StartEffect.Name) + "}";
         });
    j += ",\"GhostGroups\":" + List(l.Objects.GhostGroups, [](const TGhostFishGroup& gg) {
             return "{\"frags\":" + Ints(gg.GhostFrags) + ",\"weights\":" + Ints(gg.BonusWeights) +
                    "}";
         });
    j += ",\"FireEffects\":" + List(l.Objects.FireEffects, [](const TFireEffect& f) {
             return "{\"name\":" + Quote(f.Name) + ",\"x\":" + std::to_string(f.X) +
                    ",\"y\":" + std::to_string(f.Y) +
                    ",\"runevery\":" + std::to_string(f.RunEvery) +
                    ",\"followpic\":" + Quote(f.FollowPic) + "}";
         });
    j += ",\"GhostRects\":" + List(L.GhostRects, [](const TRect& r) {
             return "[" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                    std::to_string(r.Right) + "," + std::to_string(r.Bottom) + "]";
         });
    j += ",\"CombSequence\":" + Ints(L.CombSequence);
    j += ",\"TypeQueue\":" + Ints(L.TypeQueue);
    j += ",\"QuestImage\":" + Quote(L.QuestImage);
    j += ",\"QuestProbability\":" + Num(L.QuestProbability);
    j += ",\"BonusProbability\":" + Num(L.BonusProbability);
    j += ",\"Music\":" + Quote(L.Music);
    j += ",\"RainEffect\":" + Quote(L.RainEffect);
    j += ",\"LoseTime\":" + std::to_string(L.LoseTime);
    j += ",\"BumperBlockTime\":" + std::to_string(L.BumperBlockTime);
    return j + "}";
}

int Info(const std::vector<std::string>& args) {
    TOptions o;
    std::string error = ParseOptions(args, true, o);
    if (!error.empty()) return ToolFail(error);
    try {
        TLoadedLevel level;
        level.Load(o);
        level.Game.FindOpenEnds();
        std::cout << InfoJson(level) << '\n';
    } catch (const std::exception& e) {
        return ToolFail(e.what());
    }
    return 0;
}

int Solve(const std::vector<std::string>& args) {
    TOptions o;
    std::string error = ParseOptions(args, false, o);
    if (!error.empty()) return ToolFail(error);
    try {
        TLoadedLevel level;
        level.Load(o);
        level.Game.ClipperCount = 3;
        TSolveResult r = SolveLevel(level.Game, level.Objects, 3);
        std::cout << "{\"solved\":" << Bool(r.Solved) << ",\"placements\":" << r.Placements
                  << ",\"clippers\":" << r.Clippers << "}\n";
        return r.Solved ? 0 : 1;
    } catch (const std::exception& e) {
        return ToolFail(e.what());
    }
}

int Level(const std::vector<std::string>& args) {
    if (args.empty()) return ToolFail("usage: level info|solve|check ...");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "info") return Info(rest);
    if (args[0] == "solve") return Solve(rest);
    if (args[0] == "check") return LevelCheckCommand(rest);
    return ToolFail("unknown level command '" + args[0] + "'");
}

const ToolCommand
    command("level",
            "  level info [--dir GAMEDIR] [--file PATH] [--mode normal|hard|easy|nolose]\n"
            "             [--live N] [--dropaccel N] [--luckytwig N] LEVEL\n"
            "                                        the level as loaded, as one JSON object\n"
            "  level check [--dir GAMEDIR] [--file PATH] LEVEL\n"
            "                                        lint the level file; exit 1 on errors\n"
            "  level solve [--dir GAMEDIR] [--file PATH] LEVEL\n"
            "                                        search a finishing sequence; exit 1 when none",
            Level);

} // namespace
