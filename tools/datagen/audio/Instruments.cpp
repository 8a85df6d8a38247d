#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "Synth.h"

using namespace synth;

namespace instruments {
namespace {

constexpr double MiddleC = 261.6255653;

// Sets the sample's relative note and finetune so that C-4 plays it at rate.
void TuneTo(XmSample& s, double rate) {
    const double semitones = 12.0 * std::log2(rate / 8363.0);
    const int whole = static_cast<int>(std::lround(semitones));
    s.RelativeNote = static_cast<int8_t>(whole);
    s.Finetune = static_cast<int8_t>(std::lround((semitones - whole) * 128.0));
}

std::vector<int16_t> Quantise(const Signal& s, double peak) {
    float top = 0;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    const double scale = top > 0 ? peak * 32767.0 / top : 0;
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = static_cast<int16_t>(std::lround(std::clamp(s[i] * scale, -32767.0, 32767.0)));
    return out;
}

struct Partial {
    double Harmonic;
    double Amplitude;
};

// A waveform made of harmonics, periodic over `period` samples.
double Harmonics(const std::vector<Partial>& partials, double t, double period) {
    double v = 0;
    for (const Partial& p : partials)
        v += p.Amplitude * std::sin(2 * Pi * p.Harmonic * t / period);
    return v;
}

double Window(double t, int attack) {
    const double x = 1.0 - t / attack;
    return x * x;
}

// A sample whose attack (with a transient that has died by its end) is followed by a loop of
// whole periods, so the loop joins without a click.
XmSample LoopedSample(const std::string& name, int period, int attack, int loopPeriods,
                      const std::vector<Partial>& body,
                      const std::function<double(double t)>& transient) {
    const int loop = period * loopPeriods;
    Signal s(static_cast<size_t>(attack + loop));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i);
        double v = Harmonics(body, t, period);
        if (i < static_cast<size_t>(attack)) v += transient(t) * Window(t, attack);
        s[i] = static_cast<float>(v);
    }
    XmSample out;
    out.Name = name;
    out.Data = Quantise(s, 0.9);
    out.LoopStart = static_cast<uint32_t>(attack);
    out.LoopLength = static_cast<uint32_t>(loop);
    TuneTo(out, MiddleC * period);
    return out;
}

XmInstrument MakePad() {
    // Three voices a few cents apart beat slowly against each other: a soft chorus that
    // repeats exactly over the loop (128, 129 and 127 periods).
    constexpr int Period = 32, Periods = 128;
    const std::vector<Partial> tone = {{1, 1.0},  {2, 0.45}, {3, 0.25},
                                       {4, 0.12}, {5, 0.07}, {6, 0.04}};
    const int loop = Period * Periods;
    Signal s(static_cast<size_t>(loop));
    for (int i = 0; i < loop; ++i) {
        double v = 0;
        for (const Partial& p : tone) {
            const double k = p.Harmonic;
            v += p.Amplitude * std::sin(2 * Pi * k * Periods * i / loop);
            v += 0.7 * p.Amplitude * std::sin(2 * Pi * k * (Periods + 1) * i / loop + 1.1 * k);
            v += 0.5 * p.Amplitude * std::sin(2 * Pi * k * (Periods - 1) * i / loop + 2.3 * k);
        }
        s[static_cast<size_t>(i)] = static_cast<float>(v);
    }
    XmInstrument ins;
    ins.Name = "Dusk pad";
    ins.Sample.Name = "pad";
    ins.Sample.Data = Quantise(s, 0.9);
    ins.Sample.LoopStart = 0;
    ins.Sample.LoopLength = static_cast<uint32_t>(loop);
    TuneTo(ins.Sample, MiddleC * Period);
    ins.VolumeEnvelope = {{0, 0}, {16, 44}, {40, 58}, {80, 20}, {140, 0}};
    ins.SustainPoint = 2;
    ins.Fadeout = 400;
    ins.VibratoType = 0;
    ins.VibratoSweep = 80;
    ins.VibratoDepth = 2;
    ins.VibratoRate = 6;
    return ins;
}

double MalletStrike(double t) {
    constexpr double period = 64;
    return (0.9 * std::exp(-t / 300.0) * std::sin(2 * Pi * 4 * t / period) +
            0.3 * std::exp(-t / 120.0) * std::sin(2 * Pi * 10 * t / period + 0.4));
}

