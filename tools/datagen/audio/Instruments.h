#pragma once
#include "XmModule.h"

// The instruments of our music, synthesised. Each plays its written pitch: note C-4 sounds
// middle C (a MIDI note n is written as XM note n - 11).
namespace instruments {

enum Index : uint8_t { // 1-based, as pattern cells name them
    Pad = 1,
    Mallet,
    Chime,
    Bass,
    Flute,
    Kick,
    Shaker,
    WoodBlock,
    Pluck,
    Bell,
    Drone,
    FrameDrum,
    Count = FrameDrum,
};

// All of them, in Index order.
std::vector<XmInstrument> All();

} // namespace instruments
