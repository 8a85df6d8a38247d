#pragma once
#include <cstddef>
#include <string>

// "debug.log": where the game notes impossible states and skipped data. Each line is a blank
// and the message; the file is rewritten whole (through a temporary file) on every line.
class IDebugLog {
  public:
    virtual ~IDebugLog() = default;
    virtual void Write(const std::string& message) = 0;
};

class TDebugLogFile : public IDebugLog {
  public:
    explicit TDebugLogFile(std::string path) : path_(std::move(path)) {}
    void Write(const std::string& message) override;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A fault that logs every frame must not grow the file, and the work of every line, without
// end: only the last lines within this size are kept.
constexpr size_t MaxDebugLogBytes = 1024 * 1024;

// Appends one line, prefix + blank + message, to the named text file and writes it back whole,
// dropping the oldest lines past MaxDebugLogBytes.
void DebugLog(const std::string& path, const std::string& message, const std::string& prefix = "");

// A log that forgets everything, for code run outside the game (tools, some tests).
class TNullDebugLog : public IDebugLog {
  public:
    void Write(const std::string&) override {}
};
