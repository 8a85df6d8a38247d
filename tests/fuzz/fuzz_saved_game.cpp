// A saved game from a player's folder: whatever it holds, the values stay in their ranges.
#include <cstdlib>

#include "FuzzInput.h"
#include "main/progress/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TProgression values;
    SavedGame::FromText(FuzzText(data, size), values);
    const int* numbers[] = {&values.CurrentLevel, &values.TotalScore, &values.SkillLife,
                            &values.ExperiencePool, &values.PlusLife};
    for (const int* n : numbers)
        if (*n < 0 || *n > SavedGame::LargestValue) std::abort();
    return 0;
}
