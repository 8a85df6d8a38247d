#include "sound/AudioEngine.h"

#include "sound/Music.h"
#include "sound/VolumeTable.h"

bool TAudioEngine::Open() {
    soundOn_ = device_.GetVersion() == RequiredVersion && device_.Init(-1, OutputFrequency, 0);
    if (soundOn_) device_.Start();
    ApplyVolumes();
    return soundOn_;
}

void TAudioEngine::LoadLists(TFileFolder& archive) {
    LoadAudioList(Device(), archive, MusicsList, AudioItem::MusicModule, list_);
    LoadAudioList(Device(), archive, SoundsList, AudioItem::Sample, list_);
}

void TAudioEngine::Play(const std::string& name) {
    PlayAudio(Device(), list_, name, levels_.Music, currentMusic_, levels_.Sound);
}

void TAudioEngine::ChangeMusic(const std::string& name) {
    StopAll();
    Play(name);
}

void TAudioEngine::StopAll() {
    StopAllAudio(Device(), list_);
}

void TAudioEngine::PauseOutput() {
    Device().Pause();
}

void TAudioEngine::ResumeOutput() {
    Device().Start();
}

void TAudioEngine::ChooseMusicLevel(int level) {
    if (level == VolumeLevelOff) {
        StopAll();
    } else if (VolumeOfLevel(levels_.Music) == 0) {
        // The remembered music starts at the new level.
        PlayAudio(Device(), list_, currentMusic_, level, currentMusic_, levels_.Sound);
    }
    levels_.Music = level;
    ApplyVolumes();
}

void TAudioEngine::ChooseSoundLevel(int level) {
    levels_.Sound = level;
    ApplyVolumes();
}

void TAudioEngine::RestoreLevels(int musicLevel, int soundLevel) {
    const bool wasOff = VolumeOfLevel(levels_.Music) == 0;
    levels_.Music = musicLevel;
    levels_.Sound = soundLevel;
    if (wasOff && VolumeOfLevel(levels_.Music) != 0) Play(currentMusic_);
    ApplyVolumes();
}

void TAudioEngine::ApplyVolumes() {
    SetVolumes(Device(), levels_.Music, levels_.Sound);
}
