#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "XmModule.h"

// A song written as a plan: one chord per bar (16 rows), lines of notes, and rhythms for the
// bass, the arpeggio and two percussion lines. Compose() turns it into a module that loops
// from its last bar back to its first.
struct SongPlan {
    std::string Title;
    int Bpm = 100;
    int Speed = 6;
    std::vector<std::string> Chords; // "Am", "F", "Cmaj7", "E7", "Dm7", "Csus2", "Bb"...

    int PadVolume = 30; // 0..64

    // 16 characters a bar: 'R' root, 'O' root an octave up, 'F' fifth, '-' release, '.' hold.
    std::string BassRhythm;
    int BassFromBar = 0;
    int BassVolume = 44;

    // 16 characters a bar: a digit picks a chord tone counted upwards from the root at
    // ArpOctave (past the last tone it goes on an octave higher); '.' holds.
    std::string Arpeggio;
    int ArpOctave = 4; // MIDI octave: 4 starts at middle C
    int ArpFromBar = 0;
    int ArpVolume = 28;
    uint8_t ArpInstrument = 0;

    // Lines of "E5:6 A5:2 r:4" (note or rest r, then its length in rows), starting at a bar.
    std::string Melody;
    int MelodyFromBar = 0;
    int MelodyVolume = 44;
    uint8_t MelodyInstrument = 0;
    std::string Counter;
    int CounterFromBar = 0;
    int CounterVolume = 30;
    uint8_t CounterInstrument = 0;

    // 16 characters a bar: 'k' kick, 'w' wood block, 's' soft shaker, 'S' shaker, '.' nothing.
    std::string DrumsA, DrumsB;
    int DrumsAFromBar = 0, DrumsBFromBar = 0;
};

XmModule Compose(const SongPlan& plan);

// The MIDI note of a name like "C#5" or "Bb4" (C4 = 60); -1 when it is no note name.
int ParseNoteName(const std::string& name);
// The chord's tones as semitones above its root, with the root's pitch class; false when the
// chord name is not understood.
bool ParseChord(const std::string& name, int& rootPitchClass, std::vector<int>& intervals);
