#include <png.h>

#include <cstring>
#include <memory>
#include <new>

#include "graphics/ImageCodecs.h"

namespace {

// Colour type byte of the IHDR chunk: 8 signature + 4 length + 4 type + 8 size + 1 depth.
constexpr size_t ColourTypeOffset = 25;

bool ColourTypeHasAlpha(const uint8_t* data, size_t size) {
    if (size <= ColourTypeOffset) return false;
    uint8_t type = data[ColourTypeOffset];
    return type == PNG_COLOR_TYPE_GRAY_ALPHA || type == PNG_COLOR_TYPE_RGB_ALPHA;
}

// Reads the header and checks the size; the image must be freed by the caller on success.
bool BeginRead(png_image& image, const uint8_t* data, size_t size, std::string& error) {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        error = image.message;
        png_image_free(&image);
        return false;
    }
    if (!ImageSizeAllowed(image.width, image.height)) {
        error = ImageSizeRefusal(image.width, image.height);
        png_image_free(&image);
        return false;
    }
    return true;
}

bool FinishRead(png_image& image, uint32_t format, std::vector<uint8_t>& pixels,
                std::string& error) {
    image.format = format;
    pixels.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        error = image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

bool WritePng(png_image& image, const void* pixels, PngPacking packing, std::vector<uint8_t>& out) {
    if (packing == PngPacking::Fast) image.flags |= PNG_IMAGE_FLAG_FAST;
    // One pass into a buffer of the largest possible size: asking for the size first would
    // compress everything twice.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow)
                                          uint8_t[size]); // not cleared: written over
    if (!buffer) return false;
    if (!png_image_write_to_memory(&image, buffer.get(), &size, 0, pixels, 0, nullptr)) {
        return false;
    }
    out.assign(buffer.get(), buffer.get() + size);
    return true;
}

} // namespace

bool DecodePng(const uint8_t* data, size_t size, TImage& out, std::string& error) {
    if (!data || size == 0) {
        error = "empty PNG stream";
        return false;
    }
    png_image image;
    if (!BeginRead(image, data, size, error)) return false;
    const bool alpha = ColourTypeHasAlpha(data, size);
    std::vector<uint8_t> pixels;
    if (!FinishRead(image, alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR, pixels, error)) return false;
    TImage result;
    result.Width = static_cast<int>(image.width);
    result.Height = static_cast<int>(image.height);
    result.HasAlpha = alpha;
    if (!alpha) {
        result.Bgr = std::move(pixels);
    } else {
        const size_t n = result.PixelCount();
        result.Bgr.resize(n * 3);
        result.Alpha.resize(n);
        for (size_t i = 0; i < n; ++i) {
            std::memcpy(&result.Bgr[i * 3], &pixels[i * 4], 3);
            result.Alpha[i] = pixels[i * 4 + 3];
        }
    }
    out = std::move(result);
    return true;
}

bool DecodePngGrey(const uint8_t* data, size_t size, int& width, int& height,
                   std::vector<uint8_t>& grey, std::string& error) {
    if (!data || size == 0) {
        error = "empty PNG stream";
        return false;
    }
    png_image image;
    if (!BeginRead(image, data, size, error)) return false;
    std::vector<uint8_t> pixels;
    if (!FinishRead(image, PNG_FORMAT_GRAY, pixels, error)) return false;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    grey = std::move(pixels);
    return true;
}

bool EncodePng(const TImage& source, std::vector<uint8_t>& out, PngPacking packing) {
    if (source.Empty()) return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(source.Width);
    image.height = static_cast<png_uint_32>(source.Height);
    if (!source.HasAlpha) {
        image.format = PNG_FORMAT_BGR;
        return WritePng(image, source.Bgr.data(), packing, out);
    }
    const size_t n = source.PixelCount();
    std::vector<uint8_t> pixels(n * 4);
    for (size_t i = 0; i < n; ++i) {
        std::memcpy(&pixels[i * 4], &source.Bgr[i * 3], 3);
        pixels[i * 4 + 3] = source.Alpha[i];
    }
    image.format = PNG_FORMAT_BGRA;
    return WritePng(image, pixels.data(), packing, out);
}

bool EncodePngGrey(int width, int height, const std::vector<uint8_t>& grey,
                   std::vector<uint8_t>& out, PngPacking packing) {
    if (width <= 0 || height <= 0 || grey.size() < static_cast<size_t>(width) * height) {
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_GRAY;
    return WritePng(image, grey.data(), packing, out);
}
