#include "main/levels/LevelReadLog.h"

#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

bool TLineRead::Acted(const std::string& tag) const {
    for (const TTag& t : Tags)
        if (t.Tag == tag && t.NeedsFound) return true;
    return false;
}

TLevelCounts TLevelReadLog::Counts() const {
    const TLevel& L = game_.Level;
    return {static_cast<int>(L.SquareFrag.size()),
            static_cast<int>(game_.Fishkas.size()),
            static_cast<int>(objects_.BonusPoints.size()),
            static_cast<int>(objects_.GhostGroups.size()),
            static_cast<int>(L.RequiredFrag.size()),
            static_cast<int>(L.CombSequence.size()),
            static_cast<int>(L.TypeQueue.size())};
}

TLineRead& TLevelReadLog::At(int lineNumber) {
    if (lineNumber >= static_cast<int>(lines_.size())) lines_.resize(lineNumber + 1);
    return lines_[lineNumber];
}

void TLevelReadLog::LineStarts(int lineNumber) {
    TLineRead& line = At(lineNumber);
    line = {};
    line.Started = true;
    if (lineNumber - 1 < static_cast<int>(lineTexts_.size()))
        line.Text = lineTexts_[lineNumber - 1];
    line.Before = Counts();
}

void TLevelReadLog::TagFound(const TLevelLine& line, const std::string& tag,
                             const std::string& needs, bool needsFound) {
    At(line.LineNumber()).Tags.push_back({tag, needs, needsFound});
}

void TLevelReadLog::CutTaken(const TLevelLine& line, const std::string& open,
                             const std::string& close, const TLevelLine& cut) {
    (void)cut;
    At(line.LineNumber()).Cuts.push_back({open, close});
}

void TLevelReadLog::AttributeRead(const TLevelLine& line, const std::string& attr, TReadKind kind) {
    TLineRead& read = At(line.LineNumber());
    std::string tag;
    for (const TLineRead::TTag& t : read.Tags)
        if (t.NeedsFound && t.Tag.rfind("</", 0) != 0) tag = t.Tag;
    read.Attrs.push_back({tag, attr, line.Text(), line.Offset(), kind});
}
