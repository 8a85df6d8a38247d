#pragma once
#include <string>

#include "platform/Platform.h"
#include "sound/AudioItem.h"
#include "sound/NullAudioDevice.h"
#include "sound/VolumeTable.h"

class TFileFolder;

// The game's sound: the audio list, the two volume levels (1..6, 6 = off), the current music
// and the device behind them. Owned by the main form for the whole run; game thread only.
class TAudioEngine {
  public:
    static constexpr uint32_t RequiredVersion = 0x00080001; // 1.8: low word 1, high word 8
    static constexpr int OutputFrequency = 22050;
    static constexpr const char* MusicsList = "musics.dat";
    static constexpr const char* SoundsList = "sounds.dat";
    static constexpr const char* TitleMusic = "In the lost forest2.mo3";
    static constexpr const char* LevelFinishedMusic = "Be happy!.mo3";

    // The levels are the settings' own: the engine plays at them and changes them there.
    TAudioEngine(IAudioDevice& device, TVolumeLevels& levels) : device_(device), levels_(levels) {}
    TAudioEngine(const TAudioEngine&) = delete;
    TAudioEngine& operator=(const TAudioEngine&) = delete;

    // Start-up: a device of version 1.8 is opened on the default output at 22050 Hz and
    // started; any failure leaves the game silent. Then the levels become the global volumes.
    // Returns whether sound is on.
    bool Open();
    bool SoundOn() const { return soundOn_; }

    // "musics.dat" as music modules, then "sounds.dat" as samples, into the one list.
    void LoadLists(TFileFolder& archive);

    // PlayAudio with the current levels; this is also the interface's VexPlaySound.
    void Play(const std::string& name);
    void VexPlaySound(const std::string& name) { Play(name); }
    // Every change of music stops all audio (samples too) first.
    void ChangeMusic(const std::string& name);
    void StopAll();

    // The application lost or regained the focus.
    void PauseOutput();
    void ResumeOutput();

    // The options window's volume radios, applied at once.
    void ChooseMusicLevel(int level);
    void ChooseSoundLevel(int level);
    // Cancel: the levels re-read from the options; the remembered music starts again when music
    // was off and no longer is.
    void RestoreLevels(int musicLevel, int soundLevel);

    int MusicLevel() const { return levels_.Music; }
    int SoundLevel() const { return levels_.Sound; }
    const std::string& CurrentMusic() const { return currentMusic_; }
    const AudioList& List() const { return list_; }

  private:
    IAudioDevice& Device() { return soundOn_ ? device_ : silent_; }
    void ApplyVolumes();

    IAudioDevice& device_;
    NullAudioDevice silent_;
    bool soundOn_ = false;
    TVolumeLevels& levels_;
    std::string currentMusic_;
    AudioList list_;
};
