#include "graphics/PNGMorf.h"

#include <filesystem>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"
#include "graphics/ImageCodecs.h"
#include "graphics/ImageScript.h"
#include "graphics/JpegPNG.h"

namespace {

void SplitName(const std::string& name, std::string& base, std::string& ext) {
    const size_t dot = name.find('.');
    base = name.substr(0, dot);
    ext = dot == std::string::npos ? "" : name.substr(dot + 1);
}

// A copy of the entry's bytes (the archive's own buffer may be reloaded later).
TMemoryStream Copy(TFileFolder& archive, const std::string& name) {
    return TMemoryStream(archive.Read(name).Bytes());
}

TMemoryStream Required(TFileFolder& archive, const std::string& name) {
    if (archive.Find(name) < 0) throw GameError("File " + name + " does not exist!");
    return Copy(archive, name);
}

// The archive keeps 32 characters of a name; a longer made-up name would be cut short and
// never be found again, so it is refused instead.
void Put(TFileFolder& dest, const std::string& name, int16_t kind, const TMemoryStream& data) {
    if (name.size() > TDirItem::NameCapacity)
        throw GameError("File name " + name + " is too long!");
    dest.Add(name, kind, data);
}

// The same entry may be reached twice (a ".jpg" copied beside its "PnG" and on its own).
void AddOnce(TFileFolder& dest, const std::string& name, int16_t kind, const TMemoryStream& data) {
    if (dest.Find(name) < 0) Put(dest, name, kind, data);
}

[[noreturn]] void ConversionFailed(const std::string& name) {
    throw GameError("Can not convert file " + name + "!");
}

} // namespace

TPNGMorf::TPNGMorf(int jpegQuality, ProgressCallback progress) : progress_(std::move(progress)) {
    SetJpegQuality(jpegQuality);
}

void TPNGMorf::SetJpegQuality(int quality) {
    quality_ = quality < 0 ? 0 : quality > 100 ? 100 : quality;
}

void TPNGMorf::AddJob(const std::string& source, const std::string& dest) {
    jobs_.push_back("Source=\"" + source + "\" Dest=\"" + dest + "\"");
}

namespace {
// A prepared copy stands until its source is replaced by a newer one (an update or a mod):
// a stale copy would show the old pictures with the new levels.
bool PreparedCopyIsCurrent(const std::string& source, const std::string& dest) {
    std::error_code e1, e2;
    const auto made = std::filesystem::last_write_time(dest, e1);
    const auto shipped = std::filesystem::last_write_time(source, e2);
    return !e1 && !e2 && made >= shipped;
}
} // namespace

void TPNGMorf::RunJobs() {
    for (const std::string& job : jobs_) {
        const std::string source = GetAttr(job, "Source");
        const std::string dest = GetAttr(job, "Dest");
        if (!FileExists(source)) throw GameError("Can not find file " + source + "!");
        if (PreparedCopyIsCurrent(source, dest)) continue;
        const std::filesystem::path folder = std::filesystem::path(dest).parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder);
        ConvertArchive(source, dest);
    }
}

void TPNGMorf::ConvertArchive(const std::string& source, const std::string& dest) {
    if (!FileExists(source)) throw GameError("Can not find file " + source + "!");
    TFileFolder from = TFileFolder::Open(source);
    // A damaged archive must not turn into an empty prepared one that is never redone.
    if (!from.Fault().empty()) throw GameError(from.Fault() + ": " + source);
    TFileFolder to = TFileFolder::CreateNew(dest);
    ConvertEntries(from, to);
    RunScripts(to);
    to.Write();
}

void TPNGMorf::ConvertEntries(TFileFolder& source, TFileFolder& dest) {
    const int n = source.Count() - 1;
    for (int i = 0; i <= n; ++i) {
        if (progress_ && n > 0) progress_(source.Path(), i * 100 / n);
        ConvertEntry(source, dest, i);
    }
}

void TPNGMorf::ConvertEntry(TFileFolder& source, TFileFolder& dest, int index) {
    const std::string name = source.Dir[index].FileName();
    const int16_t kind = source.Dir[index].Kind;
    std::string base, ext;
    SplitName(name, base, ext);
    if (ext == "_jpg" || ext == "_JPG" || ext == "pNg") return; // consumed or made by scripts
    TMemoryStream data = Copy(source, name);
    if (ext == "PNG") {
        TMemoryStream jpeg, grey;
        if (!SplitPng(data, jpeg, grey, quality_)) ConversionFailed(name);
        Put(dest, base + "._JPG", ImageKind, jpeg);
        Put(dest, base + "._PNG", ImageKind, grey);
    } else if (ext == "PnG") {
        const std::string jpgName = base + ".jpg";
        TMemoryStream jpg = Required(source, jpgName);
        TMemoryStream grey;
        if (!AlphaToGreyPng(data, grey)) ConversionFailed(name);
        Put(dest, base + "._PnG", ImageKind, grey);
        AddOnce(dest, jpgName, source.Dir[source.Find(jpgName)].Kind, jpg);
    } else if (ext == "aim") {
        Put(dest, base + "._aim", ScriptKind, data);
    } else if (ext == "_aim") {
        Put(dest, base + ".aim", ScriptKind, data);
    } else if (ext == "_PNG" || ext == "_PnG") {
        TMemoryStream jpeg = Required(source, base + (ext == "_PNG" ? "._JPG" : "._jpg"));
        TMemoryStream whole;
        if (!JoinJpegAndMask(jpeg, data, whole)) ConversionFailed(name);
        Put(dest, base + (ext == "_PNG" ? ".PNG" : ".PnG"), ImageKind, whole);
    } else {
        AddOnce(dest, name, kind, data);
    }
}

void TPNGMorf::RunScripts(TFileFolder& dest) {
    const int count = dest.Count();
    for (int i = 0; i < count; ++i) {
        const std::string name = dest.Dir[i].FileName();
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".aim") != 0) continue;
        TImage result = RunImageScript(dest.Read(name).Text(), dest, name);
        if (result.Empty()) continue;
        std::vector<uint8_t> png;
        if (!EncodePng(result, png, PngPacking::Fast)) ConversionFailed(name);
        std::string base, ext;
        SplitName(name, base, ext);
        Put(dest, base + ".pNg", ImageKind, TMemoryStream(std::move(png)));
    }
}
