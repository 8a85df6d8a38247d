// An archive file: opened, listed, and every entry loaded.
#include "FuzzInput.h"
#include "archive/FileFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFile(data, size, "archive.zxc");
    try {
        TFileFolder folder = TFileFolder::Open(path);
        folder.LoadAll();
    } catch (const std::exception&) {
    }
    return 0;
}