XmInstrument MakeMallet() {
    XmInstrument ins;
    ins.Name = "Wood mallet";
    ins.Sample = LoopedSample("mallet", 64, 1536, 4, {{1, 1.0}, {2, 0.06}}, MalletStrike);
    ins.VolumeEnvelope = {{0, 64}, {3, 46}, {8, 28}, {16, 14}, {30, 5}, {50, 0}};
    return ins;
}

double ChimeStrike(double t) {
    constexpr double period = 64;
    return (0.35 * std::exp(-t / 900.0) * std::sin(2 * Pi * 2.76 * t / period + 1.3) +
            0.15 * std::exp(-t / 400.0) * std::sin(2 * Pi * 5.4 * t / period + 2.1));
}

XmInstrument MakeChime() {
    XmInstrument ins;
    ins.Name = "Soft chime";
    ins.Sample = LoopedSample("chime", 64, 4096, 8, {{1, 1.0}, {2, 0.22}, {3, 0.05}}, ChimeStrike);
    ins.VolumeEnvelope = {{0, 64}, {6, 50}, {24, 30}, {60, 14}, {110, 5}, {170, 0}};
    return ins;
}

double BassPluck(double t) {
    constexpr double period = 64;
    return std::exp(-t / 150.0) * 0.4 * std::sin(2 * Pi * 5 * t / period);
}

XmInstrument MakeBass() {
    XmInstrument ins;
    ins.Name = "Round bass";
    ins.Sample =
        LoopedSample("bass", 64, 512, 4, {{1, 1.0}, {2, 0.35}, {3, 0.12}, {4, 0.05}}, BassPluck);
    ins.VolumeEnvelope = {{0, 64}, {6, 52}, {30, 40}, {36, 0}};
    ins.SustainPoint = 2;
    ins.Fadeout = 1200;
    return ins;
}

XmInstrument MakeFlute() {
    XmInstrument ins;
    ins.Name = "Evening flute";
    // Breath: band-passed noise that rises with the tone and is gone before the loop.
    auto breath = [noise = Noise(901),
                   band = Biquad::BandPass(16744, 2500, 0.7)](double t) mutable {
        return 0.12 * std::min(1.0, t / 200.0) * band.Process(noise.Next());
    };
    ins.Sample =
        LoopedSample("flute", 64, 2048, 8, {{1, 1.0}, {2, 0.2}, {3, 0.08}, {4, 0.03}}, breath);
    ins.VolumeEnvelope = {{0, 0}, {4, 50}, {10, 58}, {16, 52}, {24, 0}};
    ins.SustainPoint = 3;
    ins.Fadeout = 800;
    ins.VibratoType = 0;
    ins.VibratoSweep = 40;
    ins.VibratoDepth = 4;
    ins.VibratoRate = 14;
    return ins;
}

XmInstrument OneShot(const std::string& name, const Signal& s, int rate, double peak) {
    XmInstrument ins;
    ins.Name = name;
    ins.Sample.Name = name;
    ins.Sample.Data = Quantise(s, peak);
    TuneTo(ins.Sample, rate);
    return ins;
}

XmInstrument MakeKick() {
    constexpr int Rate = 11025;
    Signal s = Silence(0.22, Rate);
    AddGlide(s, Rate, 0.0, 0.22, 110, 42, 1.0, 0.08);
    AddNoiseBurst(s, Rate, 0.0, 0.01, 900, 1.0, 0.3, 1201);
    Finish(s, Rate, 1.0);
    return OneShot("Soft kick", s, Rate, 0.9);
}

XmInstrument MakeShaker() {
    constexpr int Rate = 22050;
    Signal s = Silence(0.09, Rate);
    AddNoiseBurst(s, Rate, 0.0, 0.09, 6500, 1.2, 1.0, 1301);
    Finish(s, Rate, 1.0);
    return OneShot("Seed shaker", s, Rate, 0.8);
}

XmInstrument MakeWoodBlock() {
    constexpr int Rate = 22050;
    Signal s = Silence(0.12, Rate);
    AddMode(s, Rate, 0.0, 880, 1.0, 0.025);
    AddMode(s, Rate, 0.0, 880 * 2.6, 0.4, 0.012, 0.8);
    AddNoiseBurst(s, Rate, 0.0, 0.008, 2500, 1.0, 0.4, 1401);
    Finish(s, Rate, 1.0);
    return OneShot("Wood block", s, Rate, 0.85);
}

