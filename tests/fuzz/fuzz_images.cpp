// PNG and JPEG pictures from the archives or a modder's folder.
#include "FuzzInput.h"
#include "graphics/ImageCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TImage image;
    std::string error;
    DecodePng(data, size, image, error);
    DecodeJpeg(data, size, image, error);
    return 0;
}
