// Every tag and attribute of the level format, and every way a tag can be used, appears in at
// least one shipped level: a feature no level uses is a feature nobody has seen work.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "effects/LevelEffectTypes.h"
#include "levels_content/ShippedLevelList.h"

namespace {

// The tags the loader knows, by the text it looks for, with the attributes it reads.
const std::map<std::string, std::vector<std::string>> Format = {
    {"<Images>", {}},
    {"<MapMovingCurve ", {"alX", "beX", "gaX", "alY", "beY", "gaY", "laY", "lbY"}},
    {"<map>", {}},
    {"<Generator", {"period"}},
    {"<PlayMusic ", {"name"}},
    {"<RainEffect ", {"name"}},
    {"<HidenFishkaPicture", {"name", "prob"}},
    {"<FishkaWithBonus", {"prob"}},
    {"<Level ", {"CurrentY"}},
    {"<Fishka ", {"type", "unhammer", "frag"}},
    {"<GhostGroup", {}},
    {"<GhostFishka", {"x", "y", "type"}},
    {"<FProb ", {"name", "prob"}},
    {"<MakeGhostRect ", {"left", "top", "right", "bottom"}},
    {"<Picture ", {"x", "y", "z", "name", "visible", "bonuselem"}},
    {"<MovingCurve ", {"alX", "beX", "gaX", "laX", "lbX", "alY", "beY", "gaY", "laY", "lbY", "t"}},
    {"<Image ", {"name", "t"}},
    {"</Picture>", {}},
    {"<PictureMap ", {"x", "y", "z", "OneWidth", "OneHeight"}},
    {"</PictureMap>", {}},
    {"<BonusElement", {}},
    {"</Point>", {}},
    {"<Point", {"border", "x", "y"}},
    {"<RemovePicture ", {"name"}},
    {"<RemovePictureOn ", {"x", "y"}},
    {"<ShowPicture", {"name"}},
    {"<Bomb", {"x", "y", "ghost", "picturebomb", "r", "effectname", "bombimage"}},
    {"<PutFishka", {"x", "y", "ghost", "type"}},
    {"<LevelEffect ", {"x", "y", "surfname", "name"}},
    {"<FireEffect ", {"x", "y", "name", "runevery", "followpic"}},
    {"<StartEffect ", {"name", "x", "y", "surfname"}},
    {"<CombSequence>", {}},
    {"<OneCombBonusProb>", {}},
    {"<AllCombBonusProb>", {}},
    {"<FishkaBonusProb>", {}},
    {"<GGBonusProb>", {}},
    {"<FishTypeSequence>", {}},
};

struct TLevelText {
    std::string Name;
    std::vector<std::string> Lines;
};

std::vector<TLevelText> ShippedLevelTexts() {
    std::vector<TLevelText> out;
    for (const std::string& name : ShippedLevelList()) {
        std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/data/squares/" + name);
        TLevelText level{name, {}};
        for (std::string line; std::getline(in, line);)
            level.Lines.push_back(line);
        out.push_back(level);
    }
    return out;
}

// The attribute's value on the line, or nullptr; a name is only found whole ("name" is not
// found inside "surfname").
bool Attr(const std::string& line, const std::string& name, std::string* value = nullptr) {
    std::smatch m;
    if (!std::regex_search(line, m, std::regex("(^|[^A-Za-z])" + name + "=\"([^\"]*)\"")))
        return false;
    if (value) *value = m[2];
    return true;
}

bool Is(const std::string& line, const std::string& tag) {
    return line.find(tag) != std::string::npos;
}

// Ways of using the format that the tag list alone does not show, each a test over a level.
using TUse = std::function<bool(const TLevelText&)>;

bool AnyLine(const TLevelText& l, const std::function<bool(const std::string&)>& fn) {
    for (const std::string& line : l.Lines)
        if (fn(line)) return true;
    return false;
}

const std::map<std::string, TUse> Uses = {
    {"a picture cycling several images",
     [](const TLevelText& l) {
         int images = 0;
         for (const std::string& line : l.Lines) {
             if (Is(line, "<Picture ")) images = 0;
             if (Is(line, "<Image ") && ++images == 2) return true;
         }
         return false;
     }},
    {"a hidden picture",
     [](const TLevelText& l) {
         return AnyLine(l, [](const std::string& s) {
             std::string v;
             return Is(s, "<Picture ") && Attr(s, "visible", &v) && v == "false";
         });
     }},
    {"a bonus element picture",
     [](const TLevelText& l) {
         return AnyLine(l, [](const std::string& s) {
             std::string v;
             return Is(s, "<Picture ") && Attr(s, "bonuselem", &v) && v == "true";
         });
     }},
    {"a picture bomb and a frag bomb",
     [](const TLevelText& l) {
         bool picture = false, frag = false;
         for (const std::string& s : l.Lines) {
             std::string v;
             if (!Is(s, "<Bomb")) continue;
             (Attr(s, "picturebomb", &v) && v == "true" ? picture : frag) = true;
         }
         return picture && frag;
     }},
    {"a ghost frag bomb",
     [](const TLevelText& l) {
         return AnyLine(l, [](const std::string& s) {
             std::string v;
             return Is(s, "<Bomb") && Attr(s, "ghost", &v) && v == "true";
         });
     }},
    {"a free mover on the board and a moving far layer",
     [](const TLevelText& l) {
         bool board = false, far = false;
         std::string z;
         for (const std::string& s : l.Lines) {
             if (Is(s, "<Picture ")) Attr(s, "z", &z);
             if (Is(s, "<MovingCurve ")) (z == "0" ? board : far) = true;
         }
         return board && far;
     }},
    {"a mover on a straight line (it bounces)",
     [](const TLevelText& l) {
         return AnyLine(l, [](const std::string& s) {
             std::string bx, by;
             return Is(s, "<MovingCurve ") && Attr(s, "beX", &bx) && Attr(s, "beY", &by) &&
                    std::stod("0" + bx) == 0 && std::stod("0" + by) == 0;
         });
     }},
    {"a breakable level piece and one of several squares",
     [](const TLevelText& l) {
         bool breakable = false, multi = false;
         for (const std::string& s : l.Lines) {
             std::string v;
             if (!Is(s, "<Fishka ")) continue;
             if (!Attr(s, "unhammer", &v) || v != "true") breakable = true;
             if (Attr(s, "type", &v) && std::stoi(v) >= 16) multi = true;
         }
         return breakable && multi;
     }},
    {"a ghost outside any group",
     [](const TLevelText& l) {
         for (const std::string& s : l.Lines) {
             if (Is(s, "<GhostGroup")) return false;
             if (Is(s, "<GhostFishka")) return true;
         }
         return false;
     }},
    {"a bonus element of several points",
     [](const TLevelText& l) {
         int points = 0;
         for (const std::string& s : l.Lines) {
             if (Is(s, "<BonusElement")) points = 0;
             if (Is(s, "<Point") && ++points == 2) return true;
         }
         return false;
     }},
};

TEST(LevelFormatCoverageTest, EveryTagAttributeAndEffectIsUsedByAShippedLevel) {
    const std::vector<TLevelText> levels = ShippedLevelTexts();
    std::set<std::string> unused;
    for (const auto& [tag, attributes] : Format) {
        bool tagUsed = false;
        std::set<std::string> attrsUnused(attributes.begin(), attributes.end());
        for (const TLevelText& l : levels)
            for (const std::string& line : l.Lines) {
                if (!Is(line, tag)) continue;
                tagUsed = true;
                for (const std::string& a : attributes)
                    if (Attr(line, a)) attrsUnused.erase(a);
            }
        if (!tagUsed) unused.insert(tag);
        for (const std::string& a : attrsUnused)
            unused.insert(tag + " " + a);
    }
    for (const auto& [use, test] : Uses) {
        bool used = false;
        for (const TLevelText& l : levels)
            used = used || test(l);
        if (!used) unused.insert(use);
    }
    for (const std::string& effect : LevelEffectTypes) {
        bool used = false;
        for (const TLevelText& l : levels)
            used = used || AnyLine(l, [&](const std::string& s) {
                       return s.find("\"" + effect + "\"") != std::string::npos;
                   });
        if (!used) unused.insert("effect " + effect);
    }
    std::string list;
    for (const std::string& u : unused)
        list += "\n  " + u;
    EXPECT_TRUE(unused.empty()) << "used by no shipped level:" << list;
}

} // namespace
