#include "archive/FileFolder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "archive/GameError.h"
#include "archive/SafeFile.h"

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

FilePtr OpenOrThrow(const std::string& path, const char* mode) {
    FILE* f = std::fopen(path.c_str(), mode);
    if (!f) throw GameError("I/O error: cannot open " + path + ": " + std::strerror(errno));
    return FilePtr(f);
}

uint16_t Get16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t Get32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

TDirItem DecodeDirItem(const uint8_t* p) {
    TDirItem item;
    item.NameLength = p[0];
    std::memcpy(item.NameChars, p + 1, TDirItem::NameCapacity);
    item.Offset = static_cast<int32_t>(Get32(p + 36));
    item.Size = static_cast<int32_t>(Get32(p + 40));
    item.Kind = static_cast<int16_t>(Get16(p + 44));
    return item;
}

void EncodeDirItem(const TDirItem& item, uint8_t* p) {
    std::memset(p, 0, TDirItem::DiskSize);
    p[0] = item.NameLength;
    std::memcpy(p + 1, item.NameChars, TDirItem::NameCapacity);
    Put32(p + 36, static_cast<uint32_t>(item.Offset));
    Put32(p + 40, static_cast<uint32_t>(item.Size));
    Put16(p + 44, static_cast<uint16_t>(item.Kind));
}

} // namespace

std::string TDirItem::FileName() const {
    int len = NameLength > NameCapacity ? NameCapacity : NameLength;
    return std::string(NameChars, static_cast<size_t>(len));
}

void TDirItem::SetFileName(const std::string& name) {
    size_t len = name.size() > NameCapacity ? NameCapacity : name.size();
    std::memset(NameChars, 0, sizeof NameChars);
    std::memcpy(NameChars, name.data(), len);
    NameLength = static_cast<uint8_t>(len);
}

TFileFolder TFileFolder::Open(const std::string& path) {
    TFileFolder folder(path);
    folder.ReadHeaderAndDir();
    return folder;
}

TFileFolder TFileFolder::CreateNew(const std::string& path) {
    return TFileFolder(path);
}

// The header and directory faults are caught here: the archive then holds no entries, so
// every later load fails with "wrong file name". A directory cut short is treated the same.
void TFileFolder::ReadHeaderAndDir() {
    FilePtr f = OpenOrThrow(path_, "rb");
    uint8_t header[HeaderSize];
    try {
        if (std::fread(header, 1, HeaderSize, f.get()) < HeaderSize)
            throw GameError("Cannot open FileFolder (wrong file size)");
        Label = Get16(header);
        Version = Get16(header + 2);
        CountField = Get16(header + 4);
        CountCheck = Get16(header + 6);
        if (Label != MagicLabel) throw GameError("Cannot open FileFolder (broked label)");
        if (Version > 0) throw GameError("Cannot open FileFolder (wrong version)");
        if (CountField != static_cast<uint16_t>(~CountCheck))
            throw GameError("Cannot open FileFolder (wrong sizing)");
        std::vector<uint8_t> raw(size_t{CountField} * TDirItem::DiskSize);
        if (std::fread(raw.data(), 1, raw.size(), f.get()) < raw.size())
            throw GameError("Cannot open Dir (wrong size)");
        Dir.resize(CountField);
        MemFiles.resize(CountField);
        for (size_t i = 0; i < Dir.size(); ++i)
            Dir[i] = DecodeDirItem(&raw[i * TDirItem::DiskSize]);
        dataStart_ = HeaderSize + TDirItem::DiskSize * CountField;
    } catch (const GameError& e) {
        fault_ = e.what();
        Dir.clear();
        MemFiles.clear();
    }
}

int TFileFolder::Find(const std::string& name) const {
    std::string wanted = LowerAscii(name);
    for (size_t i = 0; i < Dir.size(); ++i)
        if (LowerAscii(Dir[i].FileName()) == wanted) return static_cast<int>(i);
    return -1;
}

