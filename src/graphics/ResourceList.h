#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "archive/FileFolder.h"

class TSurfEngine;

// One surface name of the catalogue with its candidate files, one per slot.
struct ResourceEntry {
    std::string Name;
    std::vector<std::string> Files;  // entry name in an archive or path under the base folder
    std::vector<int> ArchiveIndexes; // index into the archives, -1 = file on disk
    bool Unused = false;
};

// The catalogue of which file each surface is loaded from: slot 1 the main archive's list,
// slot 2 the level archive's list and the level's own pictures (the highest filled slot wins).
class TResourceList {
  public:
    static constexpr int SlotCount = 3;

    // engine gives the current engine (it may be replaced while the list lives).
    TResourceList(std::string baseDir, std::function<TSurfEngine*()> engine);
    TResourceList(std::string baseDir, TSurfEngine& engine);

    int AddArchive(const std::string& path);
    int FindArchive(const std::string& path) const;
    TFileFolder& Archive(int index) { return *archives_[index]; }
    int ArchiveCount() const { return static_cast<int>(archives_.size()); }

    int FindResource(const std::string& name) const;
    // An empty archivePath means a file on disk under the base folder.
    void RegisterResource(const std::string& name, const std::string& file, int slot,
                          const std::string& archivePath);
    void MarkUnused(int count);
    void ResolveSurfaces(int count);
    // Registers every line of the archive's "surfaces.dat" (surface name, entry name) into the
    // slot; the archive is opened if it is not in the list yet.
    void ReadSurfaceList(const std::string& archivePath, int slot);

    const std::vector<ResourceEntry>& Resources() const { return resources_; }

  private:
    void LoadChosen(TSurfEngine& engine, const ResourceEntry& entry, int slot);

    std::vector<std::unique_ptr<TFileFolder>> archives_;
    std::vector<ResourceEntry> resources_;
    std::function<TSurfEngine*()> engine_;
    std::string baseDir_;
};
