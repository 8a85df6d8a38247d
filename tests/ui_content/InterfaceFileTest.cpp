// The shipped interface file against the game code that drives it: every window and object the
// game looks up by name, every handler its buttons call, and the English overlay.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "archive/FileFolder.h"
#include "interface/InterfaceTestSupport.h"
#include "interface/VexEdit.h"
#include "interface/VexLabel.h"
#include "interface/VexRadioButton.h"
#include "main/options/OptionsWindow.h"
#include "main/progress/GameFlow.h"
#include "main/progress/HighScoreWindow.h"
#include "main/progress/InterfaceWidgets.h"
#include "main/progress/SaveWindows.h"
#include "main/rules/PlayInput.h"
#include "main/shell/HintText.h"
#include "markup/VexParser.h"

namespace {

using vextest::TInterfaceWorld;

const std::vector<std::string> Skills = {"Live", "DropAccel", "LuckyTwig", "Amphora", "Hammer"};

// A flow host that does nothing: only the handlers' names are wanted here.
class TQuietFlowHost : public IFlowHost {
    bool SavesFolderExists() override { return false; }
    void AutoSave() override {}
    std::string PlayerName() override { return {}; }
    void StorePlayerName(const std::string&) override {}
    void SkipIntroHints() override {}
    void ShowError(const std::string&) override {}
};

class TQuietOptionsHost : public IOptionsHost {
    bool IsChecked(const std::string&) override { return false; }
    void SetChecked(const std::string&, bool) override {}
    void SelectRadio(const std::string&) override {}
    void SaveSettings() override {}
    TGameSettings LoadSettings() override { return {}; }
    bool ReopenDisplay() override { return true; }
    bool SwitchDisplayMode() override { return true; }
};

// The handlers the game registers: those of the game flow, the save, score and options windows
// and the play input, as they register themselves, and the form's own.
std::set<std::string> RegisteredHandlers() {
    TGeometry geometry;
    std::vector<TBonusType> bonusTypes;
    Random random;
    TQuietGameHost gameHost;
    TGame game(geometry, bonusTypes, random, gameHost);
    TLevelList levels;
    TVexInterfaceEngine engine(nullptr);
    TInterfaceWidgets widgets(engine);
    TQuietFlowHost flowHost;
    TGameFlow flow(game, levels, widgets, flowHost);
    TSaveWindows saves(flow, game, widgets, flowHost, "");
    THighScoreWindow scores(flow, widgets, flowHost, "");
    TGameSettings settings;
    NullAudioDevice device;
    TAudioEngine audio(device, settings.Volumes);
    TQuietOptionsHost optionsHost;
    TOptionsWindow options(settings, audio, optionsHost);
    TQuietInputHost inputHost;
    TPlayInput input(game, inputHost);
    TVexMethodTable table;
    flow.RegisterHandlers(table);
    saves.RegisterHandlers(table);
    scores.RegisterHandlers(table);
    options.RegisterHandlers(table);
    input.RegisterHandlers(table, [] { return 0u; });
    std::set<std::string> names = {"YesMouseUp",
                                   "StartMouseUp",
                                   "QuitMouseUp",
                                   "BOkWLanguageMouseUp",
                                   "BCancelWLanguageMouseUp",
                                   "BDemoWTitleMouseUp"};
    for (const std::string& name : table.Names())
        names.insert(name);
    return names;
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The interface file as the game reads it: from the built game archive.
std::string BuiltInterfaceFile() {
    TFileFolder game = TFileFolder::Open(std::string(QUORREL_GAME_DIR) + "/game/game.zxc");
    TMemoryStream& stream = game.Read("Quorrel.li");
    return stream.Text();
}

// Quoted names with a window part ("LScoreCountWGame") in the game's flow and play code.
std::set<std::string> NamesInGameCode() {
    std::set<std::string> names;
    const std::regex quoted("\"([A-Z][A-Za-z0-9]*W[A-Za-z]+)\"");
    const std::filesystem::path src = std::filesystem::path(QUORREL_SOURCE_DIR) / "src/main";
    for (const char* folder : {"progress", "rules"})
        for (const auto& entry : std::filesystem::directory_iterator(src / folder)) {
            const std::string text = FileText(entry.path());
            for (std::sregex_iterator m(text.begin(), text.end(), quoted), end; m != end; ++m)
                names.insert((*m)[1]);
        }
    return names;
}

std::string Prop(const TVexXMLTag& object, const std::string& name) {
    for (const auto& p : object.Tags)
        if (!p->Attributes.empty() && p->Attributes[0]->Value == name) return p->Text;
    return "";
}

// The window an object sits in: up the parents to one whose parent is the screen.
std::string WindowOf(TVexObject* o) {
    while (o && o->Parent && o->ParentName != "VexScreen")
        o = o->Parent;
    return o && o->ParentName == "VexScreen" ? o->Name : "";
}

class InterfaceFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        text_ = BuiltInterfaceFile();
        ASSERT_FALSE(text_.empty());
        for (const std::string& h : RegisteredHandlers())
            world_.Count(h);
        world_.Load(text_);
        world_.Engine.ComputeOrigins("VexScreen", 0, 0);
        ASSERT_TRUE(world_.Log.Lines.empty()) << world_.Log.Lines.front();
    }

