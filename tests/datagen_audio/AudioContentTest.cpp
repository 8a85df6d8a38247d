// The game's generated sounds and music: they load, they sound (not silent, not clipped), the
// music loops, the instruments are in tune, and the lists match the entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

#include "archive/FileFolder.h"
#include "archive/SFunctions.h"
#include "datagen/audio/AudioContent.h"
#include "datagen/audio/Instruments.h"
#include "datagen/audio/Songs.h"
#include "platform/sdl/AudioMixer.h"
#include "platform/sdl/AudioWav.h"
#include "platform/sdl/ModuleTrack.h"

namespace {

constexpr int Rate = 22050;

struct Level {
    double Peak = 0;
    double Rms = 0;
};

Level Measure(const float* v, size_t count) {
    Level level;
    double sum = 0;
    for (size_t i = 0; i < count; ++i) {
        level.Peak = std::max(level.Peak, static_cast<double>(std::fabs(v[i])));
        sum += static_cast<double>(v[i]) * v[i];
    }
    level.Rms = count ? std::sqrt(sum / count) : 0;
    return level;
}

// Interleaved stereo of a whole module pass (or more), as float.
std::vector<float> RenderModule(const std::vector<uint8_t>& bytes, double seconds, int rate) {
    auto track = ModuleTrack::Load(bytes.data(), bytes.size());
    EXPECT_NE(track, nullptr);
    if (!track) return {};
    std::vector<float> out(static_cast<size_t>(seconds * rate) * 2, 0.0f);
    constexpr size_t Chunk = 4096;
    for (size_t at = 0; at < out.size() / 2; at += Chunk) {
        const size_t n = std::min(Chunk, out.size() / 2 - at);
        track->MixInto(out.data() + at * 2, n, rate, 1.0f);
    }
    return out;
}

double ModuleSeconds(const std::vector<uint8_t>& bytes) {
    auto track = ModuleTrack::Load(bytes.data(), bytes.size());
    return track ? track->DurationSeconds() : 0;
}

TEST(AudioContentTest, ListFilesNameEveryEntryOnceInOrder) {
    const std::vector<AudioEntry> all = AudioEntries();
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[0].Name, "musics.dat");
    EXPECT_EQ(all[1].Name, "sounds.dat");
    const std::string musics(all[0].Bytes.begin(), all[0].Bytes.end());
    const std::string sounds(all[1].Bytes.begin(), all[1].Bytes.end());
    EXPECT_EQ(musics, MusicsListText());
    EXPECT_EQ(sounds, SoundsListText());
    EXPECT_EQ(musics.substr(musics.size() - 2), "\r\n");

    std::vector<std::string> listed = SplitLines(musics);
    for (const std::string& s : SplitLines(sounds))
        listed.push_back(s);
    ASSERT_EQ(listed.size(), all.size() - 2);
    std::set<std::string> lowered;
    for (size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i], all[i + 2].Name);
        // The archive keeps 32 characters of a name and finds names ignoring case.
        EXPECT_LE(listed[i].size(), static_cast<size_t>(TDirItem::NameCapacity)) << listed[i];
        EXPECT_TRUE(lowered.insert(LowerCase(listed[i])).second) << listed[i];
    }
    for (const char* needed :
         {"In the lost forest2.mo3", "Be happy!.mo3", "Level1.mo3", "Level2.mo3", "Level3.mo3",
          "Chapter1.mo3", "Chapter2.mo3", "Chapter3.mo3", "Chapter4.mo3", "Click.wav", "Take.wav",
          "Lay.wav", "Rotate.wav", "Hammer.wav", "Refuse.wav", "Bonus.wav", "Combination.wav",
          "LinkClosed.wav", "LevelFinished.wav"})
        EXPECT_EQ(std::count(listed.begin(), listed.end(), needed), 1) << needed;
}

TEST(AudioContentTest, TheSameCodeMakesTheSameBytes) {
    const std::vector<AudioEntry> a = AudioEntries(), b = AudioEntries();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(a[i].Bytes == b[i].Bytes) << a[i].Name;
}

