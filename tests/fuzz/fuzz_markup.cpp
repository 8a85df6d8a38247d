// The markup reader behind the interface file and the language files.
#include "FuzzInput.h"
#include "markup/MarkupJson.h"
#include "markup/VexParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TVexParser parser;
    try {
        parser.LoadFromText(FuzzText(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    if (!parser.Tags.empty()) MarkupToJson(*parser.Tags[0]);
    return 0;
}
