#include "main/rules/PlayInput.h"
#include <algorithm>

namespace {
constexpr int F5 = vk::F1 + 4, F6 = vk::F1 + 5, F7 = vk::F1 + 6, F8 = vk::F1 + 7;
}

// Each code differs from the others at its second key, so the first two keys tell which one
// is being typed.
TKeySequences::TKeySequences() {
    table_[0] = {5, 0, {F5, F6, F6, F7, F8}};     // four hammers and bonus 0
    table_[1] = {5, 0, {F5, F7, F7, F6, F8}};     // four clippers and bonus 2
    table_[2] = {5, 0, {F5, F8, F6, F8, F6, F7}}; // bonus 1
    table_[3] = {1, 0, {F5, F5, F8, F7, F6, F5}}; // nothing
}

void TKeySequences::Start(uint32_t now) {
    active_ = true;
    typed_ = {F5};
    start_ = now;
}

void TKeySequences::ResetUses() {
    for (TSequence& s : table_)
        s.Used = 0;
}

int TKeySequences::Feed(int key, uint32_t now) {
    if (!active_) return 0;
    if (key < F5 || key > F8 || now - start_ > EntryTime) {
        active_ = false;
        return 0;
    }
    typed_.push_back(key);
    for (size_t i = 0; i < table_.size(); ++i) {
        TSequence& s = table_[i];
        if (s.Keys.size() < typed_.size() ||
            !std::equal(typed_.begin(), typed_.end(), s.Keys.begin()))
            continue;
        if (typed_.size() < s.Keys.size()) return 0; // still typing this one
        active_ = false;
        if (s.Used >= s.Allowed) return 0;
        ++s.Used;
        return static_cast<int>(i) + 1;
    }
    active_ = false; // no code goes this way
    return 0;
}
