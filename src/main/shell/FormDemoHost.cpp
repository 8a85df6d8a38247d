#include "archive/SafeFile.h"
#include "graphics/SurfEngine.h"
#include "main/effects/EffectList.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"

namespace {
// A recording of a few minutes is a few hundred KB; a larger file is not a demo of ours.
constexpr size_t DemoReadLimit = 16 * 1024 * 1024;
} // namespace

bool TFormDemoHost::ReadDemoFile(std::string& text) {
    const std::string path = form_.Folders().DemoToPlay();
    return FileExists(path) && ReadFileStart(path, DemoReadLimit, text);
}

void TFormDemoHost::WriteDemoFile(const std::string& text) {
    WriteFileAtomically(form_.UserPath(TDemo::FileName), text);
}

void TFormDemoHost::ReplayMove(TPoint at, uint32_t) {
    // Sparks that follow the pointer follow the recorded one.
    EffectListOf(form_.Surfaces()).MoveFollowers(at);
    session_.Input().ReplayMove(at.X, at.Y);
}

void TFormDemoHost::ReplayPress(int button, TPoint at, uint32_t now) {
    session_.Input().ReplayPress(button, at.X, at.Y, now);
}

void TFormDemoHost::SetPointerImage(const std::string& image) {
    session_.Input().SetPointer(image);
}
