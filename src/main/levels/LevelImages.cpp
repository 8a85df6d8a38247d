#include "main/levels/LevelImages.h"

#include "archive/FileFolder.h"
#include "graphics/SurfEngine.h"
#include "main/rules/GameHost.h"

bool TLevelImages::Ensure(const std::string& name) {
    if (name.empty()) return false;
    // Registered every time a level names it, so the catalogue keeps it at level starts.
    if (engine_.FindSurface(name) >= 0) {
        if (squares_ && squares_->Find(name) >= 0) host_.RegisterImage(name, name);
        return true;
    }
    if (!squares_ || squares_->Find(name) < 0) {
        host_.DebugLog(LevelImageNotFound + name);
        return false;
    }
    bool jpeg = name.size() >= 3 && name.compare(name.size() - 3, 3, "jpg") == 0;
    bool loaded = jpeg ? engine_.LoadJpegSurface(*squares_, name, name)
                       : engine_.LoadPngSurface(*squares_, name, name);
    if (loaded) host_.RegisterImage(name, name);
    return loaded;
}

TPoint TLevelImages::Size(const std::string& name) const {
    int i = engine_.FindSurface(name);
    if (i < 0) return {};
    const SurfaceRecord& r = engine_.Record(i);
    return {r.Width, r.Height};
}

const uint8_t* TLevelImages::Mask(const std::string& name) const {
    int i = engine_.FindSurface(name);
    if (i < 0) return nullptr;
    const SurfaceRecord& r = engine_.Record(i);
    if (r.MaskWidth == -1 || r.Mask.size() < static_cast<size_t>(r.Width) * r.Height)
        return nullptr;
    return r.Mask.data();
}
