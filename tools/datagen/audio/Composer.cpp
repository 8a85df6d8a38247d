#include "Composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "Instruments.h"

namespace {

constexpr int RowsPerBar = 16;
constexpr int BarsPerPattern = 4;
constexpr int RowsPerPattern = RowsPerBar * BarsPerPattern;

enum Channel {
    PadBankA = 0,
    PadBankB = 3,
    BassCh = 6,
    ArpCh,
    MelodyCh,
    CounterCh,
    DrumACh,
    DrumBCh,
    ChannelCount
};

uint8_t XmNote(int midi) {
    return static_cast<uint8_t>(std::clamp(midi - 11, 1, 96));
}
uint8_t Vol(int v) {
    return static_cast<uint8_t>(0x10 + std::clamp(v, 0, 64));
}

struct Chord {
    int Root = 0; // pitch class
    std::vector<int> Intervals;
};

Chord ChordOf(const std::string& name) {
    Chord c;
    if (!ParseChord(name, c.Root, c.Intervals))
        throw std::invalid_argument("unknown chord " + name);
    return c;
}

class Score {
  public:
    Score(int bars, int channels) : bars_(bars) {
        const int patterns = (bars + BarsPerPattern - 1) / BarsPerPattern;
        for (int i = 0; i < patterns; ++i)
            patterns_.emplace_back(RowsPerPattern, channels);
    }
    int Rows() const { return bars_ * RowsPerBar; }
    XmCell* At(int row, int channel) {
        if (row < 0 || row >= Rows()) return nullptr;
        return &patterns_[row / RowsPerPattern].At(row % RowsPerPattern, channel);
    }
    void Note(int row, int channel, int midi, uint8_t instrument, int volume) {
        if (XmCell* c = At(row, channel)) {
            c->Note = XmNote(midi);
            c->Instrument = instrument;
            c->Volume = Vol(volume);
        }
    }
    void Off(int row, int channel) {
        if (XmCell* c = At(row, channel)) *c = XmCell{XmCell::NoteOff, 0, 0, 0, 0};
    }
    // Delays the note or release written at row by some ticks of that row.
    void Delay(int row, int channel, int ticks) {
        XmCell* c = At(row, channel);
        if (c && ticks > 0) {
            c->Effect = 0x0E;
            c->Param = static_cast<uint8_t>(0xD0 | ticks);
        }
    }
    std::vector<XmPattern> Take() { return std::move(patterns_); }

