#include "SoundEffects.h"

#include <cmath>

using namespace synth;

namespace {

constexpr int R = SoundEffectRate;

// A struck piece of wood: a few inharmonic modes that die quickly, and the scratch of contact.
void AddKnock(Signal& s, double at, double pitch, double amplitude, double decay, uint32_t seed) {
    AddMode(s, R, at, pitch, amplitude, decay);
    AddMode(s, R, at, pitch * 2.57, amplitude * 0.45, decay * 0.5, 0.9);
    AddMode(s, R, at, pitch * 4.1, amplitude * 0.2, decay * 0.3, 2.2);
    AddNoiseBurst(s, R, at, 0.012, pitch * 3.0, 1.2, amplitude * 0.5, seed);
}

// Leaves and twigs brushed aside.
void AddRustle(Signal& s, double at, double length, double centre, double amplitude,
               uint32_t seed) {
    Noise grains(seed);
    for (int g = 0; g < 9; ++g) {
        const double t = at + length * g / 9.0 + 0.01 * grains.Next();
        const double c = centre * (1.0 + 0.25 * grains.Next());
        AddNoiseBurst(s, R, t, length / 3.5, c, 2.5, amplitude * (0.6 + 0.4 * grains.Next()),
                      seed + 17u * g);
    }
}

Signal Click() {
    Signal s = Silence(0.06, R);
    AddKnock(s, 0.0, 1750, 1.0, 0.008, 11);
    Finish(s, R, 0.55);
    return s;
}

Signal Take() {
    Signal s = Silence(0.16, R);
    AddKnock(s, 0.0, 720, 0.8, 0.02, 21);
    AddKnock(s, 0.045, 980, 0.6, 0.018, 22);
    AddRustle(s, 0.0, 0.1, 3200, 0.25, 23);
    Finish(s, R, 0.6);
    return s;
}

Signal Lay() {
    Signal s = Silence(0.22, R);
    AddKnock(s, 0.0, 330, 1.0, 0.045, 31);
    AddGlide(s, R, 0.0, 0.12, 140, 90, 0.6, 0.04); // the body of the board answering
    LowPass(s, R, 5000);
    Finish(s, R, 0.7);
    return s;
}

Signal Rotate() {
    Signal s = Silence(0.17, R);
    AddRustle(s, 0.0, 0.12, 2400, 0.7, 41);
    AddKnock(s, 0.12, 1300, 0.35, 0.012, 42);
    Finish(s, R, 0.5);
    return s;
}

Signal Hammer() {
    Signal s = Silence(0.45, R);
    AddGlide(s, R, 0.0, 0.3, 110, 55, 1.0, 0.09);
    AddKnock(s, 0.0, 210, 0.9, 0.06, 51);
    AddNoiseBurst(s, R, 0.0, 0.08, 1800, 0.8, 0.9, 52); // the crack of the wood
    AddKnock(s, 0.09, 520, 0.3, 0.03, 53);              // a splinter bouncing
    AddKnock(s, 0.16, 640, 0.15, 0.02, 54);
    LowPass(s, R, 6000);
    Finish(s, R, 0.75);
    return s;
}

Signal Refuse() {
    Signal s = Silence(0.3, R);
    for (int k = 0; k < 2; ++k) {
        const double at = k * 0.12, f = k == 0 ? 196.0 : 165.0;
        AddMode(s, R, at, f, 0.8, 0.05);
        AddMode(s, R, at, f * 2, 0.3, 0.03, 0.5);
        AddMode(s, R, at, f * 3, 0.15, 0.02, 1.0);
    }
    LowPass(s, R, 1800);
    Finish(s, R, 0.55);
    return s;
}

Signal Bonus() {
    Signal s = Silence(0.75, R);
    const int notes[] = {84, 88, 91, 96}; // C6 E6 G6 C7
    for (int k = 0; k < 4; ++k)
        AddChime(s, R, k * 0.07, NoteFrequency(notes[k]), 0.6, 0.22);
    Finish(s, R, 0.55);
    return s;
}

Signal Combination() {
    Signal s = Silence(1.1, R);
    const int notes[] = {76, 80, 83, 88, 92}; // E5 G#5 B5 E6 G#6
    for (int k = 0; k < 5; ++k)
        AddChime(s, R, k * 0.045, NoteFrequency(notes[k]), 0.5, 0.35);
    AddRustle(s, 0.05, 0.5, 7000, 0.05, 61); // a shimmer of leaves
    Finish(s, R, 0.55);
    return s;
}

Signal LinkClosed() {
    Signal s = Silence(0.9, R);
    AddChime(s, R, 0.0, NoteFrequency(79), 0.6, 0.3);  // G5
    AddChime(s, R, 0.11, NoteFrequency(84), 0.7, 0.4); // C6
    AddKnock(s, 0.0, 600, 0.2, 0.02, 71);
    Finish(s, R, 0.55);
    return s;
}

Signal LevelFinished() {
    Signal s = Silence(1.8, R);
    const int notes[] = {72, 76, 79, 84, 88}; // C5 E5 G5 C6 E6
    for (int k = 0; k < 5; ++k)
        AddChime(s, R, k * 0.1, NoteFrequency(notes[k]), 0.55, 0.3);
    for (int note : {72, 79, 84, 88})
        AddChime(s, R, 0.55, NoteFrequency(note), 0.35, 0.6);
    Finish(s, R, 0.6);
    return s;
}

Signal LevelLost() {
    Signal s = Silence(1.4, R);
    const int notes[] = {79, 75, 72, 67}; // G5 Eb5 C5 G4
    for (int k = 0; k < 4; ++k)
        AddChime(s, R, k * 0.18, NoteFrequency(notes[k]), 0.6, 0.35);
    AddGlide(s, R, 0.5, 0.8, 98, 82, 0.3, 0.3);
    LowPass(s, R, 4000);
    Finish(s, R, 0.55);
    return s;
}

Signal Clip() {
    Signal s = Silence(0.14, R);
    AddNoiseBurst(s, R, 0.0, 0.02, 4200, 3.0, 1.0, 81);
    AddNoiseBurst(s, R, 0.05, 0.025, 3600, 3.0, 0.9, 82);
    AddKnock(s, 0.05, 2100, 0.3, 0.006, 83);
    Finish(s, R, 0.5);
    return s;
}

Signal Drop() {
    Signal s = Silence(0.35, R);
    const double pitches[] = {620, 470, 380};
    for (int k = 0; k < 3; ++k)
        AddKnock(s, k * 0.07, pitches[k], 0.8 - 0.2 * k, 0.03, 91 + k);
    AddRustle(s, 0.0, 0.2, 1800, 0.15, 95);
    Finish(s, R, 0.6);
    return s;
}

Signal Bomb() {
    Signal s = Silence(0.9, R);
    AddGlide(s, R, 0.0, 0.7, 70, 32, 1.0, 0.22);
    AddNoiseBurst(s, R, 0.0, 0.6, 260, 0.6, 1.4, 101);
    AddNoiseBurst(s, R, 0.02, 0.15, 1200, 0.8, 0.4, 102);
    LowPass(s, R, 2500);
    Finish(s, R, 0.75);
    return s;
}

Signal Countdown() {
    Signal s = Silence(0.1, R);
    AddKnock(s, 0.0, 1250, 0.8, 0.015, 111);
    LowPass(s, R, 7000);
    Finish(s, R, 0.45);
    return s;
}

Signal Tool() {
    // A tool gained: a knock and a bright chime.
    Signal s = Silence(0.6, R);
    AddKnock(s, 0.0, 900, 0.4, 0.02, 121);
    AddChime(s, R, 0.03, NoteFrequency(86), 0.6, 0.25); // D6
    AddChime(s, R, 0.1, NoteFrequency(93), 0.4, 0.25);  // A6
    Finish(s, R, 0.55);
    return s;
}

} // namespace

std::vector<SoundEffect> MakeSoundEffects() {
    return {
        {"Click.wav", Click()},
        {"Take.wav", Take()},
        {"Lay.wav", Lay()},
        {"Rotate.wav", Rotate()},
        {"Hammer.wav", Hammer()},
        {"Refuse.wav", Refuse()},
        {"Bonus.wav", Bonus()},
        {"Combination.wav", Combination()},
        {"LinkClosed.wav", LinkClosed()},
        {"LevelFinished.wav", LevelFinished()},
        {"LevelLost.wav", LevelLost()},
        {"Clip.wav", Clip()},
        {"Drop.wav", Drop()},
        {"Bomb.wav", Bomb()},
        {"Countdown.wav", Countdown()},
        {"Tool.wav", Tool()},
    };
}