    void ExpectObject(const std::string& name, const std::string& cls, const std::string& window) {
        TVexObject* o = world_.Engine.FindVexObjectByName(name);
        ASSERT_NE(o, nullptr) << name;
        EXPECT_EQ(o->ClassName(), cls) << name;
        EXPECT_EQ(WindowOf(o), window) << name;
    }

    template <class T = TVexInterfaceObject> T& Get(const std::string& name) {
        return world_.Get<T>(name);
    }

    std::string text_;
    TInterfaceWorld world_;
};

TEST_F(InterfaceFileTest, EveryNameTheGameLooksUpIsThereInItsWindow) {
    for (const char* w :
         {"WTitle", "WStartDialog", "WGame", "WMenu", "WProgressBar", "WFinishLevelDialog",
          "WBetweenLevelMenu", "WGameFinishedDialog", "WGameOverDialog", "WAbortLivelDialog",
          "WQuitGameDialog", "WLoad", "WSave", "WHighScores", "WReplaceGameDialog",
          "WDeleteGameDialog", "WClearDialog"})
        ExpectObject(w, "TVexForm", w);
    for (const char* w : {"WLoad", "WSave", "WHighScores"})
        ExpectObject(std::string("Grid") + w, "TVexGrid", w);
    for (const char* w : {"WLoad", "WSave"})
        ExpectObject(std::string("Edit") + w, "TVexEdit", w);

    // Names the code spells out; handler names belong to the method table instead.
    const std::set<std::string> handlers = RegisteredHandlers();
    const auto isHandler = [](const std::string& name) {
        for (const std::string event : {"MouseUp", "MouseDown", "KeyDown"})
            if (name.size() > event.size() && name.ends_with(event)) return true;
        return false;
    };
    for (const std::string& name : NamesInGameCode()) {
        if (isHandler(name)) {
            EXPECT_TRUE(handlers.count(name)) << "unregistered handler " << name;
            continue;
        }
        EXPECT_NE(world_.Engine.FindVexObjectByName(name), nullptr) << name;
    }

    // Names put together at run time, with the class the code casts them to.
    const std::string menu = "WBetweenLevelMenu";
    for (size_t i = 0; i < Skills.size(); ++i) {
        const std::string& s = Skills[i];
        ExpectObject("BLeft" + s + menu, "TVexButton", menu);
        ExpectObject("BRight" + s + menu, "TVexButton", menu);
        ExpectObject("L" + s + "Exp" + menu, "TVexLabel", menu);
        const std::string caption = "VexLabel" + std::to_string(203 + i) + std::to_string(203 + i);
        ExpectObject(caption, "TVexLabel", menu);
    }
    for (const char* count :
         {"LLiveCount", "LDropAccelCount", "LLuckyTwigCount", "LExperienceCount", "LLevelHero"})
        ExpectObject(count + menu, "TVexLabel", menu);
    // One page per shipped level, hidden until the level before it is finished.
    for (int n = 1; n <= 3; ++n) {
        const std::string page = "TLevel" + std::to_string(n) + menu;
        ExpectObject(page, "TVexTabForm", menu);
        EXPECT_FALSE(Get(page).Visible) << page;
    }
    const std::string finished = "WGameFinishedDialog";
    ExpectObject("EditWGameFinishedDialogue", "TVexEdit", finished);
    for (const char* count :
         {"LYourScoreCount", "LYourHammerCount", "LYourCapsCount", "LTotalScoreCount"})
        ExpectObject(count + finished, "TVexLabel", finished);
    ExpectObject("RNormalWStartDialog", "TVexRadioButton", "WStartDialog");

    // A radio button clears every other of its group, in any window: each choice has a group
    // of its own. The start dialog: three kits, four difficulties; the options: six music and
    // six sound volumes; the language window: English (the others are made from it).
    std::map<int, int> radios;
    const std::map<int, std::string> windows = {{1, "WStartDialog"},
                                                {2, "WStartDialog"},
                                                {3, "WOptions"},
                                                {4, "WOptions"},
                                                {5, "WLanguage"}};
    for (const auto& o : world_.Engine.FVexObjects)
        if (auto* r = dynamic_cast<TVexRadioButton*>(o.get())) {
            EXPECT_EQ(WindowOf(r), windows.count(r->RadioGroup) ? windows.at(r->RadioGroup) : "")
                << r->Name;
            ++radios[r->RadioGroup];
        }
    EXPECT_EQ(radios, (std::map<int, int>{{1, 3}, {2, 4}, {3, 6}, {4, 6}, {5, 1}}));
}

