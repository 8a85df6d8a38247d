#include "archive/Random.h"

int32_t Random::Next(int32_t n) {
    Step();
    if (n <= 0) return 0;
    return static_cast<int32_t>((uint64_t{seed_} * static_cast<uint64_t>(n)) >> 32);
}

double Random::NextReal() {
    Step();
    return seed_ / 4294967296.0;
}
