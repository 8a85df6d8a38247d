#include "main/effects/EffectTypes.h"

#include "archive/FileFolder.h"
#include "archive/SFunctions.h"
#include "main/effects/EffectKeys.h"
#include "main/effects/EffectLineReader.h"

namespace {

template <typename T> T* LastOf(std::vector<T>& v) {
    return v.empty() ? nullptr : &v.back();
}

void OpenType(std::vector<EffectType>& types, const TEffectLineReader& in, uint32_t now) {
    EffectType type;
    type.Name = in.Word(2);
    for (int n = 3; in.Word(n) != NoWord; ++n)
        if (in.LowerWord(n) == "create") type.Create = true;
    type.LastRun = now;
    types.push_back(std::move(type));
}

// The wave of a rain drop: <MoveSin alX=".." beX=".." gaX=".." alY=".." beY=".." gaY=".."/>
void ReadWave(EffectRecord* effect, const TEffectLineReader& in) {
    if (!effect) in.Fail("<MoveSin comes before any [effect]");
    const std::string attrs = TextBetween(in.Line(), "<MoveSin", "/>");
    effect->WaveAmpX = StrToFloatZero(GetAttr(attrs, "alX"));
    effect->WaveFreqX = StrToFloatZero(GetAttr(attrs, "beX"));
    effect->WavePhaseX = StrToFloatZero(GetAttr(attrs, "gaX"));
    effect->WaveAmpY = StrToFloatZero(GetAttr(attrs, "alY"));
    effect->WaveFreqY = StrToFloatZero(GetAttr(attrs, "beY"));
    effect->WavePhaseY = StrToFloatZero(GetAttr(attrs, "gaY"));
}

// Keys that open a record append it to the last type; any other key writes into the record of
// its kind opened last.
void ReadLine(std::vector<EffectType>& types, const TEffectLineReader& in, uint32_t now) {
    EffectType* type = LastOf(types);
    if (in.Line().find("<MoveSin ") != std::string::npos) {
        ReadWave(type ? LastOf(type->Effects) : nullptr, in);
        return;
    }
    const std::string key = in.LowerWord(1);
    if (key == "[effecttype]") return OpenType(types, in, now);
    const bool opens = key == "[effect]" || key == "[roundcloneeffect]" ||
                       key == "[sparkcloneeffect]" || key == "[raineffect]" ||
                       key == "[effecttyperunevery]";
    if (opens && !type) in.Fail(key + " comes before any [effecttype]");
    if (key == "[effecttyperunevery]") {
        type->RunEvery = in.Lenient(2);
    } else if (key == "[effect]") {
        type->Effects.emplace_back();
    } else if (key == "[roundcloneeffect]") {
        type->Rings.emplace_back();
    } else if (key == "[sparkcloneeffect]") {
        type->Bursts.emplace_back();
    } else if (key == "[raineffect]") {
        type->Rains.emplace_back().LastBirth = now;
    } else if (!ReadEffectKey(type ? LastOf(type->Effects) : nullptr, key, in) &&
               !ReadRingKey(type ? LastOf(type->Rings) : nullptr, key, in) &&
               !ReadBurstKey(type ? LastOf(type->Bursts) : nullptr, key, in)) {
        ReadRainKey(type ? LastOf(type->Rains) : nullptr, key, in);
    }
}

} // namespace

void TEffectTypes::LoadEffectTypes(TFileFolder& archive, const std::string& entry, uint32_t now) {
    LoadFromText(archive.Read(entry).Text(), now);
}

void TEffectTypes::LoadFromText(const std::string& text, uint32_t now) {
    std::vector<EffectType> types;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        ReadLine(types, TEffectLineReader(lines[i], static_cast<int>(i) + 1), now);
    types_ = std::move(types);
}

EffectType* TEffectTypes::FindEffectType(const std::string& name) {
    for (EffectType& type : types_)
        if (type.Name == name) return &type;
    return nullptr;
}

const EffectType* TEffectTypes::FindEffectType(const std::string& name) const {
    return const_cast<TEffectTypes*>(this)->FindEffectType(name);
}
