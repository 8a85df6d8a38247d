// The game: a window, the desktop's audio, and the main loop.
#include <SDL.h>

#include <cstdio>
#include <iostream>

#include "archive/GameFolders.h"
#include "main/shell/CommandLine.h"
#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlHost.h"

namespace {

// Before there is a window: on stderr and, where a desktop is at hand, in a message box.
void ShowStartFailure(const std::string& text) {
    std::fprintf(stderr, "Quorrel: %s\n", text.c_str());
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Quorrel", text.c_str(), nullptr);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int Play(const TGameFolders& folders, const TCommandLine& line) {
    SdlDisplay display;
    SdlHost host(display);
    SdlClock clock;
    // The game runs silent when no output device can be opened.
    SdlAudioDevice audio;
    Platform platform{clock, display, audio, host};
    TMainFormOptions options;
    options.Folders = folders;
    options.FullScreen = line.FullScreen;
    TMainForm form(platform, options);
    TGameLoop loop(form, host);
    int status = 0;
    try {
        form.FormCreate(true);
        form.FormActivate();
        loop.Run();
    } catch (const std::exception& e) {
        host.ShowMessage("Quorrel", e.what());
        status = 1;
    }
    form.FormDestroy();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const TCommandLine line = ParseCommandLine({argv + 1, argv + argc});
    if (!line.Error.empty()) {
        std::cerr << "quorrel: " << line.Error << "\n" << CommandLineUsage();
        return 2;
    }
    if (line.Help) {
        std::cout << CommandLineUsage();
        return 0;
    }
    if (line.Version) {
        std::cout << "quorrel " << QUORREL_VERSION << "\n";
        return 0;
    }
    const TFolderSearch search = LocateGameFolders(TFolderEnvironment::Current(line.DataFolder));
    if (!search.Folders) {
        ShowStartFailure(search.Message());
        return 1;
    }
    try {
        CreateUserFolder(*search.Folders);
    } catch (const std::exception& e) {
        ShowStartFailure(e.what());
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Quorrel cannot start: %s\n", SDL_GetError());
        return 1;
    }
    SDL_DisableScreenSaver();
    const int status = Play(*search.Folders, line);
    SDL_Quit();
    return status;
}
