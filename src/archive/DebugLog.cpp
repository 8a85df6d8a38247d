#include "archive/DebugLog.h"

#include <cstdio>

#include "archive/GameError.h"
#include "archive/SafeFile.h"

namespace {

// Drops whole lines from the front until the text fits (a single longer line keeps its end).
void KeepTheLast(std::string& text, size_t limit) {
    if (text.size() <= limit) return;
    const size_t cut = text.size() - limit;
    const size_t lineEnd = text.find('\n', cut - 1);
    text.erase(0, lineEnd == std::string::npos ? cut : lineEnd + 1);
}

} // namespace

void DebugLog(const std::string& path, const std::string& message, const std::string& prefix) {
    std::string text;
    ReadWholeFile(path, text); // a missing log starts empty
    if (!text.empty() && text.back() != '\n') text += "\n";
    text += prefix + " " + message + "\n";
    KeepTheLast(text, MaxDebugLogBytes);
    try {
        WriteFileAtomically(path, text);
    } catch (const GameError& e) {
        // The log must never take the game down with it.
        std::fprintf(stderr, "%s\n", e.what());
    }
}

void TDebugLogFile::Write(const std::string& message) {
    DebugLog(path_, message);
}
