#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <png.h>

bool HeadlessDisplay::Open(int width, int bitsPerPixel, int height, bool fullScreen) {
    if (std::find(RefusedDepths.begin(), RefusedDepths.end(), bitsPerPixel) != RefusedDepths.end())
        return false;
    bpp_ = bitsPerPixel;
    fullScreen_ = fullScreen;
    open_ = true;
    frame_ = FrameView{};
    frame_.Width = width;
    frame_.Height = height;
    return true;
}

void HeadlessDisplay::Close() {
    open_ = false;
    if (!frame_.Pixels || frame_.Pixels == kept_.data()) return;
    std::vector<uint8_t> copy(frame_.Pixels,
                              frame_.Pixels + static_cast<size_t>(frame_.Pitch) * frame_.Height);
    kept_.swap(copy);
    frame_.Pixels = kept_.data();
}

uint32_t HeadlessDisplay::Pixel(int x, int y) const {
    if (!frame_.Pixels || x < 0 || y < 0 || x >= frame_.Width || y >= frame_.Height) return 0;
    const uint8_t* at = frame_.Pixels + static_cast<size_t>(y) * frame_.Pitch;
    if (frame_.BitsPerPixel == 16) {
        uint16_t p;
        std::memcpy(&p, at + 2 * x, 2);
        const uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
        return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    }
    uint32_t p;
    std::memcpy(&p, at + 4 * x, 4);
    return p & 0xFFFFFF;
}

bool HeadlessDisplay::SavePng(const std::string& path) const {
    if (!frame_.Pixels) return false;
    const int width = frame_.Width, height = frame_.Height;
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
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
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
