#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "main/effects/EffectRecord.h"

class TFileFolder;

// The game's effect types, read once from "EffectsType.dat"; only their run-time bookkeeping
// (last run, last drop) changes afterwards.
class TEffectTypes {
  public:
    static inline const std::string FileName = "EffectsType.dat";

    // Reads the entry (GameError when it is missing or holds a malformed strict number) and
    // replaces the list. now stamps each type's last run and each rain's last drop.
    void LoadEffectTypes(TFileFolder& archive, const std::string& entry, uint32_t now);
    void LoadFromText(const std::string& text, uint32_t now);

    // The first type of that name (exact case), or nullptr.
    EffectType* FindEffectType(const std::string& name);
    const EffectType* FindEffectType(const std::string& name) const;

    std::vector<EffectType>& Types() { return types_; }
    const std::vector<EffectType>& Types() const { return types_; }

  private:
    std::vector<EffectType> types_;
};
