// The bitmap fonts file: loaded, then every font measures every character.
#include "FuzzInput.h"
#include "interface/VexFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TVexFontEngine fonts;
    try {
        fonts.LoadFontsText(FuzzText(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    for (const auto& object : fonts.FVexObjects)
        if (const auto* font = dynamic_cast<const TVexFont*>(object.get()))
            for (const TVexCharSet& set : font->CharSets)
                font->TextWidth(set.Name, all);
    return 0;
}
