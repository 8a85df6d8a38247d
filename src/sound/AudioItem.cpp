#include "sound/AudioItem.h"

const AudioItem* FindAudioItem(const AudioList& list, const std::string& name) {
    for (const AudioItem& item : list)
        if (item.Name == name) return &item;
    return nullptr;
}
