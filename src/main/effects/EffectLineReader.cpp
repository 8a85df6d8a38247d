#include "main/effects/EffectLineReader.h"

#include <algorithm>
#include <charconv>
#include <numbers>

#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "main/effects/EffectRecord.h"

std::string TEffectLineReader::Word(int n) const {
    return GetWord(line_, n);
}

std::string TEffectLineReader::LowerWord(int n) const {
    return LowerCase(Word(n));
}

void TEffectLineReader::Fail(const std::string& message) const {
    throw GameError("[TEffectTypes.LoadEffectTypes] EffectsType.dat, line " +
                    std::to_string(lineNumber_) + ": " + message);
}

int32_t TEffectLineReader::Strict(int n) const {
    const std::string word = Word(n);
    int32_t value = 0;
    if (word == NoWord) Fail("a number is missing after " + Word(1));
    if (!TryStrToInt(word, value)) Fail("'" + word + "' is not a valid integer value");
    return value;
}

int32_t TEffectLineReader::Lenient(int n) const {
    const std::string word = Word(n);
    return word == NoWord ? 0 : StrToIntVal(word);
}

uint8_t TEffectLineReader::StrictByte(int n) const {
    return static_cast<uint8_t>(std::clamp(Strict(n), 0, 255));
}

int8_t TEffectLineReader::StrictSignedByte(int n) const {
    return static_cast<int8_t>(std::clamp(Strict(n), -128, 127));
}

double TEffectLineReader::StrictFloat(int n) const {
    const std::string word = Word(n);
    int32_t whole = 0;
    if (word != NoWord && TryStrToInt(word, whole)) return whole;
    double value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (word == NoWord) Fail("a number is missing after " + Word(1));
    if (ec != std::errc() || ptr != end) Fail("'" + word + "' is not a valid number");
    return value;
}

double TEffectLineReader::Angle(int n) const {
    const int32_t numerator = Strict(n);
    const int32_t denominator = Strict(n + 1);
    if (denominator == 0) return 0;
    return numerator * std::numbers::pi / denominator;
}

int32_t TEffectLineReader::AnchorOr(int n, int32_t current) const {
    const std::string word = LowerWord(n);
    if (word == "%mousecursor") return Anchor::MouseCursor;
    if (word == "%fishka1") return Anchor::Fishka1;
    if (word == "%fishka2") return Anchor::Fishka2;
    if (word == "%fishka1center") return Anchor::Fishka1Center;
    if (word == "%fishka2center") return Anchor::Fishka2Center;
    if (!word.empty() && word[0] == '%') return current;
    return Strict(n);
}

uint8_t TEffectLineReader::FollowWord(int n) const {
    const std::string word = LowerWord(n);
    if (word == "%fishka1") return efFishka1;
    if (word == "%fishka1center") return efFishka1Center;
    if (word == "%mousecursor") return efMouseCursor;
    if (word == "%fishka2") return efFishka2;
    if (word == "%fishka2center") return efFishka2Center;
    return efNone;
}

TRect TEffectLineReader::Rect(int n) const {
    return {Strict(n), Strict(n + 1), Strict(n + 2), Strict(n + 3)};
}

uint32_t TEffectLineReader::Colour(int n) const {
    const uint32_t r = StrictByte(n), g = StrictByte(n + 1), b = StrictByte(n + 2);
    return r + 256 * g + 65536 * b;
}
