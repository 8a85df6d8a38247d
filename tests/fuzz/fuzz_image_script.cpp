// An image script (".aim"): its tags, numbers and canvas sizes (the archive holds no pictures,
// so a script that names one stops there).
#include "FuzzInput.h"
#include "archive/FileFolder.h"
#include "graphics/ImageScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TFileFolder archive = TFileFolder::CreateNew("/tmp/quorrel_fuzz_unused.zxc");
    try {
        RunImageScript(FuzzText(data, size), archive);
    } catch (const std::exception&) {
    }
    return 0;
}
