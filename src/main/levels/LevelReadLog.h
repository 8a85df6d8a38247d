#pragma once
#include <string>
#include <vector>

#include "main/levels/LevelCheck.h"
#include "main/levels/LevelText.h"

struct TLevel;
struct TLevelObjects;
class TGame;

// How many of each kind of level object existed when a line began; the line that made an
// object is the last line that began with fewer of them.
struct TLevelCounts {
    int Squares = 0, Pieces = 0, Points = 0, GhostGroups = 0, Required = 0, Combs = 0, Queue = 0;
};

// The loader's reading of one line, as the level check watched it.
struct TLineRead {
    struct TTag {
        std::string Tag, Needs;
        bool NeedsFound = true;
    };
    struct TAttr {
        std::string Tag; // the last tag the line matched before the read
        std::string Attr;
        std::string Searched; // the text the value was searched in
        size_t Offset = 0;    // where that text begins in the line
        ILevelReadObserver::TReadKind Kind = ILevelReadObserver::rkText;
    };
    struct TCut {
        std::string Open, Close;
    };
    std::string Text;
    bool Started = false; // the loader reached this line
    std::vector<TTag> Tags;
    std::vector<TAttr> Attrs;
    std::vector<TCut> Cuts;
    TLevelCounts Before;

    // The tag matched with its needs (a tag whose needs are missing does not act).
    bool Acted(const std::string& tag) const;
};

// Records every line as the loader reads it, and the object counts as each line begins.
class TLevelReadLog : public ILevelReadObserver {
  public:
    TLevelReadLog(const TGame& game, const TLevelObjects& objects,
                  const std::vector<std::string>& lines)
        : game_(game), objects_(objects), lineTexts_(lines) {}

    void LineStarts(int lineNumber) override;
    void TagFound(const TLevelLine& line, const std::string& tag, const std::string& needs,
                  bool needsFound) override;
    void CutTaken(const TLevelLine& line, const std::string& open, const std::string& close,
                  const TLevelLine& cut) override;
    void AttributeRead(const TLevelLine& line, const std::string& attr, TReadKind kind) override;

    void Clear() { lines_.clear(); }
    // Lines by number (index 0 unused); lines the loader never reached are empty records.
    const std::vector<TLineRead>& Lines() const { return lines_; }
    // The line that made object number index of a kind.
    template <class Count> int LineOf(int index, Count count) const {
        int found = 0;
        for (size_t n = 1; n < lines_.size(); ++n)
            if (lines_[n].Started && count(lines_[n].Before) <= index) found = static_cast<int>(n);
        return found;
    }

  private:
    TLevelCounts Counts() const;
    TLineRead& At(int lineNumber);

    const TGame& game_;
    const TLevelObjects& objects_;
    const std::vector<std::string>& lineTexts_;
    std::vector<TLineRead> lines_;
};
