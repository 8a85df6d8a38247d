// Names a level uses that the game's data does not provide.
#include <set>

#include "main/levels/LevelCheckParts.h"
#include "main/levels/LevelObjects.h"

namespace {

enum TNameKind { nkImage, nkMusic, nkEffect, nkPieceType, nkPicture };

// Which attribute of which tag names what.
// Which attribute of which tag names what; an optional name may be left out (empty).
struct TNamedBy {
    const char* Tag;
    const char* Attr;
    TNameKind Kind;
    bool Optional;
};
constexpr TNamedBy NamedBy[] = {
    {"<Image ", "name", nkImage, false},
    {"<HidenFishkaPicture", "name", nkImage, true},
    {"<Bomb", "bombimage", nkImage, true},
    {"<LevelEffect ", "surfname", nkImage, true},
    {"<StartEffect ", "surfname", nkImage, true},
    {"<PlayMusic ", "name", nkMusic, true},
    {"<RainEffect ", "name", nkEffect, true},
    {"<LevelEffect ", "name", nkEffect, false},
    {"<FireEffect ", "name", nkEffect, false},
    {"<StartEffect ", "name", nkEffect, true},
    {"<Bomb", "effectname", nkEffect, true},
    {"<FProb ", "name", nkPieceType, false},
    {"<FireEffect ", "followpic", nkPicture, true},
    {"<RemovePicture ", "name", nkPicture, false},
    {"<ShowPicture", "name", nkPicture, false},
};

struct TNameCheck {
    const TLevelCheckNames& Names;
    const TGeometry& Geometry;
    std::set<std::string> Pictures;
    TLevelFindings& Out;

    void Check(int n, TNameKind kind, const std::string& name) {
        if (name.empty()) return Out.Error(n, "the name is empty");
        if (kind == nkImage && Names.HasImage && !Names.HasImage(name))
            Out.Error(n, "image \"" + name + "\" is in neither archive");
        if (kind == nkMusic && Names.HasMusic && !Names.HasMusic(name))
            Out.Error(n, "music \"" + name + "\" is not in the audio list musics.dat");
        if (kind == nkEffect && Names.HasEffect && !Names.HasEffect(name))
            Out.Error(n, "effect \"" + name + "\" is not in EffectsType.dat");
        if (kind == nkPieceType && Geometry.FindFishkaType(name) < 0)
            Out.Error(n, "no piece type is named \"" + name + "\": the loader ignores the line");
        if (kind == nkPicture && !Pictures.count(name))
            Out.Error(n, "no picture of the level is named \"" + name + "\"");
    }
};

} // namespace

void CheckLevelNames(const std::vector<TLineRead>& lines, const TLevelCheckNames& names,
                     const TGeometry& geometry, const TLevelObjects& objects, TLevelFindings& out) {
    TNameCheck check{names, geometry, {}, out};
    for (const TLevelPicture& p : objects.Pictures)
        check.Pictures.insert(p.Name);
    for (size_t n = 1; n < lines.size(); ++n) {
        const TLineRead& line = lines[n];
        const int number = static_cast<int>(n);
        std::set<std::pair<std::string, std::string>> done;
        for (const TLineRead::TAttr& a : line.Attrs) {
            if (!done.insert({a.Tag, a.Attr}).second) continue;
            for (const TNamedBy& by : NamedBy)
                if (a.Tag == by.Tag && a.Attr == by.Attr) {
                    std::string value = GetAttr(a.Searched, a.Attr);
                    if (!value.empty() || !by.Optional) check.Check(number, by.Kind, value);
                }
            if (a.Tag == "<Picture " && a.Attr == "name") {
                const int picture = objects.FindPicture(GetAttr(a.Searched, a.Attr));
                if (picture >= 0 && objects.Pictures[picture].Images.empty())
                    out.Warning(number, "the picture has no <Image>: it shows nothing");
            }
            if (a.Tag == "<FProb " && a.Attr == "prob") {
                int32_t weight = 0;
                if (TryStrToInt(GetAttr(a.Searched, a.Attr), weight) && weight < 0)
                    out.Warning(number, "a negative weight deals this piece type never");
            }
        }
        if (line.Acted("<Images>"))
            for (const std::string& image :
                 TLevelLine("", number, line.Text).Cut("<Images>", "</Images>").Tokens())
                check.Check(number, nkImage, image);
    }
}
