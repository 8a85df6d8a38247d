#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "sound/AudioItem.h"

class TFileFolder;

// The audio list's operations over the audio device. All are called from the game thread.

// Loads one item from memory. A name already in the list has its old handle freed and takes the
// new one, so reloading never leaks and never duplicates the name.
void LoadAudioItem(IAudioDevice& device, const uint8_t* data, size_t size, const std::string& name,
                   uint8_t kind, AudioList& list);

// Loads every entry named by the lines of the list file listEntry (one name per line) from the
// archive. An entry missing from the archive throws GameError: the lists must match the archive.
void LoadAudioList(IAudioDevice& device, TFileFolder& archive, const std::string& listEntry,
                   uint8_t kind, AudioList& list);

// Plays the named item; unknown names do nothing. A sample plays only when the sound level is
// not off. A music starts only when the music level is not off, but always becomes the current
// music, so switching music on later can start it.
void PlayAudio(IAudioDevice& device, const AudioList& list, const std::string& name, int musicLevel,
               std::string& currentMusic, int soundLevel);

// Stops every music and every playback of every sample.
void StopAllAudio(IAudioDevice& device, const AudioList& list);

// Applies the two levels as the device's global volumes (no streams are used: stream volume 0).
void SetVolumes(IAudioDevice& device, int musicLevel, int soundLevel);
