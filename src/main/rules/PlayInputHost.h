#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"

// What the play input asks of the rest of the game beyond the rules' host: the interface
// engine (events it shares with the board, windows, published handlers), the renderer's
// state, the display switch, the level's timers and the demo. Most requests have a
// do-nothing default, so a host only overrides what it serves; the demo's two have none, as
// the game relies on them.
class IPlayInputHost {
  public:
    virtual ~IPlayInputHost() = default;

    // --- the interface engine ------------------------------------------------------------
    // Buttons: 0 left, 1 right, 2 middle.
    virtual void InterfaceMouseMove(int x, int y) { (void)x, (void)y; }
    virtual void InterfaceMouseDown(int button, int x, int y) { (void)button, (void)x, (void)y; }
    virtual void InterfaceMouseUp(int button, int x, int y) { (void)button, (void)x, (void)y; }
    virtual void InterfaceKeyDown(int key, unsigned shift) { (void)key, (void)shift; }
    virtual void InterfaceKeyPress(uint8_t ch) { (void)ch; }
    virtual void ShowModal(const std::string& window) { (void)window; }
    // The name of the window on top of the stack; empty when none.
    virtual std::string TopWindowName() { return {}; }
    // Runs a published handler by name, as "RunMethod" does; false when there is none.
    virtual bool CallMethod(const std::string& name) { return (void)name, false; }

    // --- the renderer ----------------------------------------------------------------------
    // The pointer moved: where it is drawn and when it last moved (for the skill hints).
    virtual void PointerMoved(TPoint at, uint32_t now) { (void)at, (void)now; }
    // The single-square type the clipper would make at the frag; type -1 draws nothing.
    virtual void SetClipPreview(int type, int frag) { (void)type, (void)frag; }
    // A click on the board: the level picture under the map point (if any) shows the frags it
    // covers for a second.
    virtual void HighlightPictureAt(TPoint mapPoint, uint32_t now) { (void)mapPoint, (void)now; }
    virtual void ToggleFrameRate() {}
    virtual void ToggleBlockedSquares() {}

    // --- the rest of the game --------------------------------------------------------------
    virtual void SwitchDisplayMode() {}
    // The level's animation timers restart as after a pause (pictures, emitters).
    virtual void RestartLevelTimers(uint32_t now) { (void)now; }
    // Ends demo playback and returns to the title.
    virtual void StopDemo() = 0;
    // Starts demo recording, or stops it and writes the recording.
    virtual void ToggleDemoRecording(uint32_t now) = 0;
};
