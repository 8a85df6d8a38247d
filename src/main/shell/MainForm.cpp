#include "main/shell/MainForm.h"

#include "graphics/ResourceList.h"
#include "graphics/SurfEngine.h"
#include "main/effects/EffectList.h"
#include "main/effects/EffectRuntime.h"
#include "main/shell/GameSession.h"
#include "main/shell/LanguageStart.h"
#include "main/shell/LevelLayers.h"
#include "main/shell/ShellRuleHooks.h"

TMainForm::TMainForm(Platform& platform, TMainFormOptions options)
    : platform_(platform), options_(options),
      folders_(options.Folders ? *options.Folders
                               : TGameFolders::Portable(platform.Host.ProgramFolder())),
      log_(folders_.UserPath("debug.log")), surfaces_(std::make_unique<TSurfEngine>()),
      interface_(&fonts_, &log_), audio_(platform.Audio, Settings.Volumes),
      game_(geometry_, bonusTypes_, Rand, *this), effectPieces_(game_) {
    TEffectList& effects = EffectListOf(*surfaces_);
    effects.SetPieces(&effectPieces_);
    effectRuntime_ = std::make_unique<TEffectRuntime>(effectTypes_, effects, Rand);
    effectRuntime_->SetPlaySound([this](const std::string& name) { audio_.Play(name); });
    effectRuntime_->SetCursor(
        [this] { return game_.DemoPlaying ? game_.PointerPos : render_.PointerPos; });
    hooks_ = std::make_unique<TShellRuleHooks>(effects, *effectRuntime_, *surfaces_, game_);
    game_.SetHooks(hooks_.get());
    graphic_ = std::make_unique<TShellGraphic>(
        *surfaces_, fonts_, [this](const std::string& n) { audio_.VexPlaySound(n); });
    renderer_ = std::make_unique<TGameRenderer>(
        TRenderContext{*surfaces_, interface_, fonts_, game_, render_, Settings, Clock, effects});
    RegisterPublishedHandlers();
}

TMainForm::~TMainForm() = default;

void TMainForm::DemoRecord(const std::string& event) {
    if (session_) session_->Demo().Record(event, platform_.Clock.Now());
}

int TMainForm::CurrentLevel() const {
    return session_ ? session_->Flow().Values.CurrentLevel : 0;
}

int TMainForm::TotalScore() const {
    return session_ ? session_->Flow().Values.TotalScore : 0;
}

void TMainForm::SetLevelLayers(ILevelLayers* layers) {
    layers_ = layers;
    renderer_->SetLevelLayers(layers);
}

void TMainForm::SetLevelHooks(IRuleHooks* hooks) {
    hooks_->SetLevelHooks(hooks);
}

TFileFolder* TMainForm::GameArchive() {
    return gameArchive_ < 0 ? nullptr : &resources_->Archive(gameArchive_);
}

TFileFolder* TMainForm::SquaresArchive() {
    return squaresArchive_ < 0 ? nullptr : &resources_->Archive(squaresArchive_);
}

void TMainForm::Idle() {
    uint32_t now = platform_.Clock.Now();
    Clock.BeginFrame(now);
    if (!platform_.Display.IsOpen()) return;
    if (game_.DemoPlaying && session_) session_->Demo().DemoStep(now);
    GameTick(now);
    Clock.SampleFps(now);
    RenderFrame();
    PresentFrame();
}

void TMainForm::FormPaint() {
    if (!platform_.Display.IsOpen()) return;
    RenderFrame();
    PresentFrame();
}

void TMainForm::GameTick(uint32_t now) {
    if (game_.GameState == gsPlaying && !Paused) game_.GameTick(now, Clock.FrameScale);
}

void TMainForm::RenderFrame() {
    if (surfaces_->FindSurface("MemorySurface") < 0) {
        Clock.CountFrame();
        return;
    }
    renderer_->RenderFrame(platform_.Clock.Now(), Paused);
}

void TMainForm::PresentFrame() {
    surfaces_->PresentFrame();
}

void TMainForm::Deactivated() {
    RemoveIdle();
    Paused = true;
    game_.PauseSkillTimers(platform_.Clock.Now());
    audio_.PauseOutput();
    RebuildBackground();
}

void TMainForm::Activated() {
    PostResume();
    Paused = false;
    game_.ResumeSkillTimers(platform_.Clock.Now());
}

void TMainForm::ProcessMessages() {
    if (!resumePosted_) return;
    resumePosted_ = false;
    Resumed();
}

// The resume message: frames run again and every running timer continues from now.
void TMainForm::Resumed() {
    const uint32_t now = platform_.Clock.Now();
    InstallIdle();
    Clock.Resume(now);
    if (layers_) layers_->RestartTimers(now);
    game_.WobbleTime = now;
    game_.ResumeSkillTimers(now);
    audio_.ResumeOutput();
}

void TMainForm::FormDestroy() {
    SaveSettings();
    RemoveIdle();
    surfaces_->DetachDisplay();
    platform_.Display.Close();
}

bool TMainForm::SaveSettings() {
    try {
        TGameSettings kept = Settings;
        if (fileFullScreenMode_) kept.FullScreenMode = *fileFullScreenMode_;
        SaveOptions(UserPath("options.cfg"), kept);
        return true;
    } catch (const std::exception& e) {
        Log(e.what());
        // Once a run is enough: the player cannot mend the folder from inside the game.
        if (!settingsFailureShown_) ShowMessage(e.what());
        settingsFailureShown_ = true;
        return false;
    }
}

void TMainForm::Log(const std::string& message) {
    log_.Write(message);
}
