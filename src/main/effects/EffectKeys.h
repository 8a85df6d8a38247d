#pragma once
#include <string>

#include "main/effects/EffectRecord.h"

class TEffectLineReader;

// Each reader applies one key line to the template it belongs to and answers whether the key
// is one of its kind. A key of its kind with no template to write into (record == nullptr)
// is a data error.
bool ReadEffectKey(EffectRecord* record, const std::string& key, const TEffectLineReader& in);
bool ReadRingKey(RingTemplate* ring, const std::string& key, const TEffectLineReader& in);
bool ReadBurstKey(BurstTemplate* burst, const std::string& key, const TEffectLineReader& in);
bool ReadRainKey(RainTemplate* rain, const std::string& key, const TEffectLineReader& in);
