#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The game's sounds and music as archive entries, made from nothing but code: the content
// generator puts them into the game archive.

struct AudioEntry {
    std::string Name; // the archive entry name
    std::vector<uint8_t> Bytes;
};

// The music modules (".mo3" names; the data is an XM module), in "musics.dat" order.
std::vector<AudioEntry> MusicEntries();
// The sound effects (".wav", 16-bit mono at 22050 Hz), in "sounds.dat" order.
std::vector<AudioEntry> SoundEntries();

// The list files: one entry name per line, CR LF.
std::string MusicsListText();
std::string SoundsListText();

// Everything together: "musics.dat", "sounds.dat", then the modules and the sounds.
std::vector<AudioEntry> AudioEntries();