// A plucked string: the bright harmonics of the pluck die within the attack, leaving a mellow
// tone that the envelope lets ring for a moment, like a drop falling into still water.
double PluckStrike(double t) {
    constexpr double period = 64;
    double v = 0;
    for (int h = 2; h <= 9; ++h)
        v += std::exp(-t * h / 500.0) * std::sin(2 * Pi * h * t / period + 0.7 * h) / h;
    return 0.9 * v;
}

XmInstrument MakePluck() {
    XmInstrument ins;
    ins.Name = "Reed pluck";
    ins.Sample = LoopedSample("pluck", 64, 2048, 4, {{1, 1.0}, {2, 0.3}, {3, 0.1}}, PluckStrike);
    ins.VolumeEnvelope = {{0, 64}, {2, 42}, {6, 24}, {14, 11}, {28, 4}, {44, 0}};
    return ins;
}

// A glass bell: inharmonic partials ring out over the attack above a pure, long tail.
double BellStrike(double t) {
    constexpr double period = 64;
    return 0.45 * std::exp(-t / 1500.0) * std::sin(2 * Pi * 2.4 * t / period + 0.5) +
           0.3 * std::exp(-t / 900.0) * std::sin(2 * Pi * 4.1 * t / period + 1.7) +
           0.15 * std::exp(-t / 500.0) * std::sin(2 * Pi * 5.9 * t / period + 2.9);
}

XmInstrument MakeBell() {
    XmInstrument ins;
    ins.Name = "Glass bell";
    ins.Sample = LoopedSample("bell", 64, 6144, 4, {{1, 1.0}, {2, 0.12}, {3, 0.18}}, BellStrike);
    ins.VolumeEnvelope = {{0, 64}, {8, 44}, {40, 26}, {100, 12}, {180, 4}, {260, 0}};
    return ins;
}

XmInstrument MakeDrone() {
    // A reedy low tone of many harmonics, two voices a hair apart beating slowly over the
    // loop (64 and 65 periods), so a held note breathes instead of standing still.
    constexpr int Period = 64, Periods = 64;
    const std::vector<Partial> tone = {{1, 1.0},  {2, 0.75}, {3, 0.5},  {4, 0.3},
                                       {5, 0.22}, {6, 0.12}, {7, 0.08}, {9, 0.04}};
    const int loop = Period * Periods;
    Signal s(static_cast<size_t>(loop));
    for (int i = 0; i < loop; ++i) {
        double v = 0;
        for (const Partial& p : tone) {
            const double k = p.Harmonic;
            v += p.Amplitude * std::sin(2 * Pi * k * Periods * i / loop);
            v += 0.8 * p.Amplitude * std::sin(2 * Pi * k * (Periods + 1) * i / loop + 0.9 * k);
        }
        s[static_cast<size_t>(i)] = static_cast<float>(v);
    }
    XmInstrument ins;
    ins.Name = "Marsh drone";
    ins.Sample.Name = "drone";
    ins.Sample.Data = Quantise(s, 0.9);
    ins.Sample.LoopStart = 0;
    ins.Sample.LoopLength = static_cast<uint32_t>(loop);
    TuneTo(ins.Sample, MiddleC * Period);
    ins.VolumeEnvelope = {{0, 0}, {40, 40}, {90, 56}, {120, 0}};
    ins.SustainPoint = 2;
    ins.Fadeout = 250;
    return ins;
}

XmInstrument MakeFrameDrum() {
    constexpr int Rate = 11025;
    Signal s = Silence(0.32, Rate);
    AddGlide(s, Rate, 0.0, 0.32, 150, 96, 1.0, 0.11);
    AddMode(s, Rate, 0.0, 231, 0.25, 0.05);
    AddNoiseBurst(s, Rate, 0.0, 0.02, 700, 0.8, 0.35, 1501);
    Finish(s, Rate, 1.0);
    return OneShot("Frame drum", s, Rate, 0.9);
}

} // namespace

std::vector<XmInstrument> All() {
    return {MakePad(),    MakeMallet(),    MakeChime(), MakeBass(), MakeFlute(), MakeKick(),
            MakeShaker(), MakeWoodBlock(), MakePluck(), MakeBell(), MakeDrone(), MakeFrameDrum()};
}

} // namespace instruments
