#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "XmModule.h"

// A line of notes: "E5:6 A5:2 r:4" (note or rest r, then its length in rows), starting at a
// bar. A length may be a fraction of rows, "E5:4/3", for triplets: such notes start between
// rows with a note delay, so the lengths must come out in whole ticks.
struct SongLine {
    std::string Notes;
    int FromBar = 0;
    int Volume = 40;
    uint8_t Instrument = 0;
};

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

    // Lines of notes as in SongLine.
    std::string Melody;
    int MelodyFromBar = 0;
    int MelodyVolume = 44;
    uint8_t MelodyInstrument = 0;
    std::string Counter;
    int CounterFromBar = 0;
    int CounterVolume = 30;
    uint8_t CounterInstrument = 0;

    // More voices, each on a channel of its own: a second melody, a drone, bells...
    std::vector<SongLine> Voices;

    // 16 characters a bar: 'k' kick, 'w' wood block, 's' soft shaker, 'S' shaker, 't' soft
    // frame drum, 'T' frame drum, '.' nothing.
    std::string DrumsA, DrumsB;
    int DrumsAFromBar = 0, DrumsBFromBar = 0;
};

// The module; instruments that the song never plays are written without their samples.
XmModule Compose(const SongPlan& plan);

// A note of a line, placed in ticks from the line's start.
struct LineNote {
    int Midi = -1; // -1: a rest
    int StartTick = 0;
    int Ticks = 0;
};
// The notes of a line at the given ticks per row; throws on a malformed note or a length that
// is no whole number of ticks.
std::vector<LineNote> ParseLine(const std::string& notes, int speed);

// The MIDI note of a name like "C#5" or "Bb4" (C4 = 60); -1 when it is no note name.
int ParseNoteName(const std::string& name);
// The chord's tones as semitones above its root, with the root's pitch class; false when the
// chord name is not understood.
bool ParseChord(const std::string& name, int& rootPitchClass, std::vector<int>& intervals);
