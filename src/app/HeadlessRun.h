#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

// The whole game on the headless platform over the game's folders, for the tool's commands that
// play it (run, demo author, soak): a virtual clock, scripted input, frames kept in memory.
// Start() runs the game's start-up; anything the platform should hold before it (the
// per-user language) is set on Host first.
struct THeadlessRun {
    static constexpr uint32_t StartTick = 100000;

    THeadlessRun(const TGameFolders& folders, TMainFormOptions options)
        : Host(folders.Data), Platform_{Clock, Display, Audio, Host},
          Form(Platform_, WithFolders(options, folders)), Loop(Form, Host) {}
    ~THeadlessRun() {
        if (started_) Form.FormDestroy();
    }
    THeadlessRun(const THeadlessRun&) = delete;
    THeadlessRun& operator=(const THeadlessRun&) = delete;

    void Start() {
        Form.FormCreate(true);
        Form.FormActivate();
        started_ = true;
    }
    // Ends the game as closing it does; the destructor then has nothing left to do.
    void Stop() {
        if (started_) Form.FormDestroy();
        started_ = false;
    }

    HeadlessClock Clock{StartTick};
    HeadlessDisplay Display;
    HeadlessAudio Audio;
    HeadlessHost Host;
    Platform Platform_;
    TMainForm Form;
    TGameLoop Loop;

  private:
    static TMainFormOptions WithFolders(TMainFormOptions options, const TGameFolders& folders) {
        options.Folders = folders;
        return options;
    }
    bool started_ = false;
};
