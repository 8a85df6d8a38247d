#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cstdio>
#include <png.h>

bool HeadlessDisplay::Open(int width, int bitsPerPixel, int height, bool fullScreen) {
    if (std::find(RefusedDepths.begin(), RefusedDepths.end(), bitsPerPixel) != RefusedDepths.end())
        return false;
    Width = width;
    Height = height;
    bpp_ = bitsPerPixel;
    fullScreen_ = fullScreen;
    open_ = true;
    LastFrame.assign(static_cast<size_t>(width) * height, 0);
    return true;
}

namespace {

uint32_t From565(uint16_t p) {
    uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

} // namespace

void HeadlessDisplay::Present(const FrameView& frame) {
    ++Presents;
    Width = frame.Width;
    Height = frame.Height;
    LastFrame.resize(static_cast<size_t>(Width) * Height);
    for (int y = 0; y < Height; ++y) {
        const uint8_t* row = frame.Pixels + static_cast<size_t>(y) * frame.Pitch;
        uint32_t* out = &LastFrame[static_cast<size_t>(y) * Width];
        for (int x = 0; x < Width; ++x) {
            if (frame.BitsPerPixel == 16) {
                uint16_t p;
                std::copy(row + 2 * x, row + 2 * x + 2, reinterpret_cast<uint8_t*>(&p));
                out[x] = From565(p);
            } else {
                uint32_t p;
                std::copy(row + 4 * x, row + 4 * x + 4, reinterpret_cast<uint8_t*>(&p));
                out[x] = p & 0xFFFFFF;
            }
        }
    }
}

bool HeadlessDisplay::SavePng(const std::string& path) const {
    if (LastFrame.empty()) return false;
    std::string temp = path + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::remove(temp.c_str());
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, Width, Height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(Width) * 3);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            uint32_t p = Pixel(x, y);
            row[3 * x] = static_cast<uint8_t>(p >> 16);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    bool ok = std::fclose(f) == 0;
    return ok && std::rename(temp.c_str(), path.c_str()) == 0;
}

bool HeadlessHost::PollEvent(PlatformEvent& event) {
    if (Events.empty()) return false;
    event = Events.front();
    Events.pop_front();
    if (event.Type == EventType::MouseMove || event.Type == EventType::MouseDown ||
        event.Type == EventType::MouseUp)
        Pointer = {event.X, event.Y};
    return true;
}

void HeadlessHost::ShowMessage(const std::string& title, const std::string& text) {
    Messages.push_back(title + ": " + text);
}

std::string HeadlessHost::ReadUserSetting(const std::string& key) {
    auto it = UserSettings.find(key);
    return it == UserSettings.end() ? "" : it->second;
}

void HeadlessHost::WriteUserSetting(const std::string& key, const std::string& value) {
    UserSettings[key] = value;
}

void HeadlessHost::ShowProgress(const std::string& text, const std::string&, int percent) {
    ProgressVisible = true;
    ProgressText = text;
    ProgressPercent = percent;
}
