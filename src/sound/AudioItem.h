#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One loaded sound or music, found by its archive entry name.
struct AudioItem {
    static constexpr uint8_t Sample = 0;
    static constexpr uint8_t MusicModule = 1;

    std::string Name; // exactly as written in the list file
    uint8_t Kind = Sample;
    uint32_t Handle = 0; // the device's handle; 0 when the device refused the data
};

// Samples and music together, one list for the whole game.
using AudioList = std::vector<AudioItem>;

// The first item of that exact name (case counts), or nullptr.
const AudioItem* FindAudioItem(const AudioList& list, const std::string& name);
