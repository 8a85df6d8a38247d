#pragma once
// The parts of the level check, each over what the loader left and what it was seen reading.
#include <set>
#include <string>
#include <vector>

#include "main/levels/LevelCheck.h"
#include "main/levels/LevelReadLog.h"

class TGame;
struct TLevelObjects;

// Collects findings once each.
class TLevelFindings {
  public:
    void Error(int line, const std::string& text) { Add(line, true, text); }
    void Warning(int line, const std::string& text) { Add(line, false, text); }
    // Sorted by line; the loader's own order within a line.
    std::vector<TLevelFinding> Sorted() const;

  private:
    void Add(int line, bool error, const std::string& text);
    std::vector<TLevelFinding> list_;
    std::set<std::pair<int, std::string>> seen_;
};

// Attribute values the loader takes from another place than the tag's own attribute (a name
// that ends another name, a value, a cut-out that stops early), and values of the wrong form.
void CheckAttributeReads(const std::vector<TLineRead>& lines, TLevelFindings& out);
// Tags the loader ignores or reads where the author did not mean it to: missing second texts,
// unknown or misplaced tags, tags in comments, picture lines away from their picture.
void CheckTagLines(const std::vector<TLineRead>& lines, TLevelFindings& out);
// Images, music, effects, piece types and pictures the level names but nothing provides.
void CheckLevelNames(const std::vector<TLineRead>& lines, const TLevelCheckNames& names,
                     const TGeometry& geometry, const TLevelObjects& objects, TLevelFindings& out);
// The loaded board: its root network, open ends and ghosts under scenery, unreachable bonus
// points, empty ghost groups, the feed, bonus weights and the combination sequence.
void CheckLoadedLevel(TGame& game, const TLevelObjects& objects, const TLevelReadLog& log,
                      TLevelFindings& out);

// "<Fishka " as "<Fishka": a tag text as the author would write it in a message.
std::string TagName(const std::string& tag);
