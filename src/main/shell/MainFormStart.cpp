// Start-up of the main form: engines, archives, fonts, interface, language, display, tables,
// images, sounds, and the title window.
#include <filesystem>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "graphics/Preparation.h"
#include "graphics/ResourceList.h"
#include "graphics/SurfEngine.h"
#include "interface/VexCheckBox.h"
#include "main/rules/GeometryLoader.h"
#include "main/shell/GameSession.h"
#include "main/shell/LanguageStart.h"
#include "main/shell/MainForm.h"
#include "main/shell/WindowIcon.h"

template <class Step> void TMainForm::Guard(const char* what, Step step) {
    try {
        step();
    } catch (const std::exception& e) {
        Log(std::string(what) + ": " + e.what());
        platform_.Host.ShowMessage("Quorrel", e.what());
    }
}

void TMainForm::FormCreate(bool sender) {
    if (sender) {
        Rand.SetSeed(options_.Seed ? *options_.Seed : platform_.Clock.Now());
        resources_ = std::make_unique<TResourceList>(folders_.Data, *surfaces_);
        Settings = LoadOptions(UserPath("options.cfg"));
        if (options_.BitsPerPixel) Settings.BitsPerPixel = *options_.BitsPerPixel;
        if (options_.FullScreen) {
            fileFullScreenMode_ = Settings.FullScreenMode;
            Settings.FullScreenMode = *options_.FullScreen ? 1 : 0;
        }
        audio_.Open();
        ShowWindowIcon();
        Guard("Preparing the archives", [&] { PrepareArchives(); });
        CreateEngines();
        Guard("Loading the interface", [&] { LoadInterfaceFiles(); });
        Guard("Loading the language", [&] { StartLanguage(); });
    }
    // A restyle keeps the settings in memory: they are what the screen and the speakers show,
    // even when the file could not take them.
    StyleWindow();
}

// The desktop shows the game's icon on its window; a data folder without the picture (a mod's)
// leaves the desktop's own, which is no fault worth a line in the log.
void TMainForm::ShowWindowIcon() {
    std::vector<uint8_t> rgba;
    int width = 0, height = 0;
    if (LoadWindowIcon(DataPath("game/quorrel.png"), rgba, width, height))
        platform_.Host.SetWindowIcon(rgba, width, height);
}

void TMainForm::PrepareArchives() {
    IWindowHost& host = platform_.Host;
    TPreparationDisplay display;
    display.Show = [&host](const std::string& text, const std::string& path, int percent) {
        host.ShowProgress(text, path, percent);
    };
    display.Hide = [&host] { host.HideProgress(); };
    PrepareGameArchives(folders_.Data, folders_.User, display);
    OpenPreparedArchives(folders_.User, *resources_);
    squaresArchive_ = resources_->FindArchive(UserPath("temp/squares.zxc"));
    gameArchive_ = resources_->FindArchive(UserPath("temp/game.zxc"));
}

// The interface with its screen object, ready for the fonts and the interface file.
void TMainForm::CreateEngines() {
    interface_.Owner = &methods_;
    interface_.Graphic = graphic_.get();
    if (interface_.FindInterfaceObject("VexScreen")) return;
    auto* screen = dynamic_cast<TVexInterfaceObject*>(
        interface_.CreateObject("Nil", &methods_, "TVexInterfaceObject"));
    if (!screen) return;
    screen->Left = screen->Top = 0;
    screen->Width = FrameWidth;
    screen->Height = FrameHeight;
}

void TMainForm::LoadInterfaceFiles() {
    TFileFolder* game = GameArchive();
    if (!game) return;
    fonts_.LoadFonts(game->Read("arial12.xml"));
    interface_.LoadInterface(game->Read("Quorrel.li"));
}

void TMainForm::StartLanguage() {
    language_ = std::make_unique<TLanguageStart>(interface_, DataPath("lng/"));
    std::string code = platform_.Host.ReadUserSetting("LangStr");
    language_->SetCurrent(code.size() >= 3 ? code.substr(0, 3) : "ENU");
    language_->SetupLanguageWindow();
    language_->ApplyLanguage();
}

void TMainForm::ChooseLanguage(const std::string& code) {
    if (!language_) return;
    language_->SetCurrent(code);
    language_->ApplyLanguage();
    platform_.Host.WriteUserSetting("LangStr", code);
}

const std::string& TMainForm::CurrentLanguage() const {
    static const std::string none = "ENU";
    return language_ ? language_->Current() : none;
}

// The window's look follows the display mode, which the platform applies when the display
// is opened.
void TMainForm::StyleWindow() {}

// Window mode opens where the options file says; without the keys the desktop decides.
void TMainForm::PlaceWindow() {
    if (Settings.FullScreenMode != 1 && Settings.WindowPlaced)
        platform_.Display.SetWindowPosition(Settings.WindowModeX, Settings.WindowModeY);
}

