// quorrel-fxgen OUTDIR: writes every effect picture as a PNG file, to look at.
#include <png.h>

#include <cstdio>
#include <string>

#include "datagen/effects/EffectSprites.h"

namespace {

bool WritePng(const std::string& path, const EffectSprite& s) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(s.Width);
    image.height = static_cast<png_uint_32>(s.Height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, s.Rgba.data(), 0, nullptr) != 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorrel-fxgen OUTDIR\n");
        return 1;
    }
    for (const EffectSprite& s : MakeEffectSprites()) {
        const std::string path = std::string(argv[1]) + "/" + s.Name;
        if (!WritePng(path, s)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s %dx%d frames %d\n", s.Name.c_str(), s.Width, s.Height, s.Frames);
    }
    return 0;
}
