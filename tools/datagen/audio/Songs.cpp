#include "Songs.h"

#include "Instruments.h"

namespace {

std::vector<std::string> Repeat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A forest at dusk: A minor, slow, the flute entering on the second pass.
SongPlan LostForest() {
    SongPlan p;
    p.Title = "In the lost forest";
    p.Bpm = 84;
    const std::vector<std::string> a = {"Am", "F", "C", "G", "Am", "F", "Em", "Am"};
    const std::vector<std::string> b = {"F", "G", "Em", "Am", "Dm", "Em", "F", "E7"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 26;
    p.BassRhythm = "R.......R...F...";
    p.BassFromBar = 4;
    p.BassVolume = 40;
    p.Arpeggio = "0.1.2.3.4.3.2.1.";
    p.ArpInstrument = instruments::Mallet;
    p.ArpVolume = 26;
    p.Counter = "A5:8 C6:8 B5:8 D6:8 G5:8 B5:8 A5:16 "
                "F5:8 A5:8 G5:8 E5:8 F5:8 A5:8 G#5:8 B5:8";
    p.CounterFromBar = 8;
    p.CounterInstrument = instruments::Chime;
    p.CounterVolume = 26;
    p.Melody = "E5:6 A5:2 G5:4 E5:4 F5:8 E5:4 C5:4 E5:6 G5:2 E5:4 D5:4 D5:12 r:4 "
               "C5:4 D5:4 E5:4 A5:4 G5:6 F5:2 E5:4 C5:4 B4:8 D5:4 E5:4 A4:12 r:4 "
               "A5:6 G5:2 F5:4 A5:4 G5:8 D5:4 B4:4 E5:6 G5:2 B5:4 G5:4 A5:12 r:4 "
               "F5:6 E5:2 D5:4 F5:4 E5:6 D5:2 B4:4 G4:4 A4:4 C5:4 F5:4 E5:4 E5:8 D5:4 B4:2 r:2";
    p.MelodyFromBar = 16;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 40;
    p.DrumsB = "..s.......s...S.";
    p.DrumsBFromBar = 8;
    p.DrumsA = "k...............";
    p.DrumsAFromBar = 16;
    return p;
}

// A level finished: bright C major, quick and short.
SongPlan BeHappy() {
    SongPlan p;
    p.Title = "Be happy!";
    p.Bpm = 132;
    p.Chords = {"C", "G", "Am", "F", "C", "G", "F", "G"};
    p.PadVolume = 24;
    p.BassRhythm = "R.O.R.O.R.O.F.O.";
    p.BassVolume = 40;
    p.Arpeggio = "0.2.1.2.3.2.1.2.";
    p.ArpOctave = 4;
    p.ArpInstrument = instruments::Mallet;
    p.ArpVolume = 24;
    p.Melody = "E5:2 G5:2 C6:4 G5:2 E5:2 G5:4 D5:2 G5:2 B5:4 A5:2 G5:2 D5:4 "
               "C5:2 E5:2 A5:4 G5:2 E5:2 C5:4 F5:4 A5:4 C6:4 A5:4 "
               "G5:2 E5:2 C5:4 E5:2 G5:2 C6:4 B5:2 A5:2 G5:4 D5:4 G5:4 "
               "A5:2 G5:2 F5:4 C5:4 F5:4 G5:4 B5:4 D6:6 r:2";
    p.MelodyInstrument = instruments::Chime;
    p.MelodyVolume = 44;
    p.DrumsA = "k...w...k.k.w...";
    p.DrumsB = "s.S.s.S.s.S.s.S.";
    return p;
}

// Level 1: D dorian, calm and even.
SongPlan Level1() {
    SongPlan p;
    p.Title = "Twig by twig";
    p.Bpm = 96;
    const std::vector<std::string> a = {"Dm7", "G", "Dm7", "G", "F", "C", "Bb", "A7"};
    const std::vector<std::string> b = {"Bbmaj7", "C", "Am7", "Dm7", "Gm7", "C", "F", "A7"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 24;
    p.BassRhythm = "R..R..R.R..R..F.";
    p.BassFromBar = 0;
    p.BassVolume = 40;
    p.Arpeggio = "0.2.1.3.0.2.1.3.";
    p.ArpInstrument = instruments::Mallet;
    p.ArpVolume = 26;
    p.Counter = "D6:8 F6:8 D6:16 C6:8 E6:8 A5:16 Bb5:8 D6:8 C6:8 E6:8 A5:8 C6:8 C#6:8 E6:8";
    p.CounterFromBar = 8;
    p.CounterInstrument = instruments::Chime;
    p.CounterVolume = 24;
    p.Melody = "D5:4 F5:4 A5:6 G5:2 B5:8 A5:4 G5:4 F5:4 E5:4 D5:4 C5:4 D5:12 r:4 "
               "A5:4 C6:4 A5:4 F5:4 G5:8 E5:4 C5:4 D5:6 F5:2 Bb5:4 A5:4 A5:8 G5:4 E5:2 C#5:2 "
               "D5:8 F5:4 A5:4 G5:8 E5:4 G5:4 C6:6 B5:2 A5:4 E5:4 F5:12 r:4 "
               "Bb5:6 A5:2 G5:4 D5:4 E5:6 F5:2 G5:4 C6:4 A5:8 G5:4 F5:4 E5:8 C#5:4 r:4";
    p.MelodyFromBar = 16;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 38;
    p.DrumsA = "k...w.k...k.w...";
    p.DrumsAFromBar = 8;
    p.DrumsB = "s.s.S.s.s.s.S.s.";
    p.DrumsBFromBar = 8;
    return p;
}

// Level 2: E minor, a little more drive.
SongPlan Level2() {
    SongPlan p;
    p.Title = "Roots in the dark";
    p.Bpm = 108;
    const std::vector<std::string> a = {"Em", "C", "G", "D", "Em", "C", "Am", "B7"};
    const std::vector<std::string> b = {"C", "D", "Bm", "Em", "Am", "D", "G", "B7"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 22;
    p.BassRhythm = "R.R...R.R.R...F.";
    p.BassVolume = 42;
    p.Arpeggio = "0.1.2.1.3.1.2.1.";
    p.ArpInstrument = instruments::Mallet;
    p.ArpVolume = 26;
    p.Counter = "G5:8 C6:8 F#5:8 A5:8 D6:8 B5:8 E6:16 C6:8 A5:8 D6:8 F#6:8 B5:8 D6:8 "
                "D#6:8 F#6:8";
    p.CounterFromBar = 8;
    p.CounterInstrument = instruments::Chime;
    p.CounterVolume = 24;
    p.Melody = "B4:4 E5:4 G5:4 F#5:4 E5:8 G5:4 E5:4 D5:4 B4:4 D5:4 G5:4 F#5:12 r:4 "
               "G5:4 F#5:4 E5:4 B5:4 A5:8 G5:4 E5:4 C5:4 E5:4 A5:4 G5:4 F#5:8 D#5:4 r:4 "
               "E5:6 G5:2 C6:4 B5:4 A5:8 F#5:4 D5:4 D5:4 F#5:4 B5:4 A5:4 G5:12 r:4 "
               "A5:6 C6:2 B5:4 A5:4 F#5:6 A5:2 D6:4 C6:4 B5:8 G5:4 D5:4 D#5:8 F#5:4 r:4";
    p.MelodyFromBar = 16;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 38;
    p.DrumsA = "k.......k.k.....";
    p.DrumsAFromBar = 4;
    p.DrumsB = "..s...S...s...S.";
    p.DrumsBFromBar = 4;
    return p;
}

// Level 3: F lydian, dreamy and slow, the chime singing.
SongPlan Level3() {
    SongPlan p;
    p.Title = "Moss and starlight";
    p.Bpm = 80;
    const std::vector<std::string> a = {"Fmaj7", "G", "Em7", "Am", "Fmaj7", "G", "Csus2", "C"};
    const std::vector<std::string> b = {"Dm7", "Em7", "Fmaj7", "G", "Dm7", "Em7", "Fmaj7", "G"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 26;
    p.BassRhythm = "R.......F.......";
    p.BassVolume = 38;
    p.Arpeggio = "0.2.4.2.1.3.2.3.";
    p.ArpInstrument = instruments::Mallet;
    p.ArpVolume = 24;
    p.Counter = "A4:16 B4:16 C5:16 D5:16 F5:16 G5:16 A5:8 G5:8 B4:12 r:4";
    p.CounterFromBar = 8;
    p.CounterInstrument = instruments::Flute;
    p.CounterVolume = 30;
    p.Melody = "A5:4 C6:4 E6:8 D6:8 B5:4 G5:4 G5:4 B5:4 D6:4 B5:4 C6:12 r:4 "
               "E6:4 C6:4 A5:4 F5:4 G5:4 B5:4 D6:8 D6:8 C6:4 G5:4 E5:12 r:4 "
               "F5:4 A5:4 C6:8 B5:4 G5:4 E5:8 A5:4 C6:4 E6:4 C6:4 D6:12 r:4 "
               "C6:4 A5:4 F5:8 G5:4 B5:4 E6:8 E6:6 D6:2 C6:4 A5:4 B5:8 D6:4 r:4";
    p.MelodyFromBar = 16;
    p.MelodyInstrument = instruments::Chime;
    p.MelodyVolume = 42;
    p.DrumsB = "....s.......s...";
    p.DrumsBFromBar = 8;
    return p;
}

// Chapter 1, the forest edge at dusk: G major, warm and even like the first level, a pluck
// rocking under the flute.
SongPlan ForestEdge() {
    SongPlan p;
    p.Title = "Forest edge at dusk";
    p.Bpm = 92;
    const std::vector<std::string> a = {"G", "Em7", "Cmaj7", "D", "G", "Em7", "Am7", "D"};
    const std::vector<std::string> b = {"Cmaj7", "D", "Bm7", "Em7", "Am7", "D", "G", "D"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 24;
    p.BassRhythm = "R.....R...F.R...";
    p.BassFromBar = 4;
    p.BassVolume = 40;
    p.Arpeggio = "0.1.2.1.3.1.2.1.";
    p.ArpInstrument = instruments::Pluck;
    p.ArpVolume = 28;
    p.Counter = "E6:16 F#6:16 D6:16 B5:16 C6:16 A5:16 B5:16 A5:16 "
                "D6:16 B5:16 G5:16 A5:16 B5:16 G5:16 E6:16 F#6:16";
    p.CounterFromBar = 8;
    p.CounterInstrument = instruments::Chime;
    p.CounterVolume = 22;
    p.Melody = "B4:4 D5:4 G5:6 F#5:2 E5:8 G5:4 B5:4 G5:6 E5:2 C5:4 E5:4 F#5:6 E5:2 D5:8 "
               "B4:4 D5:4 G5:4 B5:4 D6:6 B5:2 G5:4 E5:4 C6:4 A5:4 E5:4 G5:4 F#5:12 r:4 "
               "E5:4 G5:4 B5:8 A5:6 F#5:2 D5:8 F#5:4 B5:4 D6:4 B5:4 G5:8 E5:4 B4:4 "
               "C5:4 E5:4 A5:6 G5:2 F#5:4 A5:4 D6:6 C6:2 B5:8 G5:4 D5:4 A5:6 G5:2 F#5:4 r:4";
    p.MelodyFromBar = 16;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 38;
    p.DrumsA = "k.......k.......";
    p.DrumsAFromBar = 8;
    p.DrumsB = "..s...s...s.S.s.";
    p.DrumsBFromBar = 8;
    return p;
}

// Chapter 2, a rainy marsh: C minor, slow, a reed drone under misty pads, plucks dripping
// high above, a low flute wandering in, rain hissing on the shaker.
SongPlan RainyMarsh() {
    SongPlan p;
    p.Title = "Rain on the marsh";
    p.Bpm = 70;
    const std::vector<std::string> a = {"Cm", "Cm", "Abmaj7", "Abmaj7", "Fm7", "Fm7", "Gsus4", "G"};
    const std::vector<std::string> b = {"Fm7", "Fm7", "Cm", "Cm", "Abmaj7", "Bb", "Gsus4", "G"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 28;
    p.BassRhythm = "R...........F...";
    p.BassFromBar = 4;
    p.BassVolume = 34;
    p.Arpeggio = "4.....2.........5.......3..1....";
    p.ArpOctave = 5;
    p.ArpInstrument = instruments::Pluck;
    p.ArpVolume = 24;
    const std::string overA = "G4:8 C5:4 Eb5:4 Eb5:6 D5:2 C5:8 C5:4 Eb5:4 G5:8 Ab5:4 G5:4 Eb5:8 "
                              "F5:6 Eb5:2 C5:8 Ab4:8 C5:4 Eb5:4 D5:8 C5:8 B4:12 r:4 ";
    const std::string overB = "C5:4 F5:4 Ab5:8 Eb5:6 F5:2 C5:8 G5:8 Eb5:4 C5:4 G4:12 r:4 "
                              "Eb5:4 Ab5:4 C6:8 D6:6 C6:2 Bb5:8 G5:6 C5:2 D5:8 B4:8 D5:4 r:4 ";
    p.Melody = overB + overA + overB;
    p.MelodyFromBar = 8;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 34;
    p.Counter = "G6:32 Eb6:32 C6:32 D6:32 C6:32 G6:32 Eb6:16 F6:16 D6:32";
    p.CounterFromBar = 16;
    p.CounterInstrument = instruments::Mallet;
    p.CounterVolume = 20;
    const std::string drone = "C2:96 G2:32 C2:96 G2:32 ";
    p.Voices = {{drone + drone, 0, 24, instruments::Drone}};
    p.DrumsA = "..........w.....................";
    p.DrumsAFromBar = 8;
    p.DrumsB = "s...s.s...s...s.";
    p.DrumsBFromBar = 4;
    return p;
}

// Chapter 3, a mountain pass at night: E minor, slower, two bars to a chord; a lonely flute
// over long pads and a low E, glass bells far apart, a heartbeat of a drum every other bar.
SongPlan MountainNight() {
    SongPlan p;
    p.Title = "Night on the pass";
    p.Bpm = 66;
    const std::vector<std::string> a = {"Em",    "Em",    "Cmaj7", "Cmaj7",
                                        "Gsus2", "Gsus2", "Dsus4", "D"};
    const std::vector<std::string> b = {"Am7", "Am7", "Em", "Em", "Cmaj7", "Cmaj7", "Bsus4", "Bm"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 30;
    p.BassRhythm = "R...............";
    p.BassFromBar = 4;
    p.BassVolume = 34;
    p.Arpeggio = "0...2...4.......3.......1.......";
    p.ArpOctave = 5;
    p.ArpInstrument = instruments::Bell;
    p.ArpVolume = 22;
    const std::string overA = "B4:8 E5:8 G5:12 B5:4 C6:8 B5:8 G5:16 "
                              "A5:8 D6:8 D6:12 r:4 A5:8 G5:8 F#5:16 ";
    const std::string overB = "E5:12 G5:4 A5:16 B5:8 G5:8 E5:16 "
                              "G5:4 B5:4 E6:8 B5:12 r:4 F#5:8 E5:8 D5:8 B4:8 ";
    p.Melody = overB + overA + overB;
    p.MelodyFromBar = 8;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 36;
    p.Counter = "E6:32 G6:32 D6:32 A5:32 C6:32 B5:32 G6:32 F#6:32";
    p.CounterFromBar = 16;
    p.CounterInstrument = instruments::Chime;
    p.CounterVolume = 20;
    p.Voices = {{"E2:128 E2:128 E2:128 E2:128", 0, 18, instruments::Drone}};
    p.DrumsA = "k...............................";
    p.DrumsAFromBar = 8;
    return p;
}

// Chapter 4, an old grove at dawn under snow: D major, the bass climbing a step a bar, bells
// glittering, every voice joining in turn, a second flute singing under the first at the end.
SongPlan SnowDawn() {
    SongPlan p;
    p.Title = "Snow grove at dawn";
    p.Bpm = 104;
    const std::vector<std::string> a = {"D", "Em7", "F#m7", "G", "A", "Bm7", "G", "A"};
    const std::vector<std::string> b = {"G", "A", "F#m7", "Bm7", "Em7", "G", "Asus4", "A"};
    p.Chords = Repeat(Repeat(Repeat(a, b), a), b);
    p.PadVolume = 24;
    p.BassRhythm = "R...R.O.R...F.O.";
    p.BassFromBar = 8;
    p.BassVolume = 40;
    p.Arpeggio = "0.1.2.3.4.3.2.1.";
    p.ArpOctave = 5;
    p.ArpInstrument = instruments::Bell;
    p.ArpVolume = 22;
    const std::string counterB = "B5:16 C#6:16 A5:16 B5:16 E6:16 D6:16 D6:16 "
                                 "C#6:12 A5:4/3 C#6:4/3 E6:4/3 ";
    const std::string counterA = "F#6:16 G6:16 E6:16 D6:16 E6:16 F#6:16 G6:16 "
                                 "E6:12 A5:4/3 C#6:4/3 E6:4/3 ";
    p.Counter = counterB + counterA + counterB;
    p.CounterFromBar = 8;
    p.CounterInstrument = instruments::Chime;
    p.CounterVolume = 22;
    p.Melody = "A4:4 D5:4 F#5:4 A5:4 B5:6 A5:2 G5:4 E5:4 A5:4 C#6:4 E6:8 D6:6 B5:2 G5:8 "
               "E6:4 C#6:4 A5:4 C#6:4 D6:8 F#6:8 G6:6 F#6:2 D6:8 E6:12 r:4 "
               "D6:4 B5:4 G5:4 B5:4 C#6:8 E6:8 F#6:6 E6:2 C#6:8 D6:8 B5:8 "
               "G5:4 B5:4 E6:8 D6:6 E6:2 G6:8 E6:8 D6:8 C#6:12 r:4";
    p.MelodyFromBar = 16;
    p.MelodyInstrument = instruments::Flute;
    p.MelodyVolume = 36;
    p.Voices = {{"B5:4 G5:4 D5:4 G5:4 A5:8 C#6:8 C#6:8 A5:8 B5:8 F#5:8 "
                 "E5:4 G5:4 B5:8 B5:8 D6:8 A5:16 A5:12 r:4",
                 24, 28, instruments::Flute}};
    p.DrumsA = "k.s.S.s.k.k.S.s.";
    p.DrumsAFromBar = 8;
    p.DrumsB = "....t.......T..t";
    p.DrumsBFromBar = 16;
    return p;
}

} // namespace

std::vector<Song> GameSongs() {
    return {
        {"In the lost forest2.mo3", LostForest()},
        {"Be happy!.mo3", BeHappy()},
        {"Level1.mo3", Level1()},
        {"Level2.mo3", Level2()},
        {"Level3.mo3", Level3()},
        {"Chapter1.mo3", ForestEdge()},
        {"Chapter2.mo3", RainyMarsh()},
        {"Chapter3.mo3", MountainNight()},
        {"Chapter4.mo3", SnowDawn()},
    };
}
