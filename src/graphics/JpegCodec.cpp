#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "graphics/ImageCodecs.h"

// libjpeg reports fatal errors through error_exit; we jump back out of the library instead of
// letting it exit the process. Nothing with a destructor is created between setjmp and the
// library calls, so the jump skips no cleanup.
namespace {

struct JumpErrorManager {
    jpeg_error_mgr Base;
    jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    longjmp(manager->Jump, 1);
}

void SilentOutput(j_common_ptr) {}

void InitErrors(JumpErrorManager& manager) {
    jpeg_std_error(&manager.Base);
    manager.Base.error_exit = ErrorExit;
    manager.Base.output_message = SilentOutput;
    manager.Message[0] = 0;
}

// Decodes into bgr, which the caller has already sized; returns the jump status.
bool RunDecompress(jpeg_decompress_struct& info, JumpErrorManager& errors, const uint8_t* data,
                   size_t size, std::vector<uint8_t>& bgr, int& width, int& height,
                   std::string& refusal) {
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    // Before starting: a progressive stream would allocate for the whole picture there.
    if (!ImageSizeAllowed(info.image_width, info.image_height)) {
        refusal = ImageSizeRefusal(info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    if (!ImageSizeAllowed(info.output_width, info.output_height) || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    bgr.resize(static_cast<size_t>(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &bgr[static_cast<size_t>(info.output_scanline) * width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // A cut or corrupt stream only raises warnings (the library pads it with grey); we count
    // that as damage.
    const bool clean = errors.Base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return clean;
}

bool RunCompress(jpeg_compress_struct& info, JumpErrorManager& errors, const TImage& image,
                 int quality, unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.Width);
    info.image_height = static_cast<JDIMENSION>(image.Height);
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(
            &image.Bgr[static_cast<size_t>(info.next_scanline) * image.Width * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, TImage& out, std::string& error) {
    if (!data || size == 0) {
        error = "empty JPEG stream";
        return false;
    }
    jpeg_decompress_struct info{};
    JumpErrorManager errors;
    InitErrors(errors);
    info.err = &errors.Base;
    std::vector<uint8_t> bgr;
    int width = 0, height = 0;
    std::string refusal; // lives out here, where no jump of the library can skip it
    if (!RunDecompress(info, errors, data, size, bgr, width, height, refusal)) {
        error = !refusal.empty()    ? refusal
                : errors.Message[0] ? errors.Message
                                    : "unsupported JPEG image";
        return false;
    }
    TImage result;
    result.Width = width;
    result.Height = height;
    result.Bgr = std::move(bgr);
    out = std::move(result);
    return true;
}

bool EncodeJpeg(const TImage& image, int quality, std::vector<uint8_t>& out) {
    if (image.Empty()) return false;
    if (quality < 0) quality = 0;
    if (quality > 100) quality = 100;
    jpeg_compress_struct info{};
    JumpErrorManager errors;
    InitErrors(errors);
    info.err = &errors.Base;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool ok = RunCompress(info, errors, image, quality, &buffer, &size);
    if (ok) out.assign(buffer, buffer + size);
    std::free(buffer);
    return ok;
}
