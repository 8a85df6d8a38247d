#include "main/shell/MainForm.h"

#include "archive/DebugLog.h"

TMainForm::TMainForm(Platform& platform, TMainFormOptions options)
    : platform_(platform), options_(options) {}

void TMainForm::FormCreate(bool sender) {
    if (sender) {
        programFolder_ = platform_.Host.ProgramFolder();
        Rand.SetSeed(options_.Seed ? *options_.Seed : platform_.Clock.Now());
        Settings = LoadOptions(GamePath("options.cfg"));
        OpenAudio();
    }
    Settings = LoadOptions(GamePath("options.cfg"));
    StyleWindow();
}

// Sound only with the audio library version the game was made for; otherwise the game runs
// silent but playable.
void TMainForm::OpenAudio() {
    IAudioDevice& audio = platform_.Audio;
    audioEnabled_ = audio.GetVersion() == AudioVersion && audio.Init(-1, 22050, 0);
    if (audioEnabled_) audio.Start();
    audio.SetGlobalVolumes(VolumeFromIndex(Settings.MusicVolumeIdx),
                           VolumeFromIndex(Settings.SoundVolumeIdx), 0);
}

void TMainForm::StyleWindow() {
    // The window's look follows the display mode when the display is opened; nothing to do
    // before that.
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
    frame_.assign(static_cast<size_t>(FrameWidth) * FrameHeight, 0);
    Clock.Start(platform_.Clock.Now());
    // The activation message: it brings the resume message, which starts the frames.
    PostResume();
}

void TMainForm::FormDestroy() {
    try {
        SaveOptions(GamePath("options.cfg"), Settings);
    } catch (const std::exception& e) {
        Log(e.what());
    }
    RemoveIdle();
    platform_.Display.Close();
}

void TMainForm::Idle() {
    uint32_t now = platform_.Clock.Now();
    Clock.BeginFrame(now);
    if (!platform_.Display.IsOpen()) return;
    GameTick(now);
    Clock.SampleFps(now);
    RenderFrame();
    PresentFrame();
    Clock.EndFrame(platform_.Clock.Now());
}

void TMainForm::FormPaint() {
    if (!platform_.Display.IsOpen()) return;
    RenderFrame();
    PresentFrame();
}

void TMainForm::GameTick(uint32_t) {}

void TMainForm::RenderFrame() {
    Clock.CountFrame();
}

void TMainForm::PresentFrame() {
    FrameView view;
    view.Pixels = reinterpret_cast<const uint8_t*>(frame_.data());
    view.Width = FrameWidth;
    view.Height = FrameHeight;
    view.Pitch = FrameWidth * 4;
    view.BitsPerPixel = 32;
    if (platform_.Display.BitsPerPixel() == 16) {
        // Black is black at either depth.
        view.Pitch = FrameWidth * 2;
        view.BitsPerPixel = 16;
    }
    platform_.Display.Present(view);
}

void TMainForm::HandleEvent(const PlatformEvent& event) {
    switch (event.Type) {
    case EventType::Quit:
        Close();
        break;
    case EventType::Deactivate:
        Deactivated();
        break;
    case EventType::Activate:
        Activated();
        break;
    case EventType::Expose:
        FormPaint();
        break;
    default:
        break;
    }
}

void TMainForm::Deactivated() {
    RemoveIdle();
    Paused = true;
    if (audioEnabled_) platform_.Audio.Pause();
}

void TMainForm::Activated() {
    PostResume();
    Paused = false;
}

void TMainForm::ProcessMessages() {
    if (!resumePosted_) return;
    resumePosted_ = false;
    Resumed();
}

void TMainForm::Resumed() {
    InstallIdle();
    if (audioEnabled_) platform_.Audio.Start();
}

void TMainForm::Log(const std::string& message) {
    DebugLog(GamePath("debug.log"), message);
}
