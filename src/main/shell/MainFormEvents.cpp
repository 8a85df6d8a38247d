// Window events: the application's state to the form, mouse and keys to the play input, which
// shares them with the interface.
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"

namespace {
int ButtonNumber(MouseButton b) {
    return b == MouseButton::Left ? ibLeft : b == MouseButton::Right ? ibRight : ibMiddle;
}
} // namespace

void TMainForm::HandleEvent(const PlatformEvent& event) {
    const uint32_t now = platform_.Clock.Now();
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
        RouteInput(event, now);
        break;
    }
}

// Before the data is loaded there is nothing on screen to answer.
void TMainForm::RouteInput(const PlatformEvent& event, uint32_t now) {
    if (!session_ || closing_) return;
    TPlayInput& input = session_->Input();
    switch (event.Type) {
    case EventType::MouseMove:
        input.FormMouseMove(event.X, event.Y, now);
        break;
    case EventType::MouseDown:
        input.FormMouseDown(ButtonNumber(event.Button), event.X, event.Y, now);
        break;
    case EventType::MouseUp:
        input.FormMouseUp(ButtonNumber(event.Button), event.X, event.Y);
        break;
    case EventType::MouseWheel:
        input.FormMouseWheel(event.WheelDelta);
        break;
    case EventType::KeyDown:
        input.FormKeyDown(event.Key, event.Shift, now);
        break;
    case EventType::KeyUp:
        input.FormKeyUp(event.Key);
        break;
    case EventType::Char:
        input.FormKeyPress(event.Char);
        break;
    default:
        break;
    }
}
