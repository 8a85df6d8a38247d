#pragma once
#include <string>
#include <vector>

// A settings file of [Section] lines and Key=Value lines, read and written the way the
// desktop's profile functions do: names compare ignoring case, writing a key keeps every other
// key, section, comment and line order as it was.
class TIniFile {
  public:
    explicit TIniFile(std::string path);

    // The value, or def when the section or key is absent.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // The value as a decimal integer; def when absent or not a number.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    // Writes the file whole through a temporary name. Throws GameError.
    void Save() const;

    const std::string& Path() const { return path_; }

  private:
    int FindSection(const std::string& section) const;
    int FindKey(int sectionLine, const std::string& key) const;

    std::string path_;
    std::vector<std::string> lines_;
};
