// A level file a level author hands the game: loaded over the shipped geometry the way a level
// start loads it, played for a second of game time, then read by the level check.
#include "FuzzGame.h"
#include "FuzzInput.h"
#include "main/levels/LevelCheck.h"
#include "main/levels/LevelSandbox.h"

namespace {

TLevelSandbox& Sandbox() {
    static TLevelSandbox sandbox(FuzzGameFolders("level"));
    return sandbox;
}

// Every name counts as present, so the check goes on past the names to the board.
TLevelCheckNames AllNames() {
    auto any = [](const std::string&) { return true; };
    return {any, any, any};
}

} // namespace

// The game's archives are prepared before the first input, outside its time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Sandbox();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TLevelSandbox& sandbox = Sandbox();
    const std::string text = FuzzText(data, size);
    TSandboxLevel level;
    level.Name = "Fuzz.txt";
    level.Text = text.empty() ? std::string("\n") : text; // empty text is the archive's level
    try {
        sandbox.Start(level);
        for (int frame = 0; frame < 30 && !sandbox.Lost(); ++frame)
            sandbox.Frame();
    } catch (const std::exception&) {
    }
    try {
        CheckLevel(*sandbox.Squares, sandbox.Geometry, sandbox.BonusTypes, AllNames(),
                   {"Fuzz.txt", text, ""});
    } catch (const std::exception&) {
    }
    return 0;
}