void TFileFolder::Load(const std::string& name) {
    int i = Find(name);
    if (i < 0) throw GameError("Cannot load file (wrong file name)");
    FilePtr f = OpenOrThrow(path_, "rb");
    TMemoryStream& stream = MemFiles[i].Stream;
    stream.Clear();
    const TDirItem& item = Dir[i];
    // Checked before anything is allocated, so a damaged record never asks for gigabytes.
    std::error_code ec;
    auto fileSize = std::filesystem::file_size(path_, ec);
    int64_t start = int64_t{dataStart_} + item.Offset;
    if (ec || item.Size < 0 || item.Offset < 0 ||
        start + item.Size > static_cast<int64_t>(fileSize))
        throw GameError("Cannot load file (wrong file size)");
    stream.SetSize(static_cast<size_t>(item.Size));
    size_t got = 0;
    if (std::fseek(f.get(), static_cast<long>(start), SEEK_SET) == 0)
        got = std::fread(stream.Data(), 1, static_cast<size_t>(item.Size), f.get());
    if (got < static_cast<size_t>(item.Size)) {
        stream.Clear();
        throw GameError("Cannot load file (wrong file size)");
    }
    stream.Rewind();
    MemFiles[i].State = TMemFile::Loaded;
}

void TFileFolder::LoadAll() {
    for (size_t i = 0; i < Dir.size(); ++i)
        if (MemFiles[i].State == TMemFile::OnDisk) Load(Dir[i].FileName());
}

// The directory counts entries in 16 bits and sizes and offsets in signed 32 bits: anything
// past them would be written wrapped and read back as other entries.
void TFileFolder::Add(const std::string& name, int16_t kind, const TMemoryStream& source) {
    if (Dir.size() >= MaxEntries)
        throw GameError("Cannot add file " + name + " (an archive holds at most " +
                        std::to_string(MaxEntries) + " entries)");
    if (source.Size() > static_cast<size_t>(INT32_MAX))
        throw GameError("Cannot add file " + name + " (larger than " + std::to_string(INT32_MAX) +
                        " bytes)");
    if (Find(name) != -1) throw GameError("Cannot add file (dublicate)");
    TDirItem item;
    item.SetFileName(name);
    item.Kind = kind;
    item.Size = static_cast<int32_t>(source.Size());
    Dir.push_back(item);
    TMemFile file;
    file.State = TMemFile::AddedInMemory;
    file.Stream = TMemoryStream(source.Bytes());
    MemFiles.push_back(std::move(file));
    CountField = static_cast<uint16_t>(Dir.size());
    CountCheck = static_cast<uint16_t>(~CountField);
}

void TFileFolder::UpdateOffsets() {
    dataStart_ = HeaderSize + TDirItem::DiskSize * static_cast<int>(Dir.size());
    int64_t sum = 0;
    for (TDirItem& item : Dir) {
        if (sum > INT32_MAX)
            throw GameError("Cannot write FileFolder (" + item.FileName() + " would start past " +
                            std::to_string(INT32_MAX) + " bytes of data)");
        item.Offset = static_cast<int32_t>(sum);
        sum += item.Size;
    }
}

void TFileFolder::Write() {
    LoadAll(); // the file about to be replaced may be where the entries still live
    UpdateOffsets();
    std::vector<uint8_t> out(static_cast<size_t>(dataStart_));
    Put16(&out[0], Label);
    Put16(&out[2], Version);
    Put16(&out[4], CountField);
    Put16(&out[6], CountCheck);
    for (size_t i = 0; i < Dir.size(); ++i)
        EncodeDirItem(Dir[i], &out[HeaderSize + i * TDirItem::DiskSize]);
    for (const TMemFile& file : MemFiles)
        out.insert(out.end(), file.Stream.Bytes().begin(), file.Stream.Bytes().end());
    WriteFileAtomically(path_, out);
}

TMemoryStream& TFileFolder::Read(const std::string& name) {
    int i = Find(name);
    if (i < 0 || MemFiles[i].State != TMemFile::AddedInMemory) Load(name);
    TMemoryStream& stream = MemFiles[i].Stream;
    stream.Rewind();
    return stream;
}

TMemoryStream* TFileFolder::ReadIfPresent(const std::string& name) {
    if (Find(name) < 0) return nullptr;
    return &Read(name);
}
