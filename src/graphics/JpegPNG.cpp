#include "graphics/JpegPNG.h"

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/ImageCodecs.h"

namespace {

bool ReadPng(TMemoryStream& stream, TImage& image) {
    std::string error;
    return DecodePng(stream.Data(), stream.Size(), image, error);
}

void Store(TMemoryStream& out, std::vector<uint8_t>&& bytes) {
    out = TMemoryStream(std::move(bytes));
}

bool MakeJpeg(TMemoryStream& png, int quality, std::vector<uint8_t>& jpeg) {
    TImage image;
    if (!ReadPng(png, image)) return false;
    return EncodeJpeg(image, quality == 255 ? 90 : quality, jpeg);
}

bool MakeGrey(TMemoryStream& png, std::vector<uint8_t>& grey) {
    TImage image;
    if (!ReadPng(png, image)) return false;
    if (!image.HasAlpha) image.EnsureAlpha(255);
    return EncodePngGrey(image.Width, image.Height, image.Alpha, grey);
}

} // namespace

bool PngToJpeg(TMemoryStream& png, TMemoryStream& jpeg, int quality) {
    std::vector<uint8_t> bytes;
    if (!MakeJpeg(png, quality, bytes)) return false;
    Store(jpeg, std::move(bytes));
    return true;
}

bool JpegToPng(TMemoryStream& jpeg, TMemoryStream& png) {
    TImage image;
    std::string error;
    if (!DecodeJpeg(jpeg.Data(), jpeg.Size(), image, error)) return false;
    std::vector<uint8_t> bytes;
    if (!EncodePng(image, bytes, PngPacking::Fast)) return false;
    Store(png, std::move(bytes));
    return true;
}

bool AlphaToGreyPng(TMemoryStream& png, TMemoryStream& grey) {
    std::vector<uint8_t> bytes;
    if (!MakeGrey(png, bytes)) return false;
    Store(grey, std::move(bytes));
    return true;
}

namespace {

bool AddGreyAsAlpha(TImage& image, TMemoryStream& greyPng, TMemoryStream& result) {
    int gw = 0, gh = 0;
    std::vector<uint8_t> grey;
    std::string error;
    if (!DecodePngGrey(greyPng.Data(), greyPng.Size(), gw, gh, grey, error)) return false;
    image.EnsureAlpha(255);
    for (int y = 0; y < image.Height && y < gh; ++y) {
        const int n = image.Width < gw ? image.Width : gw;
        const uint8_t* from = &grey[static_cast<size_t>(y) * gw];
        std::copy(from, from + n, &image.Alpha[static_cast<size_t>(y) * image.Width]);
    }
    std::vector<uint8_t> bytes;
    if (!EncodePng(image, bytes, PngPacking::Fast)) return false;
    Store(result, std::move(bytes));
    return true;
}

} // namespace

bool MergeAlphaPng(TMemoryStream& colourPng, TMemoryStream& greyPng, TMemoryStream& result) {
    TImage image;
    if (!ReadPng(colourPng, image)) return false;
    return AddGreyAsAlpha(image, greyPng, result);
}

bool JoinJpegAndMask(TMemoryStream& jpeg, TMemoryStream& greyPng, TMemoryStream& result) {
    TImage image;
    std::string error;
    if (!DecodeJpeg(jpeg.Data(), jpeg.Size(), image, error)) return false;
    return AddGreyAsAlpha(image, greyPng, result);
}

bool SplitPng(TMemoryStream& png, TMemoryStream& jpeg, TMemoryStream& grey, int quality) {
    std::vector<uint8_t> jpegBytes, greyBytes;
    if (!MakeJpeg(png, quality, jpegBytes)) return false;
    if (!MakeGrey(png, greyBytes)) return false;
    Store(jpeg, std::move(jpegBytes));
    Store(grey, std::move(greyBytes));
    return true;
}