  private:
    int bars_;
    std::vector<XmPattern> patterns_;
};

// Three pad notes per chord, placed as close as possible to the previous chord's notes.
std::vector<int> Voice(const Chord& chord, const std::vector<int>& previous) {
    std::vector<int> pcs;
    for (size_t i = 0; i < chord.Intervals.size() && pcs.size() < 3; ++i)
        pcs.push_back((chord.Root + chord.Intervals[i]) % 12);
    std::vector<int> best;
    int bestCost = 1 << 30;
    for (int inversion = 0; inversion < static_cast<int>(pcs.size()); ++inversion) {
        for (int base = 52; base <= 64; ++base) {
            if (base % 12 != pcs[inversion]) continue;
            std::vector<int> notes = {base};
            for (size_t k = 1; k < pcs.size(); ++k) {
                int n = notes.back() + 1;
                while (n % 12 != pcs[(inversion + k) % pcs.size()])
                    ++n;
                notes.push_back(n);
            }
            int cost = 0;
            for (size_t k = 0; k < notes.size(); ++k)
                cost += std::abs(notes[k] - (previous.empty() ? 60 + 4 * static_cast<int>(k)
                                                              : previous[k % previous.size()]));
            if (cost < bestCost) {
                bestCost = cost;
                best = notes;
            }
        }
    }
    return best;
}

void WritePads(Score& score, const SongPlan& plan) {
    std::vector<int> previous;
    std::string lastChord;
    int bank = PadBankB;
    for (size_t bar = 0; bar < plan.Chords.size(); ++bar) {
        const int row = static_cast<int>(bar) * RowsPerBar;
        if (bar > 0 && plan.Chords[bar] == lastChord) continue; // keep holding
        // The old chord releases on its bank while the new one swells on the other.
        const int old = bank;
        bank = bar == 0 ? PadBankA : (bank == PadBankA ? PadBankB : PadBankA);
        for (int k = 0; k < 3; ++k)
            score.Off(row, old + k);
        previous = Voice(ChordOf(plan.Chords[bar]), previous);
        for (size_t k = 0; k < previous.size(); ++k)
            score.Note(row, bank + static_cast<int>(k), previous[k], instruments::Pad,
                       plan.PadVolume);
        lastChord = plan.Chords[bar];
    }
}

int BassRoot(const std::string& chordName) {
    const Chord c = ChordOf(chordName);
    return 36 + (c.Root + 12 - 2) % 12 + 2; // D2 up to C#3: low but clear
}

void WriteBass(Score& score, const SongPlan& plan) {
    if (plan.BassRhythm.empty()) return;
    for (size_t bar = plan.BassFromBar; bar < plan.Chords.size(); ++bar) {
        const int root = BassRoot(plan.Chords[bar]);
        for (int r = 0; r < RowsPerBar; ++r) {
            const char c = plan.BassRhythm[(bar * RowsPerBar + r) % plan.BassRhythm.size()];
            const int row = static_cast<int>(bar) * RowsPerBar + r;
            if (c == 'R') score.Note(row, BassCh, root, instruments::Bass, plan.BassVolume);
            if (c == 'O')
                score.Note(row, BassCh, root + 12, instruments::Bass, plan.BassVolume - 6);
            if (c == 'F') score.Note(row, BassCh, root + 7, instruments::Bass, plan.BassVolume - 4);
            if (c == '-') score.Off(row, BassCh);
        }
    }
}

void WriteArpeggio(Score& score, const SongPlan& plan) {
    if (plan.Arpeggio.empty()) return;
    for (size_t bar = plan.ArpFromBar; bar < plan.Chords.size(); ++bar) {
        const Chord chord = ChordOf(plan.Chords[bar]);
        const int base = (plan.ArpOctave + 1) * 12 + chord.Root;
        const int tones = static_cast<int>(chord.Intervals.size());
        for (int r = 0; r < RowsPerBar; ++r) {
            const char c = plan.Arpeggio[(bar * RowsPerBar + r) % plan.Arpeggio.size()];
            if (c < '0' || c > '9') continue;
            const int index = c - '0';
            const int note = base + chord.Intervals[index % tones] + 12 * (index / tones);
            score.Note(static_cast<int>(bar) * RowsPerBar + r, ArpCh, note, plan.ArpInstrument,
                       plan.ArpVolume - (r % 4 == 0 ? 0 : 6));
        }
    }
}

void WriteLine(Score& score, const SongLine& line, int channel, int speed) {
    const int start = line.FromBar * RowsPerBar;
    for (const LineNote& n : ParseLine(line.Notes, speed)) {
        const int row = start + n.StartTick / speed;
        if (n.Midi < 0)
            score.Off(row, channel);
        else
            score.Note(row, channel, n.Midi, line.Instrument, line.Volume);
        score.Delay(row, channel, n.StartTick % speed);
    }
}

void WriteDrums(Score& score, const std::string& rhythm, int fromBar, int bars, int channel) {
    if (rhythm.empty()) return;
    for (int row = fromBar * RowsPerBar; row < bars * RowsPerBar; ++row) {
        switch (rhythm[row % rhythm.size()]) {
        case 'k':
            score.Note(row, channel, 60, instruments::Kick, 46);
            break;
        case 'w':
            score.Note(row, channel, 60, instruments::WoodBlock, 26);
            break;
        case 's':
            score.Note(row, channel, 60, instruments::Shaker, 14);
            break;
        case 'S':
            score.Note(row, channel, 60, instruments::Shaker, 24);
            break;
        case 't':
            score.Note(row, channel, 60, instruments::FrameDrum, 30);
            break;
        case 'T':
            score.Note(row, channel, 60, instruments::FrameDrum, 44);
            break;
        default:
            break;
        }
    }
}

// Every instrument the patterns name keeps its sample; the others are written empty, so a song
// carries only the sounds it plays.
std::vector<XmInstrument> InstrumentsFor(const std::vector<XmPattern>& patterns) {
    std::vector<XmInstrument> all = instruments::All();
    std::vector<bool> used(all.size() + 1, false);
    for (const XmPattern& p : patterns)
        for (const XmCell& c : p.Cells)
            if (c.Instrument > 0 && c.Instrument < used.size()) used[c.Instrument] = true;
    for (size_t i = 0; i < all.size(); ++i)
        if (!used[i + 1]) all[i].Sample = XmSample{};
    return all;
}

// "6" or "4/3" rows, in ticks.
int LengthTicks(const std::string& length, int speed) {
    const size_t slash = length.find('/');
    const int rows = std::stoi(length.substr(0, slash));
    const int parts = slash == std::string::npos ? 1 : std::stoi(length.substr(slash + 1));
    if (rows <= 0 || parts <= 0 || rows * speed % parts != 0)
        throw std::invalid_argument("length " + length + " is no whole number of ticks");
    return rows * speed / parts;
}

} // namespace

