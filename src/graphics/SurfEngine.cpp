#include "graphics/SurfEngine.h"

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SafeFile.h"
#include "graphics/ImageCodecs.h"
#include "graphics/PixelFill.h"
#include "graphics/SurfaceClip.h"
#include "platform/Platform.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TImage DecodeOrThrow(const uint8_t* data, size_t size, bool png, const std::string& what) {
    TImage image;
    std::string error;
    const bool ok =
        png ? DecodePng(data, size, image, error) : DecodeJpeg(data, size, image, error);
    if (!ok) throw GameError("Cannot load image " + what + " (" + error + ")");
    return image;
}

} // namespace

TSurfEngine::TSurfEngine(int bitsPerPixel) : bpp_(bitsPerPixel == 16 ? 16 : 32) {}

TSurfEngine::~TSurfEngine() = default;

void TSurfEngine::AttachDisplay(IDisplay* display, int width, int height) {
    display_ = display;
    width_ = width;
    height_ = height;
    if (display_) bpp_ = display_->BitsPerPixel() == 16 ? 16 : 32;
}

void TSurfEngine::ReleaseSurfaceMemory() {
    for (SurfaceRecord& record : surfaces_) {
        record.Surface.reset();
        record.Damage.reset();
    }
}

int TSurfEngine::FindSurface(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? -1 : it->second;
}

void TSurfEngine::AddSurface(SurfaceRecord&& record) {
    byName_.emplace(record.Name, static_cast<int>(surfaces_.size())); // a first one stays found
    surfaces_.push_back(std::move(record));
}

void TSurfEngine::DeleteSurface(const std::string& name) {
    const int i = FindSurface(name);
    if (i < 0) return;
    surfaces_.erase(surfaces_.begin() + i);
    byName_.clear();
    for (int k = static_cast<int>(surfaces_.size()) - 1; k >= 0; --k)
        byName_[surfaces_[k].Name] = k;
}

bool TSurfEngine::CreateBlankSurface(const std::string& name, int width, int height) {
    std::unique_ptr<TSurface> surface = TSurface::Create(width, height, bpp_);
    if (!surface) return false;
    SurfaceRecord record;
    record.Name = name;
    record.Width = width;
    record.Height = height;
    record.Surface = std::move(surface);
    AddSurface(std::move(record));
    return true;
}

TSurface* TSurfEngine::FindPixels(const std::string& name) {
    const int i = FindSurface(name);
    return i < 0 ? nullptr : surfaces_[i].Surface.get();
}

SurfaceRecord* TSurfEngine::FindWithPixels(const std::string& name) {
    const int i = FindSurface(name);
    return i < 0 || !surfaces_[i].Surface ? nullptr : &surfaces_[i];
}

void TSurfEngine::TrackDamage(const std::string& name) {
    SurfaceRecord* record = FindWithPixels(name);
    if (!record || record->Damage) return;
    record->Damage =
        std::make_unique<TDamageTiles>(record->Surface->Width(), record->Surface->Height());
}

TDamageTiles* TSurfEngine::Damage(const std::string& name) {
    SurfaceRecord* record = FindWithPixels(name);
    return record ? record->Damage.get() : nullptr;
}

bool TSurfEngine::AddImageSurface(const std::string& name, const std::string& entry,
                                  const std::string& archive, const TImage& image, PixelRule rule,
                                  bool opaqueMask) {
    std::unique_ptr<TSurface> surface = TSurface::Create(image.Width, image.Height, bpp_);
    if (!surface) return false;
    if (rule == PixelRule::Png) {
        FillSurfaceFromPng(*surface, image);
    } else {
        FillSurfaceFromJpeg(*surface, image);
    }
    SurfaceRecord record;
    record.Name = name;
    record.SourceEntry = entry;
    record.SourceArchive = archive;
    record.Width = image.Width;
    record.Height = image.Height;
    if (image.HasAlpha) {
        record.Mask = image.Alpha;
    } else if (opaqueMask) {
        record.Mask.assign(image.PixelCount(), 255);
    }
    record.MaskWidth = record.Mask.empty() ? -1 : image.Width;
    record.Surface = std::move(surface);
    AddSurface(std::move(record));
    return true;
}

// Every PNG from an archive gets a mask (all 255 when it has no alpha), so it always goes
// through the alpha path.
bool TSurfEngine::LoadPngSurface(TFileFolder& archive, const std::string& name,
                                 const std::string& entry) {
    TMemoryStream* stream = archive.ReadIfPresent(entry);
    if (!stream) return false;
    TImage image = DecodeOrThrow(stream->Data(), stream->Size(), true, entry);
    return AddImageSurface(name, entry, archive.Path(), image, PixelRule::Png, true);
}

// An opaque PNG file gets no mask and is drawn by plain copy.
bool TSurfEngine::LoadPngSurfaceFromFile(const std::string& name, const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    TImage image =
        DecodeOrThrow(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), true, path);
    return AddImageSurface(name, path, "", image, PixelRule::Png, false);
}

bool TSurfEngine::LoadJpegSurface(TFileFolder& archive, const std::string& name,
                                  const std::string& entry) {
    TMemoryStream& stream = archive.Read(entry);
    TImage image = DecodeOrThrow(stream.Data(), stream.Size(), false, entry);
    return AddImageSurface(name, entry, archive.Path(), image, PixelRule::Jpeg, false);
}

bool TSurfEngine::LoadJpegSurfaceFromFile(const std::string& name, const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    TImage image =
        DecodeOrThrow(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), false, path);
    return AddImageSurface(name, path, "", image, PixelRule::Jpeg, false);
}

void TSurfEngine::PresentFrame() {
    if (!display_ || !display_->IsOpen()) return;
    const TSurface* frame = FindPixels("MemorySurface");
    if (!frame) return;
    FrameView view;
    view.Pixels = frame->Pixels();
    view.Width = frame->Width();
    view.Height = frame->Height();
    view.Pitch = frame->Pitch();
    view.BitsPerPixel = frame->BitsPerPixel();
    display_->Present(view);
}

void TSurfEngine::RecreateSurfaces(TFileFolder& archive1, TFileFolder& archive2, int width,
                                   int height) {
    const size_t count = surfaces_.size();
    for (size_t k = 0; k < count && !surfaces_.empty(); ++k) {
        const std::string name = surfaces_[0].Name;
        const std::string entry = surfaces_[0].SourceEntry;
        const bool fromFile = surfaces_[0].SourceArchive.empty();
        if (entry.empty() && !CreateBlankSurface(name, width, height)) return;
        DeleteSurface(name);
        const bool png = EndsWith(entry, "png");
        if (!png && !EndsWith(entry, "jpg")) continue;
        TFileFolder* archive = archive1.Find(entry) >= 0   ? &archive1
                               : archive2.Find(entry) >= 0 ? &archive2
                                                           : nullptr;
        if (archive) {
            if (png) {
                LoadPngSurface(*archive, name, entry);
            } else {
                LoadJpegSurface(*archive, name, entry);
            }
        } else if (fromFile) {
            // Pictures read from disk come back from disk rather than vanishing.
            if (png) {
                LoadPngSurfaceFromFile(name, entry);
            } else {
                LoadJpegSurfaceFromFile(name, entry);
            }
        }
    }
}
