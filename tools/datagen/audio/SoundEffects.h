#pragma once
#include <string>
#include <vector>

#include "Synth.h"

struct SoundEffect {
    std::string Name; // the archive entry name, e.g. "Click.wav"
    synth::Signal Samples;
};

constexpr int SoundEffectRate = 22050; // the rate the game's output runs at

// Every sound effect of the game, synthesised: wood knocks, rustles and soft chimes.
std::vector<SoundEffect> MakeSoundEffects();
