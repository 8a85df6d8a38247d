// The game: a window, the desktop's audio, and the main loop.
#include <SDL.h>

#include <cstdio>

#include "main/shell/GameLoop.h"
#include "main/shell/MainForm.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlHost.h"

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Quorrel cannot start: %s\n", SDL_GetError());
        return 1;
    }
    SDL_DisableScreenSaver();
    int status = 0;
    {
        SdlDisplay display;
        SdlHost host(display);
        SdlClock clock;
        // The game runs silent when no output device can be opened.
        SdlAudioDevice audio;
        Platform platform{clock, display, audio, host};
        TMainForm form(platform);
        TGameLoop loop(form, host);
        try {
            form.FormCreate(true);
            form.FormActivate();
            loop.Run();
        } catch (const std::exception& e) {
            host.ShowMessage("Quorrel", e.what());
            status = 1;
        }
        form.FormDestroy();
    }
    SDL_Quit();
    return status;
}
