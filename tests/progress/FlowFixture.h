#pragma once
#include <map>
#include <set>

#include "main/progress/GameFlow.h"
#include "rules/RulesFixture.h"

// Remembers the flow's labels, colours and window changes.
class TRecordingWidgets : public IFlowWidgets {
  public:
    std::map<std::string, std::string> Captions;
    std::map<std::string, int32_t> Colours;
    std::map<std::string, bool> Visible;
    std::vector<std::string> Log;

    void SetCaption(const std::string& l, const std::string& t) override { Captions[l] = t; }
    void SetColor(const std::string& l, int32_t c) override { Colours[l] = c; }
    void SetVisible(const std::string& n, bool v) override { Visible[n] = v; }
    void SetFocused(const std::string& e) override { Log.push_back("focus " + e); }
    void SelectRadio(const std::string& n) override { Log.push_back("radio " + n); }
    void ShowModal(const std::string& w) override { Log.push_back("show " + w); }
    void HideModal(const std::string& w) override { Log.push_back("hide " + w); }
    void ChangeModal(const std::string& w) override { Log.push_back("change " + w); }
    void ShowPicture(const std::string& l, const std::string& image, TPoint size) override {
        Log.push_back("picture " + l + " " + image + " " + std::to_string(size.X) + "x" +
                      std::to_string(size.Y));
    }
    TVexGrid* Grid(const std::string&) override { return nullptr; }
    TVexEdit* Edit(const std::string&) override { return nullptr; }
    bool Has(const std::string& line) const {
        return std::find(Log.begin(), Log.end(), line) != Log.end();
    }
};

// Loads levels whose names it knows; remembers the rest of what the flow asks.
class TRecordingFlowHost : public IFlowHost {
  public:
    explicit TRecordingFlowHost(TGame& game) : game_(game) {}
    std::set<std::string> LevelFiles{"l1", "l2", "l3", "l4"};
    std::vector<std::string> Log;
    std::vector<TLevelSkills> LoadedSkills;
    bool SavesFolder = true;
    std::function<void()> OnLoad; // the level's content

    void StopAllAudio() override { Log.push_back("stop audio"); }
    void PlayMusic(const std::string& name) override { Log.push_back("music " + name); }
    void ResetLevel(uint32_t now) override { game_.ResetLevel(now); }
    bool LoadLevel(const std::string& file, const TLevelSkills& skills, uint32_t) override {
        Log.push_back("load " + file);
        LoadedSkills.push_back(skills);
        if (!LevelFiles.count(file)) return false;
        if (OnLoad) OnLoad();
        return true;
    }
    std::string DemoLevelName() override { return "l3"; }
    TPoint LoadLevelImage(const std::string& name) override {
        return name == "hero2.png" ? TPoint{120, 90} : TPoint{};
    }
    bool SavesFolderExists() override { return SavesFolder; }
    void AutoSave() override { Log.push_back("save saves/autosave.sav"); }
    std::string PlayerName() override { return "Mira"; }
    void StorePlayerName(const std::string& name) override { Log.push_back("name " + name); }
    void SkipIntroHints() override { Log.push_back("no intro hints"); }
    void ShowError(const std::string& text) override { Log.push_back("error " + text); }
    void WriteSettings() override { Log.push_back("settings"); }
    void CloseProgram() override { Log.push_back("close"); }
    void DebugLog(const std::string& line) override { Log.push_back("log " + line); }
    bool Has(const std::string& line) const {
        return std::find(Log.begin(), Log.end(), line) != Log.end();
    }

  private:
    TGame& game_;
};

// A game of four levels on the rules' synthetic board.
class FlowTest : public RulesTest {
  protected:
    FlowTest() {
        levels.FileNames = {"l1", "l2", "l3", "l4"};
        levels.HeroPictures = {"hero1.png", "hero2.png", "hero3.png", "hero4.png"};
        flowHost.OnLoad = [this] {
            game.Level.MapTop = TSyntheticGeometry::BoardY;
            game.Level.MapBottom = TSyntheticGeometry::BoardY + 40 * TSyntheticGeometry::Rows;
            LevelPiece(TSyntheticGeometry::Frag(4, 0), Top);
        };
        flow.RHammerWStartDialogMouseUp();
        flow.RNormalWStartDialogMouseUp();
    }
    // Plays up to the end of the current level with these points and experience.
    void FinishLevel(int score, int experience) {
        game.Level.LevelScore = score;
        game.Level.ExperiencePoints = experience;
        game.LevelFinished = true;
        flow.BOkWFinishLevelDialogMouseUp();
    }

    TLevelList levels;
    TRecordingWidgets widgets;
    TRecordingFlowHost flowHost{game};
    TGameFlow flow{game, levels, widgets, flowHost};
};