TEST_F(InterfaceFileTest, EventsNameRealHandlersAndWindowsAndEveryCaptionIsTranslated) {
    const std::set<std::string> handlers = RegisteredHandlers();
    const std::regex command("(RunMethod|ShowModal|HideModal|ChangeModal) ([A-Za-z0-9]+)");
    int commands = 0;
    for (const auto& o : world_.Engine.FVexObjects) {
        auto* io = dynamic_cast<TVexInterfaceObject*>(o.get());
        if (!io) continue;
        for (int kind = 0; kind < 4; ++kind)
            for (const std::string& c : io->Commands(static_cast<TVexEventKind>(kind))) {
                std::smatch m;
                ++commands;
                ASSERT_TRUE(std::regex_match(c, m, command)) << io->Name << ": " << c;
                if (m[1] == "RunMethod")
                    EXPECT_TRUE(handlers.count(m[2])) << io->Name << ": " << c;
                else
                    EXPECT_NE(world_.Engine.FindForm(m[2]), nullptr) << io->Name << ": " << c;
            }
    }
    EXPECT_GT(commands, 30);

    // Every object with text in the interface file has its English text in the overlay.
    TVexParser overlay;
    overlay.LoadFromText(FileText(std::string(QUORREL_GAME_DIR) + "/lng/ENU_1.lng"));
    ASSERT_FALSE(overlay.Tags.empty());
    std::set<std::string> translated;
    for (const auto& o : overlay.Tags[0]->Tags)
        if (!Prop(*o, "Caption").empty()) translated.insert(Prop(*o, "Name"));
    TVexParser li;
    li.LoadFromText(text_);
    int captions = 0;
    for (const auto& o : li.Tags[0]->Tags) {
        if (Prop(*o, "Caption").empty()) continue;
        ++captions;
        EXPECT_TRUE(translated.count(Prop(*o, "Name"))) << Prop(*o, "Name");
    }
    EXPECT_GT(captions, 80);
}

