#include "sound/AudioEngine.h"

#include "sound/Music.h"
#include "sound/VolumeTable.h"

bool TAudioEngine::Open(int musicLevel, int soundLevel) {
    musicLevel_ = musicLevel;
    soundLevel_ = soundLevel;
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
    PlayAudio(Device(), list_, name, musicLevel_, currentMusic_, soundLevel_);
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
    } else if (VolumeOfLevel(musicLevel_) == 0) {
        // The remembered music starts at the new level.
        PlayAudio(Device(), list_, currentMusic_, level, currentMusic_, soundLevel_);
    }
    musicLevel_ = level;
    ApplyVolumes();
}

void TAudioEngine::ChooseSoundLevel(int level) {
    soundLevel_ = level;
    ApplyVolumes();
}

void TAudioEngine::RestoreLevels(int musicLevel, int soundLevel) {
    const bool wasOff = VolumeOfLevel(musicLevel_) == 0;
    musicLevel_ = musicLevel;
    soundLevel_ = soundLevel;
    if (wasOff && VolumeOfLevel(musicLevel_) != 0) Play(currentMusic_);
    ApplyVolumes();
}

void TAudioEngine::ApplyVolumes() {
    SetVolumes(Device(), musicLevel_, soundLevel_);
}
