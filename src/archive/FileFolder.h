#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/MemoryStream.h"

// One directory record of an archive: 48 bytes on disk, little-endian.
struct TDirItem {
    static constexpr int NameCapacity = 32;
    static constexpr int DiskSize = 48;

    uint8_t NameLength = 0;
    char NameChars[NameCapacity] = {};
    int32_t Offset = 0; // relative to DataStart
    int32_t Size = 0;
    int16_t Kind = 0; // the adder's own tag; never interpreted here

    std::string FileName() const;
    void SetFileName(const std::string& name); // cut to 32 characters
};

struct TMemFile {
    enum : uint8_t { Loaded = 0, OnDisk = 1, AddedInMemory = 2 };
    TMemoryStream Stream;
    uint8_t State = OnDisk;
};

using TDir = std::vector<TDirItem>;
using TMemFiles = std::vector<TMemFile>;

// The game's container of named raw entries (".zxc"): an 8-byte header, a directory of 48-byte
// records and the entries' bytes back to back. The disk file is only touched while opening,
// loading an entry or writing.
class TFileFolder {
  public:
    static constexpr uint16_t MagicLabel = 0x3039;
    static constexpr int HeaderSize = 8;
    static constexpr size_t MaxEntries = 65535; // the header counts them in 16 bits

    // Reads header and directory. A faulty header or directory leaves an empty archive (the
    // fault text is kept in Fault()); a file that cannot be opened throws GameError.
    static TFileFolder Open(const std::string& path);
    // An empty archive that will be written to path; nothing touches the disk.
    static TFileFolder CreateNew(const std::string& path);

    int Find(const std::string& name) const;
    void Load(const std::string& name);
    void LoadAll();
    // Throws GameError for a duplicate name, a 65,536th entry or one past 32 bits of size.
    void Add(const std::string& name, int16_t kind, const TMemoryStream& source);
    // Throws GameError when an entry would start past 32 bits of data (Write then writes
    // nothing).
    void UpdateOffsets();
    void Write();

    // The client read pattern: find, load unless added in memory, rewind. Throws like Load.
    TMemoryStream& Read(const std::string& name);
    // The entry's bytes, or nullptr when there is no such entry (nothing thrown).
    TMemoryStream* ReadIfPresent(const std::string& name);

    const std::string& Path() const { return path_; }
    int Count() const { return static_cast<int>(Dir.size()); }
    int DataStart() const { return dataStart_; }
    const std::string& Fault() const { return fault_; }

    uint16_t Label = MagicLabel;
    uint16_t Version = 0;
    uint16_t CountField = 0;
    uint16_t CountCheck = 0xFFFF;
    TDir Dir;
    TMemFiles MemFiles;

  private:
    explicit TFileFolder(std::string path) : path_(std::move(path)) {}
    void ReadHeaderAndDir();

    std::string path_;
    int dataStart_ = HeaderSize;
    std::string fault_;
};
