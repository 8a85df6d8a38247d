// quorrel-tool level check: a lint for level files, over the game's own archives.
#include <iostream>
#include <set>

#include "app/LevelToolOptions.h"
#include "app/ToolCommands.h"
#include "app/ToolLevelCheck.h"
#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"
#include "graphics/Preparation.h"
#include "main/effects/EffectTypes.h"
#include "main/levels/LevelCheck.h"
#include "main/levels/LevelList.h"
#include "main/rules/GameHost.h"
#include "main/rules/GeometryLoader.h"
#include "sound/AudioEngine.h"

namespace {

// The names the game archive offers a level: its entries, effect types and music list.
struct TGameNames {
    TFileFolder Squares, Game;
    TEffectTypes Effects;
    std::set<std::string> Musics;
    bool HasEffects = false;

    explicit TGameNames(const std::string& folder)
        : Squares(TFileFolder::Open(folder + "temp/squares.zxc")),
          Game(TFileFolder::Open(folder + "temp/game.zxc")) {
        if (Game.Find(TEffectTypes::FileName) >= 0) {
            Effects.LoadEffectTypes(Game, TEffectTypes::FileName, 0);
            HasEffects = true;
        }
        if (Game.Find(TAudioEngine::MusicsList) >= 0)
            for (const std::string& name : SplitLines(Game.Read(TAudioEngine::MusicsList).Text()))
                if (!name.empty()) Musics.insert(name);
    }

    TLevelCheckNames Names() {
        TLevelCheckNames n;
        n.HasImage = [this](const std::string& name) {
            return Squares.Find(name) >= 0 || Game.Find(name) >= 0;
        };
        if (HasEffects)
            n.HasEffect = [this](const std::string& name) {
                return Effects.FindEffectType(name) != nullptr;
            };
        n.HasMusic = [this](const std::string& name) { return Musics.count(name) > 0; };
        return n;
    }
};

} // namespace

int LevelCheckCommand(const std::vector<std::string>& args) {
    TLevelToolOptions o;
    std::string error = ParseLevelToolOptions(args, ltCheck, o);
    if (!error.empty()) return ToolFail(error);
    try {
        PrepareGameArchives(o.Folders.Data, o.Folders.User, {});
        TGameNames data(o.Folders.User);
        TQuietGameHost host;
        TGeometry geometry;
        LoadGeometry(geometry, data.Squares, "Squares", host);
        std::vector<TBonusType> bonusTypes;
        if (data.Game.Find("BonusTypes.dat") >= 0)
            bonusTypes = LoadBonusTypes(data.Game, "BonusTypes.dat");
        const std::string& level = o.Level.Name;
        const bool fromFile = !o.Level.Text.empty();
        TLevelCheckSubject subject{level, o.Level.Text, ""};
        if (!fromFile) {
            TMemoryStream* entry = data.Squares.ReadIfPresent(level);
            if (!entry) throw GameError("the levels archive holds no level \"" + level + "\"");
            subject.Text = entry->Text();
        }
        TLevelList list = LoadLevelList(data.Squares);
        bool listed = false;
        for (int i = 0; i < list.Count(); ++i)
            if (list.FileNames[i] == level && !listed)
                subject.HeroPicture = list.HeroPictures[i], listed = true;
        std::vector<TLevelFinding> findings =
            CheckLevel(data.Squares, geometry, bonusTypes, data.Names(), subject);
        if (!listed && !fromFile)
            findings.insert(
                findings.begin(),
                {0, false, "levels.dat does not list this level: the game never plays it"});
        bool failed = false;
        for (const TLevelFinding& f : findings) {
            std::cout << f.Line << ": " << (f.Error ? "error" : "warning") << ": " << f.Text
                      << '\n';
            failed = failed || f.Error;
        }
        return failed ? 1 : 0;
    } catch (const std::exception& e) {
        return ToolFail(e.what());
    }
}
