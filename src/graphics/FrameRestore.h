#pragma once
#include <cstdint>
#include <string>

class TSurfEngine;

// Starts every frame as a copy of a still source surface. When the source and the frame are
// those of the last start, only the tiles drawn over since, in either of them, are copied
// back; another source, or surfaces made again (another colour depth), copy it all.
class TFrameRestore {
  public:
    struct TCounts {
        uint64_t Whole = 0;      // starts that copied the whole source
        uint64_t Tiles = 0;      // starts that copied only drawn-over tiles
        uint64_t Mismatched = 0; // starts after which the frame differed from the source
    };

    void Restore(TSurfEngine& surfaces, const std::string& source, const std::string& frame);
    // Compares the whole frame with the source after each start and counts those that differ.
    // It costs a second pass over the frame, so only tests and the soak ask for it.
    void SetChecking(bool on) { checking_ = on; }
    const TCounts& Counts() const { return counts_; }

  private:
    std::string lastSource_;
    bool checking_ = false;
    TCounts counts_;
};
