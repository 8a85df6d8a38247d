#include "platform/sdl/SdlHost.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "archive/SafeFile.h"
#include "platform/VirtualKeys.h"
#include "platform/sdl/UserSettingsFile.h"

namespace {

unsigned ShiftFromSdl() {
    unsigned s = 0;
    SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_SHIFT) s |= shiftstate::Shift;
    if (mod & KMOD_ALT) s |= shiftstate::Alt;
    if (mod & KMOD_CTRL) s |= shiftstate::Ctrl;
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    if (buttons & SDL_BUTTON_LMASK) s |= shiftstate::Left;
    if (buttons & SDL_BUTTON_RMASK) s |= shiftstate::Right;
    if (buttons & SDL_BUTTON_MMASK) s |= shiftstate::Middle;
    return s;
}

MouseButton ButtonFromSdl(Uint8 b) {
    if (b == SDL_BUTTON_RIGHT) return MouseButton::Right;
    if (b == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
    return MouseButton::Left;
}

// Decodes one UTF-8 sequence; returns its code point and advances p.
uint32_t NextCodePoint(const unsigned char*& p) {
    uint32_t c = *p++;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) c &= (0x3F >> extra);
    for (int i = 0; i < extra && (*p & 0xC0) == 0x80; ++i)
        c = (c << 6) | (*p++ & 0x3F);
    return c;
}

// Cyrillic letters go to the codes the game's Russian glyph table uses; Latin-1 stays as is.
int EightBitFromCodePoint(uint32_t c) {
    if (c < 256) return static_cast<int>(c);
    if (c >= 0x410 && c <= 0x44F) return static_cast<int>(c - 0x410 + 0xC0);
    if (c == 0x401) return 0xA8;
    if (c == 0x451) return 0xB8;
    return -1;
}

} // namespace

SdlHost::SdlHost(SdlDisplay& display) : display_(display) {
    SDL_StartTextInput();
}

SdlHost::~SdlHost() {
    SDL_StopTextInput();
}

void SdlHost::QueueTypedText(const char* utf8) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        int c = EightBitFromCodePoint(NextCodePoint(p));
        if (c < 32) continue;
        PlatformEvent ev;
        ev.Type = EventType::Char;
        ev.Char = static_cast<uint8_t>(c);
        ev.Shift = ShiftFromSdl();
        pending_.push_back(ev);
    }
}

// A minimised or hidden window shows nothing, so the game rests as while inactive; it wakes
// when the window comes back, even if the focus stays elsewhere.
bool SdlHost::TranslateWindowEvent(Uint8 event, PlatformEvent& out) {
    switch (event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        out.Type = EventType::Activate;
        return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        out.Type = EventType::Deactivate;
        return true;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        if (outOfSight_) return false;
        outOfSight_ = true;
        out.Type = EventType::Deactivate;
        return true;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MAXIMIZED:
        if (!outOfSight_) return false;
        outOfSight_ = false;
        out.Type = EventType::Activate;
        return true;
    case SDL_WINDOWEVENT_EXPOSED:
        out.Type = EventType::Expose;
        return true;
    default:
        return false;
    }
}

bool SdlHost::Translate(const SDL_Event& e, PlatformEvent& out) {
    out = PlatformEvent{};
    out.Shift = ShiftFromSdl();
    switch (e.type) {
    case SDL_QUIT:
        out.Type = EventType::Quit;
        return true;
    case SDL_WINDOWEVENT:
        return TranslateWindowEvent(e.window.event, out);
    case SDL_MOUSEMOTION:
        out.Type = EventType::MouseMove;
        out.X = e.motion.x;
        out.Y = e.motion.y;
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.Type = e.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
        out.X = e.button.x;
        out.Y = e.button.y;
        out.Button = ButtonFromSdl(e.button.button);
        return true;
    case SDL_MOUSEWHEEL: {
        out.Type = EventType::MouseWheel;
        int dy = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        out.WheelDelta = dy * 120;
        TPoint p = PointerPosition();
        out.X = p.X;
        out.Y = p.Y;
        return dy != 0;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        out.Type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
        out.Key = VirtualKeyFromSdl(e.key.keysym.sym);
        if (out.Key == 0) return false;
        // Keys that type a control character do so on the desktop too: Backspace, Tab,
        // Enter and Escape reach the game as characters after their key-down.
        if (e.type == SDL_KEYDOWN && (out.Key == vk::Back || out.Key == vk::Tab ||
                                      out.Key == vk::Return || out.Key == vk::Escape)) {
            PlatformEvent ch;
            ch.Type = EventType::Char;
            ch.Char = static_cast<uint8_t>(out.Key == vk::Return ? 13 : out.Key);
            ch.Shift = out.Shift;
            pending_.push_back(ch);
        }
        return true;
    }
    case SDL_TEXTINPUT:
        QueueTypedText(e.text.text);
        return false;
    default:
        return false;
    }
}

