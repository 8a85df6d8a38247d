#pragma once
#include <cstdint>

// The game's linear congruential generator: seed = seed * 134775813 + 1 (mod 2^32).
// Seeded once (from the clock, or fixed for tests and replays), so a seeded game replays
// identically.
class Random {
  public:
    explicit Random(uint32_t seed = 0) : seed_(seed) {}

    // An integer from 0 to n - 1: the high 32 bits of seed * n after the step. 0 when n <= 0.
    int32_t Next(int32_t n);
    // A real number in [0, 1): seed / 2^32 after the step.
    double NextReal();

    uint32_t Seed() const { return seed_; }
    void SetSeed(uint32_t seed) { seed_ = seed; }

  private:
    void Step() { seed_ = seed_ * 134775813u + 1u; }
    uint32_t seed_;
};
