#include "graphics/ResourceList.h"

#include "archive/SFunctions.h"
#include "graphics/SurfEngine.h"

TResourceList::TResourceList(std::string baseDir, std::function<TSurfEngine*()> engine)
    : engine_(std::move(engine)), baseDir_(std::move(baseDir)) {}

TResourceList::TResourceList(std::string baseDir, TSurfEngine& engine)
    : TResourceList(std::move(baseDir), [&engine] { return &engine; }) {}

int TResourceList::AddArchive(const std::string& path) {
    archives_.push_back(std::make_unique<TFileFolder>(TFileFolder::Open(path)));
    return static_cast<int>(archives_.size()) - 1;
}

int TResourceList::FindArchive(const std::string& path) const {
    for (size_t i = 0; i < archives_.size(); ++i)
        if (archives_[i]->Path() == path) return static_cast<int>(i);
    return -1;
}

int TResourceList::FindResource(const std::string& name) const {
    for (size_t i = 0; i < resources_.size(); ++i)
        if (resources_[i].Name == name) return static_cast<int>(i);
    return -1;
}

void TResourceList::RegisterResource(const std::string& name, const std::string& file, int slot,
                                     const std::string& archivePath) {
    if (slot < 0 || slot >= SlotCount) return;
    int archive = -1;
    if (!archivePath.empty()) {
        archive = FindArchive(archivePath);
        if (archive < 0) archive = AddArchive(archivePath);
    }
    int i = FindResource(name);
    if (i < 0) {
        ResourceEntry entry;
        entry.Name = name;
        entry.Files.assign(SlotCount, "");
        entry.ArchiveIndexes.assign(SlotCount, -1);
        resources_.push_back(std::move(entry));
        i = static_cast<int>(resources_.size()) - 1;
    }
    ResourceEntry& entry = resources_[i];
    entry.Files[slot] = file;
    entry.ArchiveIndexes[slot] = archive;
    entry.Unused = false;
}

void TResourceList::MarkUnused(int count) {
    if (count > SlotCount) count = SlotCount;
    for (ResourceEntry& entry : resources_) {
        entry.Unused = true;
        for (int s = 0; s < count; ++s)
            if (!entry.Files[s].empty()) entry.Unused = false;
    }
}

void TResourceList::LoadChosen(TSurfEngine& engine, const ResourceEntry& entry, int slot) {
    const std::string& file = entry.Files[slot];
    if (file.size() < 3) return;
    const std::string kind = file.substr(file.size() - 3);
    if (kind != "png" && kind != "jpg") return; // upper-case endings load nothing
    const int archive = entry.ArchiveIndexes[slot];
    const bool png = kind == "png";
    if (archive < 0) {
        if (png) {
            engine.LoadPngSurfaceFromFile(entry.Name, baseDir_ + file);
        } else {
            engine.LoadJpegSurfaceFromFile(entry.Name, baseDir_ + file);
        }
    } else if (png) {
        engine.LoadPngSurface(*archives_[archive], entry.Name, file);
    } else {
        engine.LoadJpegSurface(*archives_[archive], entry.Name, file);
    }
}

void TResourceList::ResolveSurfaces(int count) {
    TSurfEngine* engine = engine_ ? engine_() : nullptr;
    if (!engine) return;
    if (count > SlotCount) count = SlotCount;
    for (const ResourceEntry& entry : resources_) {
        if (entry.Unused) {
            engine->DeleteSurface(entry.Name);
            continue;
        }
        int slot = count - 1;
        while (slot >= 0 && entry.Files[slot].empty())
            --slot;
        if (slot < 0) continue;
        const int existing = engine->FindSurface(entry.Name);
        if (existing < 0) {
            LoadChosen(*engine, entry, slot);
            continue;
        }
        // Loaded already: only a different file (or the same name in another archive) is
        // loaded again, and the new surface replaces the old one, so one surface per name.
        const int archive = entry.ArchiveIndexes[slot];
        const std::string wantedArchive = archive < 0 ? "" : archives_[archive]->Path();
        const std::string wantedFile =
            archive < 0 ? baseDir_ + entry.Files[slot] : entry.Files[slot];
        const SurfaceRecord& old = engine->Record(existing);
        if (old.SourceEntry == wantedFile && old.SourceArchive == wantedArchive) continue;
        const int before = engine->Count();
        LoadChosen(*engine, entry, slot);
        if (engine->Count() > before) engine->DeleteSurface(entry.Name); // the old one is first
    }
}

void TResourceList::ReadSurfaceList(const std::string& archivePath, int slot) {
    int archive = FindArchive(archivePath);
    if (archive < 0) archive = AddArchive(archivePath);
    TMemoryStream* stream = archives_[archive]->ReadIfPresent("surfaces.dat");
    if (!stream) return;
    for (const std::string& line : SplitLines(stream->Text())) {
        const std::string name = GetWord(line, 1);
        if (name == NoWord) continue; // a blank line names nothing
        RegisterResource(name, GetWord(line, 2), slot, archivePath);
    }
}