TEST(AudioContentTest, EverySoundLoadsAndIsAudibleWithoutClippingOrClicks) {
    for (const AudioEntry& e : SoundEntries()) {
        SCOPED_TRACE(e.Name);
        const auto sample = DecodeWav(e.Bytes.data(), e.Bytes.size(), Rate);
        ASSERT_NE(sample, nullptr);
        ASSERT_EQ(sample->Channels, 1);
        EXPECT_GT(sample->FrameCount(), static_cast<size_t>(Rate / 50));
        EXPECT_LT(sample->FrameCount(), static_cast<size_t>(Rate * 2)); // effects stay short
        const Level level = Measure(sample->Frames.data(), sample->Frames.size());
        EXPECT_GT(level.Peak, 0.3);
        EXPECT_LT(level.Peak, 0.95);
        EXPECT_GT(level.Rms, 0.02);
        EXPECT_LT(std::fabs(sample->Frames.front()), 0.01f);
        EXPECT_LT(std::fabs(sample->Frames.back()), 0.01f);
    }
}

TEST(AudioContentTest, EveryModuleIsSmallAndPlaysAWholePassWithoutSilenceOrClipping) {
    for (const AudioEntry& e : MusicEntries()) {
        SCOPED_TRACE(e.Name);
        EXPECT_LT(e.Bytes.size(), 100u * 1024u);
        const double seconds = ModuleSeconds(e.Bytes);
        EXPECT_GT(seconds, 10.0);
        EXPECT_LT(seconds, 180.0);
        const std::vector<float> pass = RenderModule(e.Bytes, seconds, Rate);
        const Level whole = Measure(pass.data(), pass.size());
        EXPECT_LT(whole.Peak, 0.95);
        EXPECT_GT(whole.Peak, 0.15);
        EXPECT_GT(whole.Rms, 0.03);
        // No second of the piece is silent.
        for (size_t s = 0; s + 1 <= static_cast<size_t>(seconds); ++s) {
            const Level second = Measure(pass.data() + s * Rate * 2, Rate * 2);
            EXPECT_GT(second.Rms, 0.01) << "second " << s;
        }
    }
}

TEST(AudioContentTest, MusicLoopsOnPastItsEndInTheMixer) {
    const std::vector<AudioEntry> music = MusicEntries();
    const auto happy = std::find_if(music.begin(), music.end(),
                                    [](const AudioEntry& e) { return e.Name == "Be happy!.mo3"; });
    ASSERT_NE(happy, music.end());
    const double seconds = ModuleSeconds(happy->Bytes);
    AudioMixer mixer(Rate);
    const uint32_t m = mixer.MusicLoad(happy->Bytes.data(), happy->Bytes.size());
    ASSERT_NE(m, 0u);
    ASSERT_TRUE(mixer.MusicPlay(m));
    const size_t total = static_cast<size_t>((seconds + 4) * Rate);
    std::vector<int16_t> out(total * 2);
    for (size_t at = 0; at < total; at += 512)
        mixer.Render(out.data() + at * 2, std::min<size_t>(512, total - at));
    EXPECT_TRUE(mixer.MusicPlaying(m));
    // Both across the seam and well after it, the music goes on.
    const auto rmsFrom = [&](double from, double length) {
        std::vector<float> v;
        for (size_t i = static_cast<size_t>(from * Rate) * 2;
             i < static_cast<size_t>((from + length) * Rate) * 2; ++i)
            v.push_back(out[i] / 32768.0f);
        return Measure(v.data(), v.size()).Rms;
    };
    EXPECT_GT(rmsFrom(seconds - 0.5, 1.0), 0.01);
    EXPECT_GT(rmsFrom(seconds + 1.5, 2.0), 0.03);

    // The music volume scales it; zero silences it.
    mixer.SetGlobalVolumes(0, 100);
    std::vector<int16_t> quiet(2048);
    mixer.Render(quiet.data(), 1024);
    EXPECT_TRUE(std::all_of(quiet.begin(), quiet.end(), [](int16_t v) { return v == 0; }));
    EXPECT_TRUE(mixer.ChannelStop(m));
    EXPECT_FALSE(mixer.MusicPlaying(m));
}

