#include "sound/Music.h"

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "sound/VolumeTable.h"

namespace {

void FreeHandle(IAudioDevice& device, const AudioItem& item) {
    if (item.Handle == 0) return;
    if (item.Kind == AudioItem::MusicModule)
        device.MusicFree(item.Handle);
    else
        device.SampleFree(item.Handle);
}

uint32_t LoadHandle(IAudioDevice& device, const uint8_t* data, size_t size, uint8_t kind) {
    // At most five playbacks of one sample; a sixth replaces the one furthest along.
    constexpr int MaxPlaybacks = 5;
    if (kind == AudioItem::MusicModule) return device.MusicLoad(data, size);
    return device.SampleLoad(data, size, MaxPlaybacks, true);
}

} // namespace

void LoadAudioItem(IAudioDevice& device, const uint8_t* data, size_t size, const std::string& name,
                   uint8_t kind, AudioList& list) {
    AudioItem* item = nullptr;
    for (AudioItem& existing : list) {
        if (existing.Name == name) {
            item = &existing;
            break;
        }
    }
    if (item) {
        FreeHandle(device, *item);
        item->Handle = 0;
    } else {
        list.push_back(AudioItem{name, kind, 0});
        item = &list.back();
    }
    item->Kind = kind;
    item->Handle = LoadHandle(device, data, size, kind);
}

void LoadAudioList(IAudioDevice& device, TFileFolder& archive, const std::string& listEntry,
                   uint8_t kind, AudioList& list) {
    const std::string text = archive.Read(listEntry).Text();
    for (const std::string& name : SplitLines(text)) {
        if (name.empty()) continue; // a stray blank line names nothing
        if (archive.Find(name) < 0)
            throw GameError("[LoadAudioList] " + listEntry + " names a missing entry: " + name);
        const TMemoryStream& entry = archive.Read(name);
        LoadAudioItem(device, entry.Data(), entry.Size(), name, kind, list);
    }
}

void PlayAudio(IAudioDevice& device, const AudioList& list, const std::string& name, int musicLevel,
               std::string& currentMusic, int soundLevel) {
    const AudioItem* item = FindAudioItem(list, name);
    if (!item) return;
    if (item->Kind == AudioItem::MusicModule) {
        currentMusic = name;
        if (VolumeOfLevel(musicLevel) != 0 && item->Handle != 0) device.MusicPlay(item->Handle);
        return;
    }
    const int volume = VolumeOfLevel(soundLevel);
    if (volume != 0 && item->Handle != 0) device.SamplePlay(item->Handle, volume);
}

void StopAllAudio(IAudioDevice& device, const AudioList& list) {
    for (const AudioItem& item : list) {
        if (item.Handle == 0) continue;
        if (item.Kind == AudioItem::MusicModule)
            device.ChannelStop(item.Handle);
        else
            device.SampleStop(item.Handle);
    }
}

void SetVolumes(IAudioDevice& device, int musicLevel, int soundLevel) {
    device.SetGlobalVolumes(VolumeOfLevel(musicLevel), VolumeOfLevel(soundLevel), 0);
}
