#include "graphics/FrameRestore.h"

#include <optional>

#include "graphics/SurfEngine.h"

void TFrameRestore::Restore(TSurfEngine& surfaces, const std::string& source,
                            const std::string& frame) {
    const TSurface* from = surfaces.FindPixels(source);
    TSurface* to = surfaces.FindPixels(frame);
    // Tiles can stand for the rest only where the frame is a whole copy of this same source.
    const bool alike = from && to && from->SameShape(*to);
    TDamageTiles* sourceTiles = surfaces.Damage(source);
    TDamageTiles* frameTiles = surfaces.Damage(frame);
    if (alike && sourceTiles && frameTiles && source == lastSource_) {
        frameTiles->CopyMarked(*sourceTiles, *from, *to);
        ++counts_.Tiles;
    } else {
        surfaces.CopySurface(source, frame, std::nullopt, 0, 0);
        surfaces.TrackDamage(source);
        surfaces.TrackDamage(frame);
        sourceTiles = surfaces.Damage(source);
        frameTiles = surfaces.Damage(frame);
        ++counts_.Whole;
    }
    lastSource_ = alike && sourceTiles && frameTiles ? source : "";
    if (sourceTiles) sourceTiles->Clear();
    if (frameTiles) frameTiles->Clear();
    // Surfaces of other shapes were copied as far as they meet: nothing to compare.
    if (checking_ && alike && !from->SamePixels(*to)) ++counts_.Mismatched;
}
