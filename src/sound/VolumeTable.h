#pragma once

// The six volume levels of the options window: 1 loudest (100) down to 6 off (0).
constexpr int VolumeLevelCount = 6;
constexpr int VolumeLevelOff = 6;

// The device volume (0..100) of a level. A level outside 1..6 (a hand-edited options file) is
// taken as the nearest valid level rather than read past the table.
int VolumeOfLevel(int level);