std::vector<LineNote> ParseLine(const std::string& notes, int speed) {
    std::istringstream in(notes);
    std::string token;
    std::vector<LineNote> out;
    int tick = 0;
    while (in >> token) {
        const size_t colon = token.find(':');
        if (colon == std::string::npos) throw std::invalid_argument("note without length " + token);
        const std::string name = token.substr(0, colon);
        LineNote n;
        n.Midi = name == "r" ? -1 : ParseNoteName(name);
        if (name != "r" && n.Midi < 0) throw std::invalid_argument("unknown note " + name);
        n.StartTick = tick;
        n.Ticks = LengthTicks(token.substr(colon + 1), speed);
        tick += n.Ticks;
        out.push_back(n);
    }
    return out;
}

int ParseNoteName(const std::string& name) {
    static constexpr int Steps[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return -1;
    int pc = Steps[name[0] - 'A'];
    size_t i = 1;
    if (name[i] == '#')
        ++pc, ++i;
    else if (name[i] == 'b')
        --pc, ++i;
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') return -1;
    return (name[i] - '0' + 1) * 12 + pc;
}

bool ParseChord(const std::string& name, int& rootPitchClass, std::vector<int>& intervals) {
    const int root = ParseNoteName(
        name.substr(0, name.size() > 1 && (name[1] == '#' || name[1] == 'b') ? 2 : 1) + "4");
    if (root < 0) return false;
    rootPitchClass = root % 12;
    const std::string quality =
        name.substr(name.size() > 1 && (name[1] == '#' || name[1] == 'b') ? 2 : 1);
    if (quality.empty())
        intervals = {0, 4, 7};
    else if (quality == "m")
        intervals = {0, 3, 7};
    else if (quality == "7")
        intervals = {0, 4, 7, 10};
    else if (quality == "maj7")
        intervals = {0, 4, 7, 11};
    else if (quality == "m7")
        intervals = {0, 3, 7, 10};
    else if (quality == "sus2")
        intervals = {0, 2, 7};
    else if (quality == "sus4")
        intervals = {0, 5, 7};
    else
        return false;
    return true;
}

XmModule Compose(const SongPlan& plan) {
    const int bars = static_cast<int>(plan.Chords.size());
    // An even number of channels, as the oldest trackers want.
    const int channels = (ChannelCount + static_cast<int>(plan.Voices.size()) + 1) / 2 * 2;
    Score score(bars, channels);
    WritePads(score, plan);
    WriteBass(score, plan);
    WriteArpeggio(score, plan);
    WriteLine(score, {plan.Melody, plan.MelodyFromBar, plan.MelodyVolume, plan.MelodyInstrument},
              MelodyCh, plan.Speed);
    WriteLine(score,
              {plan.Counter, plan.CounterFromBar, plan.CounterVolume, plan.CounterInstrument},
              CounterCh, plan.Speed);
    for (size_t i = 0; i < plan.Voices.size(); ++i)
        WriteLine(score, plan.Voices[i], ChannelCount + static_cast<int>(i), plan.Speed);
    WriteDrums(score, plan.DrumsA, plan.DrumsAFromBar, bars, DrumACh);
    WriteDrums(score, plan.DrumsB, plan.DrumsBFromBar, bars, DrumBCh);

    XmModule m;
    m.Name = plan.Title;
    m.Channels = channels;
    m.Speed = plan.Speed;
    m.Bpm = plan.Bpm;
    m.Patterns = score.Take();
    for (size_t i = 0; i < m.Patterns.size(); ++i)
        m.Order.push_back(static_cast<uint8_t>(i));
    m.Instruments = InstrumentsFor(m.Patterns);
    return m;
}
