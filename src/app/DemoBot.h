#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A player for authoring demos: it plays the real game headless from the title, reaches the
// chosen level with the developer keys, records it (Ctrl+F4) while playing it the way a
// player who knows the game would, and writes down every event it gave, with its time, as an
// events file for `quorrel-tool run`. Replayed with the same seed, the file records the same
// demo again.
struct TDemoBotOptions {
    std::string Dir; // the game folder (its options must enable the developer keys)
    uint32_t Seed = 1;
    int Level = 0;         // 0-based
    uint32_t Seconds = 90; // the longest the recording may run
};

// How the recorded level went, for choosing a seed worth shipping.
struct TDemoBotReport {
    bool Finished = false;
    uint32_t PlayedMs = 0; // from the level's start to its end or the time limit
    int Placements = 0;
};

// The events file's lines, or an error message in error.
std::vector<std::string> AuthorDemo(const TDemoBotOptions& options, std::string& error,
                                    TDemoBotReport& report);
