#include "main/shell/WindowIcon.h"

#include "archive/SafeFile.h"
#include "graphics/ImageCodecs.h"

namespace {
// An icon is a few KB; anything much larger is not ours.
constexpr size_t IconReadLimit = 4 * 1024 * 1024;
} // namespace

bool LoadWindowIcon(const std::string& path, std::vector<uint8_t>& rgba, int& width, int& height) {
    std::string bytes, error;
    if (!ReadFileStart(path, IconReadLimit, bytes)) return false;
    TImage image;
    if (!DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image, error))
        return false;
    std::vector<uint8_t> out(image.PixelCount() * 4);
    for (size_t i = 0; i < image.PixelCount(); ++i) {
        out[i * 4 + 0] = image.Bgr[i * 3 + 2];
        out[i * 4 + 1] = image.Bgr[i * 3 + 1];
        out[i * 4 + 2] = image.Bgr[i * 3 + 0];
        out[i * 4 + 3] = image.HasAlpha ? image.Alpha[i] : 255;
    }
    rgba = std::move(out);
    width = image.Width;
    height = image.Height;
    return true;
}
