#include "graphics/FrameRestore.h"

#include <cstring>
#include <optional>

#include "graphics/SurfEngine.h"

namespace {

bool Alike(const TSurface& a, const TSurface& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           a.BitsPerPixel() == b.BitsPerPixel();
}

} // namespace

void TFrameRestore::Restore(TSurfEngine& surfaces, const std::string& source,
                            const std::string& frame) {
    if (RestoreTiles(surfaces, source, frame)) {
        ++counts_.Tiles;
    } else {
        surfaces.CopySurface(source, frame, std::nullopt, 0, 0);
        surfaces.TrackDamage(source);
        surfaces.TrackDamage(frame);
        ++counts_.Whole;
    }
    TDamageTiles* sourceTiles = surfaces.Damage(source);
    TDamageTiles* frameTiles = surfaces.Damage(frame);
    const TSurface* from = surfaces.FindPixels(source);
    const TSurface* to = surfaces.FindPixels(frame);
    // Only a frame that is now the whole source can be restored by its tiles next time.
    const bool whole = sourceTiles && frameTiles && from && to && Alike(*from, *to);
    lastSource_ = whole ? source : "";
    if (sourceTiles) sourceTiles->Clear();
    if (frameTiles) frameTiles->Clear();
    if (checking_ && !FrameEqualsSource(surfaces, source, frame)) ++counts_.Mismatched;
}

bool TFrameRestore::RestoreTiles(TSurfEngine& surfaces, const std::string& source,
                                 const std::string& frame) {
    if (lastSource_.empty() || source != lastSource_) return false;
    const TDamageTiles* sourceTiles = surfaces.Damage(source);
    const TDamageTiles* frameTiles = surfaces.Damage(frame);
    const TSurface* from = surfaces.FindPixels(source);
    TSurface* to = surfaces.FindPixels(frame);
    if (!sourceTiles || !frameTiles || !from || !to || !Alike(*from, *to)) return false;
    frameTiles->CopyMarked(*sourceTiles, *from, *to);
    return true;
}

bool TFrameRestore::FrameEqualsSource(TSurfEngine& surfaces, const std::string& source,
                                      const std::string& frame) {
    const TSurface* from = surfaces.FindPixels(source);
    const TSurface* to = surfaces.FindPixels(frame);
    if (!from || !to || !Alike(*from, *to)) return true; // nothing was copied to compare
    const size_t bytes = static_cast<size_t>(from->Width()) * from->BytesPerPixel();
    for (int y = 0; y < from->Height(); ++y)
        if (std::memcmp(from->Row(y), to->Row(y), bytes) != 0) return false;
    return true;
}