void TMainForm::FormActivate() {
    if (dataLoaded_) return;
    dataLoaded_ = true;
    LoadGameData();
}

bool TMainForm::OpenDisplay(int bitsPerPixel) {
    bool full = Settings.FullScreenMode == 1;
    if (platform_.Display.Open(FrameWidth, bitsPerPixel, FrameHeight, full)) return true;
    Log("Cannot open the display at " + std::to_string(bitsPerPixel) + " bits per pixel");
    return false;
}

void TMainForm::LoadGameData() {
    if (!OpenDisplay(Settings.BitsPerPixel) && !OpenDisplay(16)) return;
    PlaceWindow();
    surfaces_->AttachDisplay(&platform_.Display, FrameWidth, FrameHeight);
    surfaces_->CreateBlankSurface("MemorySurface", FrameWidth, FrameHeight);
    surfaces_->CreateBlankSurface("Background", FrameWidth, FrameHeight);
    if (gameArchive_ >= 0) resources_->ReadSurfaceList(UserPath("temp/game.zxc"), 1);
    if (squaresArchive_ >= 0) resources_->ReadSurfaceList(UserPath("temp/squares.zxc"), 2);

    game_.MapScroll = game_.ScrollTarget = game_.ScrollTurn = 9750;
    game_.ScrollSpeed = 0;
    game_.HammerCount = 3;
    game_.ClipperCount = 3;
    game_.Level.BumperBlockTime = 8000;
    game_.PutAllow = Settings.PutAllow;
    game_.TakeAllow = Settings.TakeAllow ? taBorderFish : taDenied;

    LoadTables();
    LoadImages();
    game_.SetPointer(PointerNormal);
    game_.Level.CombPos = 0;
    game_.HeldPiece = -1;

    const uint32_t now = platform_.Clock.Now();
    if (TFileFolder* game = GameArchive()) {
        Guard("Loading the effect types",
              [&] { effectTypes_.LoadEffectTypes(*game, TEffectTypes::FileName, now); });
        Guard("Loading the sounds", [&] { audio_.LoadLists(*game); });
    }
    audio_.Play(TAudioEngine::TitleMusic);
    session_ = std::make_unique<TGameSession>(*this);
    session_->Start();
    SetOptionControls();
    Clock.Start(now);
    // The activation message: it brings the resume message, which starts the frames.
    PostResume();
    interface_.ShowModal("WTitle");
    game_.GameState = gsTitle;
    RebuildBackground();
}

void TMainForm::LoadTables() {
    TFileFolder* game = GameArchive();
    TFileFolder* squares = SquaresArchive();
    if (game)
        Guard("Loading the bonus types",
              [&] { bonusTypes_ = LoadBonusTypes(*game, "BonusTypes.dat"); });
    if (squares)
        Guard("Loading the piece geometry",
              [&] { LoadGeometry(geometry_, *squares, "Squares", *this); });
}

// Every image the catalogue names, the glyph pictures of the fonts with them.
void TMainForm::LoadImages() {
    if (gameArchive_ >= 0)
        for (const std::string& picture : fonts_.GlyphPictures())
            resources_->RegisterResource(picture, picture, 1, UserPath("temp/game.zxc"));
    Guard("Loading the images", [&] { resources_->ResolveSurfaces(TResourceList::SlotCount); });
}

void TMainForm::SetChecked(const std::string& name, bool checked) {
    if (auto* box = dynamic_cast<TVexCheckBox*>(interface_.FindInterfaceObject(name)))
        box->SetChecked(checked);
}

// The options window shows the settings; the start dialog starts with the hammer kit in the
// normal mode.
void TMainForm::SetOptionControls() {
    methods_.CallMethod("RHammerWStartDialogMouseUp");
    methods_.CallMethod("RNormalWStartDialogMouseUp");
    if (session_) session_->Options().ShowSettings();
}

bool TMainForm::ReopenDisplay() {
    if (!OpenDisplay(Settings.BitsPerPixel) && !OpenDisplay(16)) return false;
    surfaces_->AttachDisplay(&platform_.Display, FrameWidth, FrameHeight);
    TFileFolder* game = GameArchive();
    TFileFolder* squares = SquaresArchive();
    if (game && squares) surfaces_->RecreateSurfaces(*game, *squares, FrameWidth, FrameHeight);
    RebuildBackground();
    RenderFrame();
    return true;
}

bool TMainForm::SwitchDisplayMode() {
    Settings.FullScreenMode = 1 - Settings.FullScreenMode;
    // The player's own choice is kept, whatever the command line asked for.
    fileFullScreenMode_.reset();
    SaveSettings();
    surfaces_->DetachDisplay();
    platform_.Display.Close();
    surfaces_->ReleaseSurfaceMemory();
    FormCreate(false);
    if (!ReopenDisplay()) return false;
    PlaceWindow();
    SetChecked("CheckBoxFullScreenWOptions", Settings.FullScreenMode == 1);
    return true;
}
