#include "main/levels/LevelObjects.h"

#include "main/rules/Geometry.h"

void TLevelObjects::Clear() {
    Pictures.clear();
    BonusElements.clear();
    BonusPoints.clear();
    FireEffects.clear();
    GhostGroups.clear();
    VisitedFrags.clear();
    AnimatedBackground = false;
}

int TLevelObjects::FindPicture(const std::string& name) const {
    for (size_t i = 0; i < Pictures.size(); ++i)
        if (Pictures[i].Name == name) return static_cast<int>(i);
    return -1;
}

int PictureScreenY(int y, int z, int mapScroll) {
    if (z == 0) return y + 245 - mapScroll + 5;
    return RoundEven((y + 245.0 - mapScroll) * 100.0 / (z + 100)) + 5;
}