// The strongest period of the signal between 50 and 1000 Hz, as a frequency.
double Pitch(const std::vector<float>& mono, int rate) {
    const int minLag = rate / 1000, maxLag = rate / 50;
    std::vector<double> r(maxLag + 2, 0.0);
    const size_t n = mono.size() - maxLag - 2;
    double best = 0;
    for (int lag = minLag; lag <= maxLag + 1; ++lag) {
        double sum = 0, e1 = 0, e2 = 0;
        for (size_t i = 0; i < n; ++i) {
            sum += mono[i] * mono[i + lag];
            e1 += mono[i] * mono[i];
            e2 += mono[i + lag] * mono[i + lag];
        }
        r[lag] = sum / std::sqrt(e1 * e2 + 1e-12);
        best = std::max(best, r[lag]);
    }
    // The first peak near the best is the fundamental's period (later ones are its multiples).
    for (int lag = minLag + 1; lag <= maxLag; ++lag) {
        if (r[lag] >= 0.9 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
            const double a = r[lag - 1], b = r[lag], c = r[lag + 1];
            const double shift = 0.5 * (a - c) / (a - 2 * b + c);
            return rate / (lag + shift);
        }
    }
    return 0;
}

TEST(AudioContentTest, InstrumentsPlayTheirWrittenPitch) {
    constexpr int AnalysisRate = 44100;
    const struct {
        uint8_t Instrument;
        int Midi;
    } cases[] = {{instruments::Pad, 69},  {instruments::Mallet, 69}, {instruments::Chime, 81},
                 {instruments::Bass, 45}, {instruments::Flute, 72},  {instruments::Pluck, 76},
                 {instruments::Bell, 81}, {instruments::Drone, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Instrument));
        XmModule m;
        m.Channels = 2;
        m.Instruments = instruments::All();
        m.Patterns.emplace_back(64, 2);
        m.Patterns[0].At(0, 0) =
            XmCell{static_cast<uint8_t>(c.Midi - 11), c.Instrument, 0x50, 0, 0};
        m.Order = {0};
        const std::vector<float> stereo = RenderModule(WriteXm(m), 0.5, AnalysisRate);
        std::vector<float> window;
        for (size_t i = static_cast<size_t>(0.2 * AnalysisRate);
             i < static_cast<size_t>(0.4 * AnalysisRate); ++i)
            window.push_back(stereo[i * 2]);
        const double expected = 440.0 * std::pow(2.0, (c.Midi - 69) / 12.0);
        EXPECT_NEAR(Pitch(window, AnalysisRate) / expected, 1.0, 0.01); // within 17 cents
    }
}

int LineRows(const std::string& line, int speed) {
    int ticks = 0;
    for (const LineNote& n : ParseLine(line, speed))
        ticks += n.Ticks;
    EXPECT_EQ(ticks % speed, 0) << line;
    return ticks / speed;
}

// Every line of a song with the bar it starts in.
std::vector<SongLine> LinesOf(const SongPlan& p) {
    std::vector<SongLine> lines = {{p.Melody, p.MelodyFromBar, 0, 0},
                                   {p.Counter, p.CounterFromBar, 0, 0}};
    lines.insert(lines.end(), p.Voices.begin(), p.Voices.end());
    return lines;
}

TEST(AudioContentTest, EverySongsLinesFitItsBars) {
    for (const Song& song : GameSongs()) {
        SCOPED_TRACE(song.Name);
        const SongPlan& p = song.Plan;
        const int bars = static_cast<int>(p.Chords.size());
        for (const std::string& chord : p.Chords) {
            int root = 0;
            std::vector<int> intervals;
            EXPECT_TRUE(ParseChord(chord, root, intervals)) << chord;
        }
        if (!p.Melody.empty()) {
            EXPECT_EQ(LineRows(p.Melody, p.Speed), (bars - p.MelodyFromBar) * 16);
        }
        for (const SongLine& line : LinesOf(p)) {
            EXPECT_LE(LineRows(line.Notes, p.Speed), (bars - line.FromBar) * 16) << line.Notes;
        }
        for (const std::string* rhythm : {&p.BassRhythm, &p.Arpeggio, &p.DrumsA, &p.DrumsB})
            EXPECT_EQ(rhythm->size() % 16, 0u) << *rhythm;
        EXPECT_NO_THROW(Compose(p));
    }
}

