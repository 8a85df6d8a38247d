#pragma once
#include <cstdint>
#include <vector>

// Small building blocks for the game's synthesised sounds: everything is mono float at a
// given rate, and every random choice comes from a seeded generator, so each build makes the
// same bytes.
namespace synth {

constexpr double Pi = 3.14159265358979323846;

using Signal = std::vector<float>;

class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    float Next(); // -1..1
  private:
    uint32_t state_;
};

// The RBJ biquad, used as low pass, high pass or band pass.
class Biquad {
  public:
    static Biquad LowPass(double rate, double cutoff, double q = 0.707);
    static Biquad HighPass(double rate, double cutoff, double q = 0.707);
    static Biquad BandPass(double rate, double centre, double q);
    float Process(float x);

  private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Signal Silence(double seconds, int rate);
// A resonance of the given frequency that dies away with time constant decay (seconds), added
// into out from start (seconds): the modes of struck wood and metal.
void AddMode(Signal& out, int rate, double start, double frequency, double amplitude, double decay,
             double phase = 0);
// A short burst of band-passed noise: the scratch of a strike or the hiss of a rustle.
void AddNoiseBurst(Signal& out, int rate, double start, double length, double centre, double q,
                   double amplitude, uint32_t seed);
// A tone whose frequency glides exponentially from f0 to f1 over its length.
void AddGlide(Signal& out, int rate, double start, double length, double f0, double f1,
              double amplitude, double decay);
// A soft chime: a bell-like set of partials, the higher ones dying faster.
void AddChime(Signal& out, int rate, double start, double frequency, double amplitude,
              double decay);

void LowPass(Signal& s, int rate, double cutoff);
void HighPass(Signal& s, int rate, double cutoff);
// Scales so the largest magnitude is peak; fades the tail softly to zero.
void Finish(Signal& s, int rate, double peak);
double NoteFrequency(int midiNote);

} // namespace synth
