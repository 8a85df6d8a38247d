#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"

// What the play input asks of the rest of the game beyond the rules' host: the interface
// engine (events it shares with the board, windows, published handlers), the renderer's
// state, the display switch, the level's timers and the demo. The form implements every
// request, so one it forgets fails to compile; headless runs derive from TQuietInputHost.
class IPlayInputHost {
  public:
    virtual ~IPlayInputHost() = default;

    // --- the interface engine ------------------------------------------------------------
    // Buttons: 0 left, 1 right, 2 middle.
    virtual void InterfaceMouseMove(int x, int y) = 0;
    virtual void InterfaceMouseDown(int button, int x, int y) = 0;
    virtual void InterfaceMouseUp(int button, int x, int y) = 0;
    virtual void InterfaceKeyDown(int key, unsigned shift) = 0;
    virtual void InterfaceKeyPress(uint8_t ch) = 0;
    virtual void ShowModal(const std::string& window) = 0;
    // The name of the window on top of the stack; empty when none.
    virtual std::string TopWindowName() = 0;
    // Runs a published handler by name, as "RunMethod" does; false when there is none.
    virtual bool CallMethod(const std::string& name) = 0;

    // --- the renderer ----------------------------------------------------------------------
    // The pointer moved: where it is drawn and when it last moved (for the skill hints).
    virtual void PointerMoved(TPoint at, uint32_t now) = 0;
    // A click on the board: the level picture under the map point (if any) shows the frags it
    // covers for a second.
    virtual void HighlightPictureAt(TPoint mapPoint, uint32_t now) = 0;
    virtual void ToggleFrameRate() = 0;
    virtual void ToggleBlockedSquares() = 0;

    // --- the rest of the game --------------------------------------------------------------
    virtual void SwitchDisplayMode() = 0;
    // The level's animation timers restart as after a pause (pictures, emitters).
    virtual void RestartLevelTimers(uint32_t now) = 0;
    // Ends demo playback and returns to the title.
    virtual void StopDemo() = 0;
    // Starts demo recording, or stops it and writes the recording.
    virtual void ToggleDemoRecording(uint32_t now) = 0;
};

// An input host with no window: the interface sees nothing, no handler exists, no window is
// on top. Headless runs override what they serve (the level's timers, the demo).
class TQuietInputHost : public IPlayInputHost {
  public:
    void InterfaceMouseMove(int, int) override {}
    void InterfaceMouseDown(int, int, int) override {}
    void InterfaceMouseUp(int, int, int) override {}
    void InterfaceKeyDown(int, unsigned) override {}
    void InterfaceKeyPress(uint8_t) override {}
    void ShowModal(const std::string&) override {}
    std::string TopWindowName() override { return {}; }
    bool CallMethod(const std::string&) override { return false; }
    void PointerMoved(TPoint, uint32_t) override {}
    void HighlightPictureAt(TPoint, uint32_t) override {}
    void ToggleFrameRate() override {}
    void ToggleBlockedSquares() override {}
    void SwitchDisplayMode() override {}
    void RestartLevelTimers(uint32_t) override {}
    void StopDemo() override {}
    void ToggleDemoRecording(uint32_t) override {}
};
