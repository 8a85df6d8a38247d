#include "archive/DebugLog.h"

#include <cstdio>

#include "archive/GameError.h"
#include "archive/SafeFile.h"

void DebugLog(const std::string& path, const std::string& message, const std::string& prefix) {
    std::string text;
    ReadWholeFile(path, text); // a missing log starts empty
    if (!text.empty() && text.back() != '\n') text += "\n";
    text += prefix + " " + message + "\n";
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
