#pragma once

// The six volume levels of the options window: 1 loudest (100) down to 6 off (0).
constexpr int VolumeLevelCount = 6;
constexpr int VolumeLevelOff = 6;

// The music and sound levels in force: the options file holds them, the audio plays at them,
// and the options window changes them, all in one place.
struct TVolumeLevels {
    int Music = 1;
    int Sound = 1;
};

// The device volume (0..100) of a level. A level outside 1..6 (a hand-edited options file) is
// taken as the nearest valid level rather than read past the table.
int VolumeOfLevel(int level);
