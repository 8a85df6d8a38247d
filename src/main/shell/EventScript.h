#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"

// A recorded session: one event a line, "<ms since the start> <verb> [arguments]", "#" starts
// a comment. Verbs: move X Y, ldown/lup/rdown/rup X Y, wheel DELTA, key K (down then up),
// keydown K, keyup K, text STRING, deactivate, activate, quit, and call NAME (runs the
// published handler NAME as a button of the interface file would). A modifier held with
// keydown (Shift, Ctrl, Alt) applies to later keys and clicks until its keyup.
struct TScriptedEvent {
    uint32_t Time = 0;
    PlatformEvent Event;
    std::string Method; // set for "call": no platform event then
};

// A key by decimal code or name (Escape, Enter, Space, Delete, Backspace, Shift, Ctrl, Alt,
// Left, Right, Up, Down, Home, End, PageUp, PageDown, F1..F12, 0..9, A..Z); -1 when unknown.
int KeyCodeByName(const std::string& name);

// The events in time order (lines of equal time keep their order). A malformed line throws
// GameError naming its line number.
std::vector<TScriptedEvent> ParseEventScript(const std::string& text);
