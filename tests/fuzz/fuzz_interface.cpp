// An interface file or language overlay a modder hands the game, loaded into a fresh engine
// and drawn into nothing.
#include "FuzzInput.h"
#include "archive/DebugLog.h"
#include "interface/VexFont.h"
#include "interface/VexInterfaceEngine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TVexFontEngine fonts;
    TNullDebugLog log;
    TVexInterfaceEngine engine(&fonts, &log);
    try {
        engine.LoadInterfaceText(FuzzText(data, size));
        engine.RestoreProperties();
        engine.LoadLanguageText(FuzzText(data, size));
    } catch (const std::exception&) {
    }
    return 0;
}
