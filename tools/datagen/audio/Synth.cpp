#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

float Noise::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<int32_t>(state_) / 2147483648.0);
}

Biquad Biquad::LowPass(double rate, double cutoff, double q) {
    Biquad f;
    const double w = 2 * Pi * std::min(cutoff, rate * 0.45) / rate;
    const double alpha = std::sin(w) / (2 * q), cw = std::cos(w), a0 = 1 + alpha;
    f.b0_ = (1 - cw) / 2 / a0;
    f.b1_ = (1 - cw) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * cw / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::HighPass(double rate, double cutoff, double q) {
    Biquad f;
    const double w = 2 * Pi * std::min(cutoff, rate * 0.45) / rate;
    const double alpha = std::sin(w) / (2 * q), cw = std::cos(w), a0 = 1 + alpha;
    f.b0_ = (1 + cw) / 2 / a0;
    f.b1_ = -(1 + cw) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * cw / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::BandPass(double rate, double centre, double q) {
    Biquad f;
    const double w = 2 * Pi * std::min(centre, rate * 0.45) / rate;
    const double alpha = std::sin(w) / (2 * q), cw = std::cos(w), a0 = 1 + alpha;
    f.b0_ = alpha / a0;
    f.b1_ = 0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2 * cw / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

Signal Silence(double seconds, int rate) {
    return Signal(static_cast<size_t>(std::lround(seconds * rate)), 0.0f);
}

static size_t Index(double seconds, int rate) {
    return static_cast<size_t>(std::max(0.0, seconds) * rate);
}

void AddMode(Signal& out, int rate, double start, double frequency, double amplitude, double decay,
             double phase) {
    if (frequency >= rate * 0.45) return; // would alias
    for (size_t i = Index(start, rate); i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate - start;
        const double env = std::exp(-t / decay);
        if (env < 1e-4) break;
        // A two-sample attack ramp keeps the strike from clicking.
        const double attack = std::min(1.0, t * rate / 2.0);
        out[i] +=
            static_cast<float>(amplitude * env * attack * std::sin(2 * Pi * frequency * t + phase));
    }
}

void AddNoiseBurst(Signal& out, int rate, double start, double length, double centre, double q,
                   double amplitude, uint32_t seed) {
    Noise noise(seed);
    Biquad band = Biquad::BandPass(rate, centre, q);
    const size_t begin = Index(start, rate);
    const size_t count = Index(length, rate);
    for (size_t k = 0; k < count && begin + k < out.size(); ++k) {
        const double t = static_cast<double>(k) / count;
        // Quick rise, smooth fall.
        const double env = std::min(1.0, t * 12.0) * (1 - t) * (1 - t);
        out[begin + k] += static_cast<float>(amplitude * env * band.Process(noise.Next()));
    }
}

void AddGlide(Signal& out, int rate, double start, double length, double f0, double f1,
              double amplitude, double decay) {
    double phase = 0;
    const size_t begin = Index(start, rate);
    const size_t count = Index(length, rate);
    for (size_t k = 0; k < count && begin + k < out.size(); ++k) {
        const double t = static_cast<double>(k) / rate;
        const double f = f0 * std::pow(f1 / f0, static_cast<double>(k) / count);
        phase += 2 * Pi * f / rate;
        const double env = std::exp(-t / decay) * std::min(1.0, k / 8.0);
        out[begin + k] += static_cast<float>(amplitude * env * std::sin(phase));
    }
}

void AddChime(Signal& out, int rate, double start, double frequency, double amplitude,
              double decay) {
    // Partials of a small tuned bar: warm fundamental, an octave, and two bright
    // inharmonic ones that fade first.
    AddMode(out, rate, start, frequency, amplitude, decay);
    AddMode(out, rate, start, frequency * 2.0, amplitude * 0.28, decay * 0.55, 0.7);
    AddMode(out, rate, start, frequency * 2.76, amplitude * 0.16, decay * 0.3, 1.3);
    AddMode(out, rate, start, frequency * 5.4, amplitude * 0.06, decay * 0.12, 2.1);
}

void LowPass(Signal& s, int rate, double cutoff) {
    Biquad f = Biquad::LowPass(rate, cutoff);
    for (float& v : s)
        v = f.Process(v);
}

void HighPass(Signal& s, int rate, double cutoff) {
    Biquad f = Biquad::HighPass(rate, cutoff);
    for (float& v : s)
        v = f.Process(v);
}

void Finish(Signal& s, int rate, double peak) {
    float top = 0;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top > 0)
        for (float& v : s)
            v = static_cast<float>(v * peak / top);
    // A gentle fade over the tail, so a ringing chime never stops with a jump.
    const size_t fade = std::min(s.size() / 4, static_cast<size_t>(rate * 0.15));
    for (size_t k = 0; k < fade; ++k)
        s[s.size() - 1 - k] *= static_cast<float>(0.5 - 0.5 * std::cos(Pi * k / fade));
}

double NoteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

} // namespace synth