// What the ear would catch first: a held note on the beat a semitone above a tone of its chord
// (the minor ninth that grates, where a seventh or a ninth only colours), or a note written in
// the wrong octave. Short passing notes between beats are free.
TEST(AudioContentTest, HeldNotesOnTheBeatBelongToTheirChordAndLieInRange) {
    for (const Song& song : GameSongs()) {
        SCOPED_TRACE(song.Name);
        const SongPlan& p = song.Plan;
        const int beat = 4 * p.Speed, bar = 16 * p.Speed;
        for (const SongLine& line : LinesOf(p)) {
            for (const LineNote& n : ParseLine(line.Notes, p.Speed)) {
                if (n.Midi < 0) continue;
                EXPECT_GE(n.Midi, 36) << line.Notes;
                EXPECT_LE(n.Midi, 96) << line.Notes;
                if (n.StartTick % beat != 0 || n.Ticks < beat) continue;
                const size_t at = static_cast<size_t>(line.FromBar + n.StartTick / bar);
                ASSERT_LT(at, p.Chords.size()) << line.Notes;
                int root = 0;
                std::vector<int> intervals;
                ASSERT_TRUE(ParseChord(p.Chords[at], root, intervals));
                bool chordTone = false, rub = false;
                for (int i : intervals) {
                    const int d = ((n.Midi - root - i) % 12 + 12) % 12;
                    chordTone |= d == 0;
                    rub |= d == 1;
                }
                EXPECT_TRUE(chordTone || !rub)
                    << "note " << n.Midi << " in bar " << at << " over " << p.Chords[at];
            }
        }
    }
}

// A triplet line lands between rows with note delays and keeps the rows after it in step.
TEST(AudioContentTest, TripletsStartBetweenRowsWithNoteDelays) {
    SongPlan p;
    p.Chords = {"C"};
    p.Melody = "C5:4/3 D5:4/3 E5:4/3 G5:12";
    p.MelodyInstrument = instruments::Flute;
    const XmModule m = Compose(p);
    XmPattern pattern = m.Patterns.at(0);
    constexpr int MelodyChannel = 8;
    const auto cell = [&](int row) { return pattern.At(row, MelodyChannel); };
    EXPECT_EQ(cell(0).Note, ParseNoteName("C5") - 11);
    EXPECT_EQ(cell(0).Effect, 0);
    EXPECT_EQ(cell(1).Note, ParseNoteName("D5") - 11);
    EXPECT_EQ(cell(1).Effect, 0x0E);
    EXPECT_EQ(cell(1).Param, 0xD2);
    EXPECT_EQ(cell(2).Note, ParseNoteName("E5") - 11);
    EXPECT_EQ(cell(2).Param, 0xD4);
    EXPECT_EQ(cell(4).Note, ParseNoteName("G5") - 11);
    EXPECT_EQ(cell(4).Effect, 0);
    EXPECT_THROW(ParseLine("C5:1/4", 6), std::invalid_argument);
    // Only what the song plays carries a sample.
    for (size_t i = 0; i < m.Instruments.size(); ++i) {
        const bool played = i + 1 == instruments::Pad || i + 1 == instruments::Flute;
        EXPECT_EQ(!m.Instruments[i].Sample.Data.empty(), played) << i + 1;
    }
}

TEST(AudioContentTest, NoteAndChordNamesReadAsMusiciansWriteThem) {
    EXPECT_EQ(ParseNoteName("C4"), 60);
    EXPECT_EQ(ParseNoteName("A4"), 69);
    EXPECT_EQ(ParseNoteName("C#5"), 73);
    EXPECT_EQ(ParseNoteName("Bb3"), 58);
    EXPECT_EQ(ParseNoteName("H4"), -1);
    EXPECT_EQ(ParseNoteName("C"), -1);
    int root = -1;
    std::vector<int> intervals;
    ASSERT_TRUE(ParseChord("Bbmaj7", root, intervals));
    EXPECT_EQ(root, 10);
    EXPECT_EQ(intervals, (std::vector<int>{0, 4, 7, 11}));
    ASSERT_TRUE(ParseChord("F#m", root, intervals));
    EXPECT_EQ(root, 6);
    EXPECT_EQ(intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_FALSE(ParseChord("Qm", root, intervals));
    EXPECT_FALSE(ParseChord("Cdim9", root, intervals));
}

} // namespace
