#pragma once
#include <cstdint>
#include <string>

#include "main/effects/EffectRecord.h"

class TEffectList;
class Random;

// Adds t.Count clones standing evenly round the ring's ellipse (centre already resolved), each
// turning once per t.TimeToMove and swelling in and out over t.TransChangeTime.
void AddRoundClones(TEffectList& list, const RingTemplate& t, const std::string& effectName,
                    uint32_t now);
// Adds t.Count sparks flying from the burst's origin (already resolved) in a fan of t.Angle
// around the direction of (VecX, VecY); with RandomAngle each takes a random place in the fan.
void AddSparkClones(TEffectList& list, const BurstTemplate& t, const std::string& effectName,
                    uint32_t now, Random& random);
// Lets one drop fall from a random place of the type's rain `rain`, shaped by the type's plain
// effect of the same index; a rain without such an effect (or without speed) drops nothing.
// Returns the drop's index, or -1.
int SpawnRainDrop(TEffectList& list, const EffectType& type, int rain,
                  const std::string& effectName, uint32_t now, Random& random);
