#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "archive/Rect.h"
#include "graphics/DamageTiles.h"
#include "graphics/Surface.h"

class TFileFolder;
class IDisplay;
struct TImage;

// One named surface of the engine.
struct SurfaceRecord {
    std::string Name;          // the key, case-sensitive; the first record of a name wins
    std::string SourceEntry;   // archive entry or file path of the pixels; "" for blank ones
    std::string SourceArchive; // path of the archive the pixels came from; "" for files, blanks
    int MaskWidth = -1;        // -1: no alpha mask, drawn by plain copy
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Mask; // Width * Height opacity bytes when MaskWidth != -1
    std::unique_ptr<TSurface> Surface;
    std::unique_ptr<TDamageTiles> Damage; // what was drawn over, for surfaces that keep it
};

// The running visual effects live with the engine; the effects module supplies the list.
class IEffectList {
  public:
    virtual ~IEffectList() = default;
    virtual void Clear() = 0;
};

// The game's drawing engine: named system-memory surfaces loaded from the archives or files,
// alpha blits with opacity and tint, bitmap-font text, and the hand-over of the composed frame
// to the display.
class TSurfEngine {
  public:
    static constexpr int ScreenWidth = 800;
    static constexpr int ScreenHeight = 600;

    // bitsPerPixel is the depth of new surfaces until a display is attached (16 or 32).
    explicit TSurfEngine(int bitsPerPixel = 32);
    ~TSurfEngine();
    TSurfEngine(const TSurfEngine&) = delete;
    TSurfEngine& operator=(const TSurfEngine&) = delete;

    // Display. Surfaces made from now on take the display's depth; existing ones are rebuilt
    // by RecreateSurfaces.
    void AttachDisplay(IDisplay* display, int width, int height);
    void DetachDisplay() { display_ = nullptr; }
    // Frees every surface's pixels (the records stay; drawing with them does nothing) before
    // the display closes; RecreateSurfaces brings them back.
    void ReleaseSurfaceMemory();
    IDisplay* Display() const { return display_; }
    int BitsPerPixel() const { return bpp_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Registry.
    int FindSurface(const std::string& name) const;
    void AddSurface(SurfaceRecord&& record);
    void DeleteSurface(const std::string& name);
    bool CreateBlankSurface(const std::string& name, int width, int height);
    int Count() const { return static_cast<int>(surfaces_.size()); }
    const SurfaceRecord& Record(int index) const { return surfaces_[index]; }
    SurfaceRecord& Record(int index) { return surfaces_[index]; }
    // The surface of a name, or nullptr.
    TSurface* FindPixels(const std::string& name);
    // From now on, every drawing into the surface marks its tiles (until its pixels are made
    // again); nullptr from Damage when they are not kept.
    void TrackDamage(const std::string& name);
    TDamageTiles* Damage(const std::string& name);

    // Loading: each appends a record; none replaces one of the same name. Decoder errors are
    // raised as GameError.
    bool LoadPngSurface(TFileFolder& archive, const std::string& name, const std::string& entry);
    bool LoadPngSurfaceFromFile(const std::string& name, const std::string& path);
    bool LoadJpegSurface(TFileFolder& archive, const std::string& name, const std::string& entry);
    bool LoadJpegSurfaceFromFile(const std::string& name, const std::string& path);

    // Drawing; unknown names do nothing. Rectangles are inclusive.
    void CopySurface(const std::string& source, const std::string& target,
                     const std::optional<TRect>& rect, int x, int y);
    void DrawAlpha(const std::string& source, const std::string& target, int x, int y,
                   uint8_t opacity, const std::optional<TRect>& rect = std::nullopt,
                   uint32_t tintColour = 0, uint8_t tintLevel = 0, const uint8_t* lookup = nullptr);
    // glyphStarts[k] is the left column of the glyph of character k + 32.
    void DrawFontText(const std::string& text, const std::string& fontSurface,
                      std::span<const int32_t> glyphStarts, uint8_t tintLevel, uint32_t tintColour,
                      uint8_t opacity, int y, int x, const std::string& target);
    // Hands "MemorySurface" to the attached display.
    void PresentFrame();
    // Rebuilds every surface at the current depth: blank ones come back blank at width x
    // height, the others are loaded again from archive1, else archive2.
    void RecreateSurfaces(TFileFolder& archive1, TFileFolder& archive2, int width, int height);

    void SetEffectList(std::unique_ptr<IEffectList> effects) { effects_ = std::move(effects); }
    IEffectList* Effects() const { return effects_.get(); }

  private:
    enum class PixelRule { Png, Jpeg };
    bool AddImageSurface(const std::string& name, const std::string& entry,
                         const std::string& archive, const TImage& image, PixelRule rule,
                         bool opaqueMask);
    void BlendSpan(TSurface& src, const SurfaceRecord& rec, TSurface& dst, const TRect& r, int x,
                   int y, uint8_t opacity, uint32_t colour, uint8_t level, const uint8_t* lookup);
    // The record of a name with its pixels, or nullptr.
    SurfaceRecord* FindWithPixels(const std::string& name);
    static void Drawn(SurfaceRecord& target, int x, int y, const TRect& part);

    IDisplay* display_ = nullptr;
    int width_ = ScreenWidth;
    int height_ = ScreenHeight;
    int bpp_ = 32;
    std::vector<SurfaceRecord> surfaces_;
    // Every drawing call finds its pictures by name, hundreds of times a frame: each name
    // leads to the first surface of that name.
    std::unordered_map<std::string, int> byName_;
    std::unique_ptr<IEffectList> effects_;
};
