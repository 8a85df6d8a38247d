#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// What the game asks of the machine it runs on. The real implementation is SDL2 (platform/sdl);
// tests and headless runs use platform/headless. Nothing else in the game touches the OS.

// The millisecond tick count (unsigned 32-bit, wraps) every time in the game is measured in.
class IClock {
  public:
    virtual ~IClock() = default;
    virtual uint32_t Now() = 0;
};

// A composed frame handed to the display: XRGB8888 (32) or RGB565 (16) rows.
struct FrameView {
    const uint8_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Pitch = 0; // bytes per row
    int BitsPerPixel = 32;
};

class IDisplay {
  public:
    virtual ~IDisplay() = default;
    // Opens the display for frames of width x height at the given depth, in a window or full
    // screen. Returns false when that depth or mode cannot be had.
    virtual bool Open(int width, int bitsPerPixel, int height, bool fullScreen) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool IsFullScreen() const = 0;
    virtual int BitsPerPixel() const = 0;
    // Moves the window (window mode only) to that desktop position.
    virtual void SetWindowPosition(int x, int y) = 0;
    // Shows the frame (scaled to the window, aspect kept); waits for the display's refresh.
    virtual void Present(const FrameView& frame) = 0;
};

// The audio library's operations, as the sound code calls them. Handles are never 0; 0 means
// the call was refused.
class IAudioDevice {
  public:
    virtual ~IAudioDevice() = default;
    // Low word major, high word minor: 1.8 is 0x00080001.
    virtual uint32_t GetVersion() = 0;
    virtual bool Init(int device, int frequency, uint32_t flags) = 0;
    virtual bool Start() = 0;
    virtual bool Pause() = 0;
    // Each 0..100.
    virtual void SetGlobalVolumes(int music, int sample, int stream) = 0;
    // A WAV sample from memory (the data stays owned by the caller and must outlive the handle).
    virtual uint32_t SampleLoad(const uint8_t* data, size_t size, int maxPlaybacks,
                                bool overridePosition) = 0;
    // volume 0..100; returns a channel handle or 0.
    virtual uint32_t SamplePlay(uint32_t sample, int volume) = 0;
    virtual bool SampleStop(uint32_t sample) = 0;
    virtual void SampleFree(uint32_t sample) = 0;
    // A tracker module from memory, looping for ever, with volume ramping.
    virtual uint32_t MusicLoad(const uint8_t* data, size_t size) = 0;
    virtual bool MusicPlay(uint32_t music) = 0; // from the start
    virtual bool ChannelStop(uint32_t channel) = 0;
    virtual void MusicFree(uint32_t music) = 0;
};

enum class EventType {
    MouseMove,
    MouseDown,
    MouseUp,
    MouseWheel,
    KeyDown,
    KeyUp,
    Char, // a typed 8-bit character
    Activate,
    Deactivate,
    Expose, // the window needs repainting
    Quit,
};

enum class MouseButton { Left, Right, Middle };

struct PlatformEvent {
    EventType Type = EventType::MouseMove;
    int X = 0, Y = 0; // frame coordinates
    MouseButton Button = MouseButton::Left;
    int WheelDelta = 0; // multiples of 120, positive away from the player
    int Key = 0;        // virtual-key code
    uint8_t Char = 0;
    unsigned Shift = 0; // shiftstate bits
};

// The window and the rest of the desktop: events, pointer, message box, files and settings.
class IWindowHost {
  public:
    virtual ~IWindowHost() = default;
    virtual bool PollEvent(PlatformEvent& event) = 0;
    // Sleeps until an event arrives or the time runs out; used while the game is inactive.
    virtual void WaitEvent(int timeoutMs) = 0;
    virtual TPoint PointerPosition() = 0;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // The game's icon on its window: straight (not premultiplied) RGBA rows.
    virtual void SetWindowIcon(const std::vector<uint8_t>& rgba, int width, int height) = 0;
    // The folder of the executable, with a trailing slash.
    virtual std::string ProgramFolder() = 0;
    // The per-user settings store (the chosen language lives there).
    virtual std::string ReadUserSetting(const std::string& key) = 0;
    virtual void WriteUserSetting(const std::string& key, const std::string& value) = 0;
    // The progress display of the start-up preparation step; percent 0..100.
    virtual void ShowProgress(const std::string& text, const std::string& detail, int percent) = 0;
    virtual void HideProgress() = 0;
};

// The four parts together, owned by whoever starts the game.
struct Platform {
    IClock& Clock;
    IDisplay& Display;
    IAudioDevice& Audio;
    IWindowHost& Host;
};