bool SdlHost::PollEvent(PlatformEvent& event) {
    SDL_Event e;
    while (pending_.empty()) {
        if (!SDL_PollEvent(&e)) return false;
        PlatformEvent translated;
        if (Translate(e, translated)) {
            // The key-down comes before the character it types.
            pending_.push_front(translated);
        }
    }
    event = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlHost::WaitEvent(int timeoutMs) {
    SDL_WaitEventTimeout(nullptr, timeoutMs);
}

TPoint SdlHost::PointerPosition() {
    int wx, wy;
    SDL_GetMouseState(&wx, &wy);
    if (!display_.Renderer()) return {wx, wy};
    float lx, ly;
    SDL_RenderWindowToLogical(display_.Renderer(), wx, wy, &lx, &ly);
    return {static_cast<int>(lx), static_cast<int>(ly)};
}

void SdlHost::ShowMessage(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    SDL_ShowCursor(SDL_ENABLE);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), display_.Window());
    SDL_ShowCursor(SDL_DISABLE);
}

void SdlHost::SetWindowIcon(const std::vector<uint8_t>& rgba, int width, int height) {
    if (!display_.Window() || rgba.size() != static_cast<size_t>(width) * height * 4) return;
    // SDL copies the pixels, so the surface may borrow them.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(rgba.data()), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon) return;
    SDL_SetWindowIcon(display_.Window(), icon);
    SDL_FreeSurface(icon);
}

std::string SdlHost::ProgramFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}

std::string SdlHost::SettingsPath() const {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string base = xdg && *xdg ? xdg : std::string(home ? home : ".") + "/.config";
    return base + "/quorrel/settings.ini";
}

// The per-user store is a small file of key=value lines.
std::string SdlHost::ReadUserSetting(const std::string& key) {
    std::string text;
    ReadWholeFile(SettingsPath(), text);
    return UserSettingValue(text, key);
}

void SdlHost::WriteUserSetting(const std::string& key, const std::string& value) {
    std::string text;
    ReadWholeFile(SettingsPath(), text);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path(), ec);
    try {
        WriteFileAtomically(SettingsPath(), WithUserSetting(text, key, value));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
}

// The preparation step runs before the game's own drawing exists, so its progress is a plain
// bar in the window and the text in the title.
void SdlHost::ShowProgress(const std::string& text, const std::string& detail, int percent) {
    SDL_Window* w = display_.Window();
    if (!w || !display_.EnsureRenderer()) return;
    if (!progressShown_) {
        SDL_ShowWindow(w);
        progressShown_ = true;
    }
    std::string title = "Quorrel - " + text + " " + std::to_string(percent) + "%";
    (void)detail;
    SDL_SetWindowTitle(w, title.c_str());
    SDL_Renderer* r = display_.Renderer();
    int ow, oh;
    SDL_GetRendererOutputSize(r, &ow, &oh);
    SDL_SetRenderDrawColor(r, 18, 22, 16, 255);
    SDL_RenderClear(r);
    SDL_Rect frame{ow / 2 - 200, oh / 2 - 10, 400, 20};
    SDL_SetRenderDrawColor(r, 120, 96, 60, 255);
    SDL_RenderDrawRect(r, &frame);
    SDL_Rect bar{frame.x + 3, frame.y + 3, (frame.w - 6) * percent / 100, frame.h - 6};
    SDL_SetRenderDrawColor(r, 150, 190, 90, 255);
    SDL_RenderFillRect(r, &bar);
    SDL_RenderPresent(r);
    SDL_PumpEvents();
}

void SdlHost::HideProgress() {
    if (display_.Window()) SDL_SetWindowTitle(display_.Window(), "Quorrel");
}
