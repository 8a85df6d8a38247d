// Mouse and keys: to the play input during a level, to the interface otherwise and whenever
// the pointer is the plain arrow.
#include "main/shell/MainForm.h"
#include "platform/VirtualKeys.h"

namespace {
int ButtonNumber(MouseButton b) {
    return b == MouseButton::Left ? 0 : b == MouseButton::Right ? 1 : 2;
}
} // namespace

void TMainForm::HandleEvent(const PlatformEvent& event) {
    const uint32_t now = platform_.Clock.Now();
    const bool normalPointer = game_.PointerImage == PointerNormal;
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
    case EventType::MouseMove:
        render_.PointerPos = {event.X, event.Y};
        render_.LastPointerMove = now;
        if (!game_.DemoPlaying) game_.PointerPos = {event.X, event.Y};
        if (input_) input_->MouseMove(event.X, event.Y, now);
        if (normalPointer) interface_.MouseMove(event.X, event.Y);
        break;
    case EventType::MouseDown:
        RouteMouseDown(event, now);
        break;
    case EventType::MouseUp:
        if (input_) input_->MouseUp(event.Button, event.X, event.Y);
        interface_.MouseUp(ButtonNumber(event.Button), event.X, event.Y);
        break;
    case EventType::MouseWheel:
        if (input_) input_->MouseWheel(event.WheelDelta, now);
        break;
    case EventType::KeyDown:
        RouteKeyDown(event, now);
        break;
    case EventType::KeyUp:
        if (input_) input_->KeyUp(event.Key);
        break;
    case EventType::Char:
        interface_.KeyPress(event.Char);
        break;
    }
}

void TMainForm::RouteMouseDown(const PlatformEvent& event, uint32_t now) {
    if (game_.PointerImage == PointerNormal || game_.GameState != gsPlaying)
        interface_.MouseDown(ButtonNumber(event.Button), event.X, event.Y);
    if (input_ && game_.GameState == gsPlaying && !closing_)
        input_->MouseDown(event.Button, event.X, event.Y, event.Shift, now);
}

void TMainForm::RouteKeyDown(const PlatformEvent& event, uint32_t now) {
    // Alt+Enter: window and full screen change places, in every state.
    if (event.Key == vk::Return && (event.Shift & shiftstate::Alt)) {
        SwitchDisplayMode();
        return;
    }
    if (event.Key == vk::F1 + 8 && Settings.DeveloperKeys()) // F9: the frame-rate line
        render_.ShowFrameRate = !render_.ShowFrameRate;
    bool pass = true;
    if (input_) pass = input_->KeyDown(event.Key, event.Shift, now);
    if (pass) interface_.KeyDown(event.Key, event.Shift);
}
