#include "interface/VexForm.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"

void TFormPlayHost::InterfaceMouseMove(int x, int y) {
    form_.Interface().MouseMove(x, y);
}

void TFormPlayHost::InterfaceMouseDown(int button, int x, int y) {
    form_.Interface().MouseDown(button, x, y);
}

void TFormPlayHost::InterfaceMouseUp(int button, int x, int y) {
    form_.Interface().MouseUp(button, x, y);
}

void TFormPlayHost::InterfaceKeyDown(int key, unsigned shift) {
    form_.Interface().KeyDown(key, shift);
}

void TFormPlayHost::InterfaceKeyPress(uint8_t ch) {
    form_.Interface().KeyPress(ch);
}

void TFormPlayHost::ShowModal(const std::string& window) {
    form_.Interface().ShowModal(window);
}

std::string TFormPlayHost::TopWindowName() {
    TVexForm* top = form_.Interface().TopWindow();
    return top ? top->Name : std::string();
}

bool TFormPlayHost::CallMethod(const std::string& name) {
    return form_.Methods().CallMethod(name);
}

void TFormPlayHost::PointerMoved(TPoint at, uint32_t now) {
    form_.Render().PointerPos = at;
    form_.Render().LastPointerMove = now;
}

void TFormPlayHost::HighlightPictureAt(TPoint mapPoint, uint32_t now) {
    const int picture = session_.Scenery().PictureAt(mapPoint);
    if (picture < 0) return;
    form_.Render().PictureHighlight = picture;
    form_.Render().PictureHighlightUntil = now + 1000;
}

void TFormPlayHost::ToggleFrameRate() {
    form_.Render().ShowFrameRate = !form_.Render().ShowFrameRate;
}

void TFormPlayHost::ToggleBlockedSquares() {
    form_.Render().ShowBlockedSquares = !form_.Render().ShowBlockedSquares;
}

void TFormPlayHost::SwitchDisplayMode() {
    form_.SwitchDisplayMode();
}

void TFormPlayHost::RestartLevelTimers(uint32_t now) {
    session_.Runtime().RestartLevelTimers(now);
}

void TFormPlayHost::StopDemo() {
    session_.Demo().StopDemo();
}

void TFormPlayHost::ToggleDemoRecording(uint32_t now) {
    session_.Demo().ToggleRecording(now);
}