// The game explains a skill when the pointer rests in a fixed area of the screen; each skill's
// tile must be drawn right there, and its row of controls beside it.
TEST_F(InterfaceFileTest, EachSkillTileSitsOnItsHintAreaWithItsRowBesideIt) {
    const std::string menu = "WBetweenLevelMenu";
    const auto& window = Get(menu);
    for (size_t i = 0; i < Skills.size(); ++i) {
        const std::string& s = Skills[i];
        const std::string hint = "LHintSkill" + s;
        ExpectObject("LSkill" + s + menu, "TVexLabel", menu);
        const auto& tile = Get("LSkill" + s + menu);
        EXPECT_TRUE(tile.Visible) << s;
        EXPECT_EQ(tile.Picture, "Skill" + s + ".png");
        EXPECT_EQ(tile.Width, 80) << s;
        EXPECT_EQ(tile.Height, 80) << s;
        // every pixel of the tile explains this skill, and the pixels just above and to the
        // left of it do not
        const int x0 = tile.OriginLeft, y0 = tile.OriginTop;
        const int x1 = x0 + tile.Width - 1, y1 = y0 + tile.Height - 1;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                ASSERT_EQ(SkillHintLabelAt({x, y}), hint) << s << " at " << x << "," << y;
        EXPECT_NE(SkillHintLabelAt({x0 - 1, y0}), hint) << s;
        EXPECT_NE(SkillHintLabelAt({x0, y0 - 1}), hint) << s;
        // the game's area ends at most one pixel past the tile (its far edges are inclusive)
        EXPECT_NE(SkillHintLabelAt({x1 + 2, y0}), hint) << s;
        EXPECT_NE(SkillHintLabelAt({x0, y1 + 2}), hint) << s;

        // caption, "+", pending, "-" and (for the first three) the count, left to right on the
        // tile's row, within the window
        const std::string caption = "VexLabel" + std::to_string(203 + i) + std::to_string(203 + i);
        std::vector<std::string> row = {caption, "BLeft" + s + menu, "L" + s + "Exp" + menu,
                                        "BRight" + s + menu};
        if (i < 3) row.push_back("L" + s + "Count" + menu);
        int right = x1;
        for (const std::string& name : row) {
            const auto& o = Get(name);
            EXPECT_GT(o.OriginLeft, right) << name;
            EXPECT_GE(o.OriginTop, y0) << name;
            EXPECT_LE(o.OriginTop + o.Height - 1, y1) << name;
            EXPECT_LE(std::abs(2 * o.OriginTop + o.Height - (y0 + y1 + 1)), 1) << name;
            right = o.OriginLeft + o.Width - 1;
        }
        EXPECT_LT(right, window.OriginLeft + window.Width) << s;
    }
}

// Nothing in the between-level menu covers anything else, and all of it is inside the window,
// which is on the screen.
TEST_F(InterfaceFileTest, TheBetweenLevelMenuHasNoOverlapsAndStaysOnScreen) {
    const std::string menu = "WBetweenLevelMenu";
    const auto& window = Get(menu);
    EXPECT_GE(window.OriginLeft, 0);
    EXPECT_GE(window.OriginTop, 0);
    EXPECT_LE(window.OriginLeft + window.Width, 800);
    EXPECT_LE(window.OriginTop + window.Height, 600);
    auto inside = [](const TVexInterfaceObject& o, const TVexInterfaceObject& box) {
        return o.OriginLeft >= box.OriginLeft && o.OriginTop >= box.OriginTop &&
               o.OriginLeft + o.Width <= box.OriginLeft + box.Width &&
               o.OriginTop + o.Height <= box.OriginTop + box.Height;
    };
    auto overlap = [](const TVexInterfaceObject& a, const TVexInterfaceObject& b) {
        return a.OriginLeft < b.OriginLeft + b.Width && b.OriginLeft < a.OriginLeft + a.Width &&
               a.OriginTop < b.OriginTop + b.Height && b.OriginTop < a.OriginTop + a.Height;
    };
    // The skills column's frame holds the rows; the level pages take turns in one place.
    const std::string frame = "LSkillPanel" + menu;
    std::vector<const TVexInterfaceObject*> items;
    for (const auto& p : world_.Engine.FVexObjects) {
        auto* o = dynamic_cast<TVexInterfaceObject*>(p.get());
        if (!o || o->Name == menu || WindowOf(o) != menu) continue;
        if (o->ParentName != menu) {
            // a page's text or the hero picture: inside its parent
            auto* parent = dynamic_cast<TVexInterfaceObject*>(o->Parent);
            ASSERT_NE(parent, nullptr) << o->Name;
            EXPECT_TRUE(inside(*o, *parent)) << o->Name;
            continue;
        }
        EXPECT_TRUE(inside(*o, window)) << o->Name;
        if (o->Name != frame) items.push_back(o);
    }
    EXPECT_GT(items.size(), 40u);
    for (size_t a = 0; a < items.size(); ++a)
        for (size_t b = a + 1; b < items.size(); ++b) {
            const bool pages =
                items[a]->ClassName() == "TVexTabForm" && items[b]->ClassName() == "TVexTabForm";
            if (!pages) {
                EXPECT_FALSE(overlap(*items[a], *items[b]))
                    << items[a]->Name << " and " << items[b]->Name;
            }
        }
}

