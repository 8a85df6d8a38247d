// quorrel-tool level info|solve: a level loaded as the game loads it, for level authors.
#include <filesystem>
#include <iostream>
#include <sstream>

#include "app/LevelToolOptions.h"
#include "app/ToolCommands.h"
#include "app/ToolLevelCheck.h"
#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SafeFile.h"
#include "main/levels/LevelSandbox.h"
#include "main/levels/LevelSolver.h"

namespace {

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

std::string InfoJson(TLevelSandbox& l) {
    const TGame& g = l.Game();
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
    TLevelToolOptions o;
    std::string error = ParseLevelToolOptions(args, ltInfo, o);
    if (!error.empty()) return ToolFail(error);
    try {
        TLevelSandbox level(o.Folders);
        level.Start(o.Level);
        std::cout << InfoJson(level) << '\n';
    } catch (const std::exception& e) {
        return ToolFail(e.what());
    }
    return 0;
}

int Solve(const std::vector<std::string>& args) {
    TLevelToolOptions o;
    std::string error = ParseLevelToolOptions(args, ltSolve, o);
    if (!error.empty()) return ToolFail(error);
    try {
        TLevelSandbox level(o.Folders);
        level.Start(o.Level);
        TSolveResult r = SolveLevel(level.Game(), level.Objects, 3);
        std::cout << "{\"solved\":" << Bool(r.Solved) << ",\"placements\":" << r.Placements
                  << ",\"clippers\":" << r.Clippers << ",\"nodes\":" << r.Nodes << ",\"moves\":"
                  << List(r.Moves,
                          [](const TSolveResult::TMove& m) {
                              return "{\"type\":" + std::to_string(m.Type) +
                                     ",\"square\":" + std::to_string(m.Square) +
                                     ",\"frag\":" + std::to_string(m.Frag) + "}";
                          })
                  << "}\n";
        return r.Solved ? 0 : 1;
    } catch (const std::exception& e) {
        return ToolFail(e.what());
    }
}

int Level(const std::vector<std::string>& args) {
    if (args.empty()) return ToolFail("usage: level info|check|solve|play ...");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "info") return Info(rest);
    if (args[0] == "check") return LevelCheckCommand(rest);
    if (args[0] == "solve") return Solve(rest);
    if (args[0] == "play") return LevelPlay(rest);
    return ToolFail("unknown level command '" + args[0] + "'");
}

const ToolCommand command(
    "level",
    "  level info [--dir GAMEDIR] [--file PATH] [--mode normal|hard|easy|nolose]\n"
    "             [--live N] [--dropaccel N] [--luckytwig N] LEVEL\n"
    "                                        the level as loaded, as one JSON object\n"
    "  level check [--dir GAMEDIR] [--file PATH] LEVEL\n"
    "                                        lint the level file; exit 1 on errors\n"
    "  level solve [--dir GAMEDIR] [--file PATH] LEVEL\n"
    "                                        search a finishing sequence; exit 1 when none\n"
    "  level play [--dir GAMEDIR] [--file PATH] [--mode normal|hard|easy|nolose]\n"
    "             [--seeds N] [--first-seed S] [--verbose] LEVEL\n"
    "                                        the play bot's games: win rate, times",
    Level);

} // namespace
