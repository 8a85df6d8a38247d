#include "graphics/DisplaySwitch.h"

#include "graphics/SurfEngine.h"
#include "platform/Platform.h"

bool OpenGameDisplay(IDisplay& display, int bitsPerPixel, bool fullScreen) {
    const int w = TSurfEngine::ScreenWidth, h = TSurfEngine::ScreenHeight;
    return display.Open(w, bitsPerPixel, h, fullScreen) || display.Open(w, 16, h, fullScreen);
}

bool SwitchGameDisplay(TSurfEngine& engine, IDisplay& display, int bitsPerPixel, bool fullScreen,
                       TFileFolder& archive1, TFileFolder& archive2) {
    engine.DetachDisplay();
    engine.ReleaseSurfaceMemory();
    display.Close();
    if (!OpenGameDisplay(display, bitsPerPixel, fullScreen)) return false;
    engine.AttachDisplay(&display, TSurfEngine::ScreenWidth, TSurfEngine::ScreenHeight);
    engine.RecreateSurfaces(archive1, archive2, TSurfEngine::ScreenWidth,
                            TSurfEngine::ScreenHeight);
    return true;
}
