// The text helpers every reader uses: numbers never wrap, and the saved files' rotation gives
// back what it was given.
#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "archive/SFunctions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size);
    StrToIntVal(text);
    int32_t n = 0;
    TryStrToInt(text, n);
    if (!std::isfinite(StrToFloatZero(text))) std::abort();
    if (DecodeText(EncodeText(text)) != text) std::abort();
    GetAttr(text, "name");
    GetWord(text, 3);
    SplitLines(text);
    return 0;
}
