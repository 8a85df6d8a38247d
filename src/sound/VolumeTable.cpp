#include "sound/VolumeTable.h"

int VolumeOfLevel(int level) {
    static constexpr int Table[VolumeLevelCount] = {100, 80, 60, 40, 20, 0};
    if (level < 1) level = 1;
    if (level > VolumeLevelCount) level = VolumeLevelCount;
    return Table[level - 1];
}
