#include "AudioContent.h"

#include "Songs.h"
#include "SoundEffects.h"
#include "WavFile.h"
#include "XmModule.h"

namespace {

std::string ListText(const std::vector<AudioEntry>& entries) {
    std::string text;
    for (const AudioEntry& e : entries)
        text += e.Name + "\r\n";
    return text;
}

std::vector<std::string> Names(const std::vector<Song>& songs) {
    std::vector<std::string> names;
    for (const Song& s : songs)
        names.push_back(s.Name);
    return names;
}

std::string ListOfNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names)
        text += n + "\r\n";
    return text;
}

AudioEntry TextEntry(const std::string& name, const std::string& text) {
    return {name, std::vector<uint8_t>(text.begin(), text.end())};
}

} // namespace

std::vector<AudioEntry> MusicEntries() {
    std::vector<AudioEntry> entries;
    for (const Song& song : GameSongs())
        entries.push_back({song.Name, WriteXm(Compose(song.Plan))});
    return entries;
}

std::vector<AudioEntry> SoundEntries() {
    std::vector<AudioEntry> entries;
    for (const SoundEffect& effect : MakeSoundEffects())
        entries.push_back({effect.Name, EncodeWav16(effect.Samples, SoundEffectRate)});
    return entries;
}

std::string MusicsListText() {
    return ListOfNames(Names(GameSongs()));
}

std::string SoundsListText() {
    std::vector<std::string> names;
    for (const SoundEffect& effect : MakeSoundEffects())
        names.push_back(effect.Name);
    return ListOfNames(names);
}

std::vector<AudioEntry> AudioEntries() {
    std::vector<AudioEntry> music = MusicEntries();
    std::vector<AudioEntry> sounds = SoundEntries();
    std::vector<AudioEntry> all = {TextEntry("musics.dat", ListText(music)),
                                   TextEntry("sounds.dat", ListText(sounds))};
    all.insert(all.end(), music.begin(), music.end());
    all.insert(all.end(), sounds.begin(), sounds.end());
    return all;
}
