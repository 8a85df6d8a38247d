#include "graphics/SurfEngine.h"
#include "interface/VexProgressBar.h"
#include "main/effects/EffectList.h"
#include "main/effects/EffectRuntime.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"

namespace {
const char* const LoadingBar = "ProgressBarWProgressBar";
}

bool TFormLevelHost::HasProgressBar() {
    return dynamic_cast<TVexProgressBar*>(form_.Interface().FindInterfaceObject(LoadingBar));
}

void TFormLevelHost::SetProgress(int position) {
    if (auto* bar =
            dynamic_cast<TVexProgressBar*>(form_.Interface().FindInterfaceObject(LoadingBar)))
        bar->Position = position;
}

// The loading window over the last composed background, so the bar is seen to move.
void TFormLevelHost::RepaintScreen() {
    TSurfEngine& s = form_.Surfaces();
    if (s.FindSurface("MemorySurface") < 0 || s.FindSurface("Background") < 0) return;
    s.CopySurface("Background", "MemorySurface", std::nullopt, 0, 0);
    form_.Interface().DrawAll();
    s.PresentFrame();
}

bool TFormLevelHost::StartSurfaceEffect(const std::string& type, const std::string& surface,
                                        TPoint at) {
    form_.EffectRuntime().StartEffectType(type, type, surface, at, -1, -1, form_.Now());
    return true;
}

void TFormLevelHost::RestartEmitters(uint32_t now) {
    form_.EffectRuntime().RestartEffectTypes(now);
}

void TFormLevelHost::ClearSprites() {
    EffectListOf(form_.Surfaces()).Clear();
}

void TFormLevelHost::ResetKeySequences() {
    session_.Input().ResetKeySequences();
}
