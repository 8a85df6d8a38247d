#pragma once

// Key codes as the game reads them (the classic desktop virtual-key numbering).
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12;
constexpr int Pause = 0x13, Capital = 0x14, Escape = 0x1B, Space = 0x20;
constexpr int Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
constexpr int Insert = 0x2D, Delete = 0x2E;
constexpr int Key0 = 0x30; // '0'..'9' are 0x30..0x39, 'A'..'Z' are 0x41..0x5A
constexpr int KeyA = 0x41;
constexpr int Numpad0 = 0x60;
constexpr int F1 = 0x70; // F1..F12 are 0x70..0x7B
constexpr int F12 = 0x7B;
} // namespace vk

// Modifier and button state that comes with every input event.
namespace shiftstate {
constexpr unsigned Shift = 1, Alt = 2, Ctrl = 4, Left = 8, Right = 16, Middle = 32;
}
