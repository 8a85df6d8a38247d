// The bonus types file.
#include "FuzzInput.h"
#include "main/rules/BonusTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ParseBonusTypes(FuzzText(data, size));
    } catch (const std::exception&) {
    }
    return 0;
}
