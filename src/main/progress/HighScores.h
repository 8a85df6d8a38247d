#pragma once
#include <string>
#include <vector>

struct THighScore {
    std::string Name;
    int Score = 0;
};

// The table of best final scores, highest first, as "HighScores.dat" keeps it: one line
// <High name="..." score="..." /> an entry, each rotated by EncodeText, CR LF between them.
class THighScores {
  public:
    // A file never holds more than 21 entries when read; the table itself has no bound.
    static constexpr size_t ReadEntries = 21;
    static constexpr size_t ReadLimit = 64 * 1024;

    std::vector<THighScore> Entries;

    // Replaces the table with the file's entries in file order; a line whose score is not a
    // number is skipped.
    void FromText(const std::string& text);
    std::string ToText() const;
    // Missing or unreadable: an empty table.
    void Load(const std::string& path);
    // Writes the file whole. Throws GameError when it cannot.
    void Save(const std::string& path) const;

    // Puts the entry after every score at least as high; its position (from 0).
    int Insert(const std::string& name, int score);
    void Clear() { Entries.clear(); }

    // A double quote would end the name when the table is read back, and a name ending in
    // "score=" would be read as the score: names keep neither '"' nor '='.
    static std::string CleanName(const std::string& name);
};