// The buttons added for the between-level menu and the end of the game, clicked.
TEST_F(InterfaceFileTest, TheNewButtonsAndPagesWork) {
    TVexInterfaceEngine& engine = world_.Engine;
    auto click = [this](const std::string& name) {
        auto& o = Get(name);
        world_.Click(o.OriginLeft + o.Width / 2, o.OriginTop + o.Height / 2);
    };

    engine.ChangeModal("WBetweenLevelMenu");
    for (const std::string& s : Skills) {
        click("BLeft" + s + "WBetweenLevelMenu");
        click("BRight" + s + "WBetweenLevelMenu");
        EXPECT_EQ(world_.Calls["BLeft" + s + "WBetweenLevelMenuMouseUp"], 1) << s;
        EXPECT_EQ(world_.Calls["BRight" + s + "WBetweenLevelMenuMouseUp"], 1) << s;
    }
    // Each finished level shows its own page: the page before it must go.
    Get("TLevel1WBetweenLevelMenu").SetVisible(true);
    Get("TLevel2WBetweenLevelMenu").SetVisible(true);
    EXPECT_FALSE(Get("TLevel1WBetweenLevelMenu").Visible);
    EXPECT_FALSE(Get("LLevel1TextWBetweenLevelMenu").CanReact());
    EXPECT_TRUE(Get("LLevel2TextWBetweenLevelMenu").CanReact());

    // After the last level the final score opens over the menu; OK keeps the entry and shows
    // the table over the title.
    engine.ShowModal("WGameFinishedDialog");
    click("BOkWGameFinishedDialog");
    EXPECT_EQ(world_.Calls["BOkWGameFinishedDialogMouseUp"], 1);
    ASSERT_NE(engine.TopWindow(), nullptr);
    EXPECT_EQ(engine.TopWindow()->Name, "WHighScores");
    EXPECT_EQ(engine.ModalStack.size(), 2u);
    click("BBackWHighScores");
    EXPECT_EQ(engine.TopWindow()->Name, "WTitle");

    // Each list window opens from its button, and each question goes back to what asked it.
    const std::vector<std::vector<std::string>> paths = {
        {"BLoadWTitle", "WLoad", "BDeleteWLoad", "WDeleteGameDialog", "BCancelWDeleteGameDialog",
         "BCancelWLoad"},
        {"BScoresWTitle", "WHighScores", "BClearWHighScores", "WClearDialog", "BOkWClearDialog",
         "BBackWHighScores"}};
    for (const auto& p : paths) {
        click(p[0]);
        EXPECT_EQ(engine.TopWindow()->Name, p[1]) << p[0];
        click(p[2]);
        engine.ShowModal(p[3]); // the delete question opens from the game, for a real file
        EXPECT_EQ(engine.TopWindow()->Name, p[3]) << p[2];
        click(p[4]);
        EXPECT_EQ(engine.TopWindow()->Name, p[1]) << p[4];
        click(p[5]);
        EXPECT_EQ(engine.TopWindow()->Name, "WTitle") << p[5];
    }
    engine.ChangeModal("WBetweenLevelMenu");
    click("BSaveWBetweenLevelMenu");
    EXPECT_EQ(world_.Calls["BSaveWBetweenLevelMenuMouseUp"], 1);
    EXPECT_EQ(engine.TopWindow()->Name, "WSave");

    // Play starts the game and leaves the game window on top.
    engine.ChangeModal("WTitle");
    click("BNewWTitle");
    EXPECT_EQ(world_.Calls["BNewWTitleMouseUp"], 1);
    click("BPlayWStartDialog");
    EXPECT_EQ(world_.Calls["BPlayWStartDialogMouseUp"], 1);
    EXPECT_EQ(engine.TopWindow()->Name, "WGame");
}

} // namespace
