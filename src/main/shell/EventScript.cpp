#include "main/shell/EventScript.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "platform/VirtualKeys.h"

int KeyCodeByName(const std::string& name) {
    int32_t code = 0;
    if (TryStrToInt(name, code) && name.size() > 1) return code >= 0 && code < 256 ? code : -1;
    static const struct {
        const char* Name;
        int Code;
    } named[] = {{"escape", vk::Escape}, {"enter", vk::Return},   {"space", vk::Space},
                 {"delete", vk::Delete}, {"backspace", vk::Back}, {"shift", vk::Shift},
                 {"ctrl", vk::Control},  {"alt", vk::Menu},       {"left", vk::Left},
                 {"right", vk::Right},   {"up", vk::Up},          {"down", vk::Down},
                 {"home", vk::Home},     {"end", vk::End},        {"pageup", vk::Prior},
                 {"pagedown", vk::Next}};
    const std::string lower = LowerCase(name);
    for (const auto& n : named)
        if (lower == n.Name) return n.Code;
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return vk::Key0 + (name[0] - '0');
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))
        return vk::KeyA + (std::toupper(static_cast<unsigned char>(name[0])) - 'A');
    if (lower.size() >= 2 && lower[0] == 'f' && TryStrToInt(lower.substr(1), code) && code >= 1 &&
        code <= 12)
        return vk::F1 + code - 1;
    return -1;
}

namespace {

unsigned ModifierBit(int key) {
    if (key == vk::Shift) return shiftstate::Shift;
    if (key == vk::Control) return shiftstate::Ctrl;
    if (key == vk::Menu) return shiftstate::Alt;
    return 0;
}

[[noreturn]] void Bad(int line, const std::string& why) {
    throw GameError("events line " + std::to_string(line) + ": " + why);
}

int Number(std::istringstream& in, int line, const char* what) {
    std::string word;
    int32_t value = 0;
    if (!(in >> word) || !TryStrToInt(word, value)) Bad(line, std::string("expected ") + what);
    return value;
}

void ParseLine(const std::string& raw, int line, std::vector<TScriptedEvent>& out) {
    std::string text = raw.substr(0, raw.find('#'));
    std::istringstream in(text);
    std::string timeWord, verb;
    if (!(in >> timeWord)) return; // blank or comment
    int32_t time = 0;
    if (!TryStrToInt(timeWord, time) || time < 0) Bad(line, "bad time '" + timeWord + "'");
    if (!(in >> verb)) Bad(line, "missing verb");
    TScriptedEvent e;
    e.Time = static_cast<uint32_t>(time);
    PlatformEvent& ev = e.Event;
    auto point = [&] {
        ev.X = Number(in, line, "X");
        ev.Y = Number(in, line, "Y");
    };
    auto key = [&] {
        std::string name;
        if (!(in >> name) || (ev.Key = KeyCodeByName(name)) < 0)
            Bad(line, "unknown key '" + name + "'");
    };
    if (verb == "move") {
        ev.Type = EventType::MouseMove, point();
    } else if (verb == "ldown" || verb == "lup" || verb == "rdown" || verb == "rup") {
        ev.Type = verb[1] == 'd' ? EventType::MouseDown : EventType::MouseUp;
        ev.Button = verb[0] == 'l' ? MouseButton::Left : MouseButton::Right;
        point();
    } else if (verb == "wheel") {
        ev.Type = EventType::MouseWheel, ev.WheelDelta = Number(in, line, "DELTA");
    } else if (verb == "key" || verb == "keydown" || verb == "keyup") {
        ev.Type = verb == "keyup" ? EventType::KeyUp : EventType::KeyDown;
        key();
        out.push_back(e);
        if (verb == "key") {
            e.Event.Type = EventType::KeyUp;
            out.push_back(e);
        }
        return;
    } else if (verb == "text") {
        const size_t at = text.find("text") + 4;
        std::string typed = at < text.size() ? text.substr(at + 1) : "";
        while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\r'))
            typed.pop_back();
        for (unsigned char c : typed) {
            ev.Type = EventType::Char;
            ev.Char = c;
            out.push_back(e);
        }
        return;
    } else if (verb == "call") {
        if (!(in >> e.Method)) Bad(line, "missing handler name");
    } else if (verb == "deactivate") {
        ev.Type = EventType::Deactivate;
    } else if (verb == "activate") {
        ev.Type = EventType::Activate;
    } else if (verb == "quit") {
        ev.Type = EventType::Quit;
    } else {
        Bad(line, "unknown verb '" + verb + "'");
    }
    out.push_back(e);
}

} // namespace

std::vector<TScriptedEvent> ParseEventScript(const std::string& text) {
    std::vector<TScriptedEvent> events;
    int line = 0;
    for (const std::string& raw : SplitLines(text))
        ParseLine(raw, ++line, events);
    std::stable_sort(
        events.begin(), events.end(),
        [](const TScriptedEvent& a, const TScriptedEvent& b) { return a.Time < b.Time; });
    // Held modifiers reach every later key and click.
    unsigned held = 0;
    for (TScriptedEvent& e : events) {
        PlatformEvent& ev = e.Event;
        if (ev.Type == EventType::KeyDown) held |= ModifierBit(ev.Key);
        ev.Shift = held;
        if (ev.Type == EventType::KeyUp) held &= ~ModifierBit(ev.Key);
        if (ev.Type == EventType::MouseDown || ev.Type == EventType::MouseUp)
            ev.Shift |= ev.Button == MouseButton::Left ? shiftstate::Left : shiftstate::Right;
    }
    return events;
}
