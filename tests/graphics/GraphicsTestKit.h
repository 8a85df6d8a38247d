#pragma once
// Small builders shared by the graphics tests: pictures, encoded PNG/JPEG bytes, archives in a
// scratch folder.
#include <array>
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "archive/FileFolder.h"
#include "graphics/Image.h"
#include "graphics/ImageCodecs.h"

namespace gfxtest {

// A w x h picture whose pixel (x, y) has colour fn(x, y) = {b, g, r} and alpha alphaFn(x, y).
template <class ColourFn> TImage MakeImage(int w, int h, ColourFn fn) {
    TImage image = TImage::Blank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto c = fn(x, y);
            image.Pixel(x, y)[0] = static_cast<uint8_t>(c[0]);
            image.Pixel(x, y)[1] = static_cast<uint8_t>(c[1]);
            image.Pixel(x, y)[2] = static_cast<uint8_t>(c[2]);
        }
    return image;
}

inline TImage Solid(int w, int h, uint8_t b, uint8_t g, uint8_t r) {
    return MakeImage(w, h, [&](int, int) { return std::array<int, 3>{b, g, r}; });
}

template <class AlphaFn> TImage WithAlpha(TImage image, AlphaFn fn) {
    image.EnsureAlpha(0);
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            image.Alpha[static_cast<size_t>(y) * image.Width + x] = static_cast<uint8_t>(fn(x, y));
    return image;
}

inline TMemoryStream PngStream(const TImage& image) {
    std::vector<uint8_t> bytes;
    EncodePng(image, bytes);
    return TMemoryStream(std::move(bytes));
}

inline TMemoryStream JpegStream(const TImage& image, int quality = 95) {
    std::vector<uint8_t> bytes;
    EncodeJpeg(image, quality, bytes);
    return TMemoryStream(std::move(bytes));
}

inline TImage DecodedPng(const TMemoryStream& stream) {
    TImage image;
    std::string error;
    DecodePng(stream.Data(), stream.Size(), image, error);
    return image;
}

// A fresh scratch folder per test, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("quorrel-gfx-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    // The folder with a trailing slash, as the game's program folder.
    std::string Folder() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

struct Entry {
    std::string Name;
    TMemoryStream Data;
    int16_t Kind = 2;
};

inline void WriteArchive(const std::string& path, const std::vector<Entry>& entries) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    TFileFolder folder = TFileFolder::CreateNew(path);
    for (const Entry& e : entries)
        folder.Add(e.Name, e.Kind, e.Data);
    folder.Write();
}

inline std::vector<std::string> EntryNames(const std::string& path) {
    TFileFolder folder = TFileFolder::Open(path);
    std::vector<std::string> names;
    for (const TDirItem& item : folder.Dir)
        names.push_back(item.FileName());
    return names;
}

} // namespace gfxtest
