#include "main/rules/GeometryLoader.h"

#include <cstdlib>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "main/rules/GameHost.h"

namespace {

int16_t Get16(const uint8_t* p) {
    return static_cast<int16_t>(p[0] | (p[1] << 8));
}
uint16_t GetU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// A length-prefixed text field of the given total size; a length byte beyond the field is cut.
std::string ShortString(const uint8_t* p, int fieldSize) {
    int length = p[0];
    if (length > fieldSize - 1) length = fieldSize - 1;
    return std::string(reinterpret_cast<const char*>(p + 1), static_cast<size_t>(length));
}

// Calls fn(record) for every whole record of the entry; a partial last record is dropped.
template <class Fn>
void ForEachRecord(TFileFolder& archive, const std::string& name, size_t size, Fn&& fn) {
    const TMemoryStream& stream = archive.Read(name);
    size_t count = stream.Size() / size;
    for (size_t i = 0; i < count; ++i)
        fn(stream.Data() + i * size);
}

void LoadTables(TGeometry& g, TFileFolder& squares, const std::string& prefix) {
    g.FragTypes.clear();
    ForEachRecord(squares, prefix + "_FragsTypes.dat", 78, [&](const uint8_t* r) {
        g.FragTypes.push_back({r[0], r[42], r[43]});
    });
    g.Points.clear();
    ForEachRecord(squares, prefix + "_Points.dat", 4, [&](const uint8_t* r) {
        g.Points.push_back({Get16(r), Get16(r + 2)});
    });
    g.Frags.clear();
    ForEachRecord(squares, prefix + "_Frags.dat", 22, [&](const uint8_t* r) {
        TFrag f;
        f.Type = r[0];
        for (int i = 0; i < MaxFragVertices; ++i)
            f.PointIdx[i] = GetU16(r + 2 + 2 * i);
        g.Frags.push_back(f);
    });
    g.Connects.clear();
    ForEachRecord(squares, prefix + "_Connects.dat", 8, [&](const uint8_t* r) {
        g.Connects.push_back({Get16(r), r[2], Get16(r + 4), r[6]});
    });
}

void LoadSingleSquareTypes(TGeometry& g, TFileFolder& squares, const std::string& prefix,
                           IGameHost& host) {
    g.CompFishkaTypes.clear();
    ForEachRecord(squares, prefix + "_FishkasTypes.dat", 126, [&](const uint8_t* r) {
        TComplexFishkaType t;
        t.Name = ShortString(r, 33);
        t.RotatesTo = ShortString(r + 33, 33);
        std::string file = (t.Name + ShortString(r + 66, 60) + ".png").substr(0, 41);
        host.RegisterImage(t.Name, file);
        t.ImageName = t.Name;
        // The i-th record is the square with twig mask i.
        t.TypeSquares = {{static_cast<int>(g.CompFishkaTypes.size()), 0, {}}};
        g.CompFishkaTypes.push_back(std::move(t));
    });
}

} // namespace

std::vector<TFishCombination> ParseFishCombinations(const std::string& text) {
    std::vector<TFishCombination> out;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find("<FishkaCombination>") != std::string::npos) out.emplace_back();
        if (line.find("<Stamp>") != std::string::npos && !out.empty()) out.back().emplace_back();
        // A cell outside any stamp has nowhere to go and is skipped.
        if (line.find("<FishkaInStamp") == std::string::npos || out.empty() || out.back().empty())
            continue;
        const TStampCell cell{StrToIntVal(GetAttr(line, "x")), StrToIntVal(GetAttr(line, "y")),
                              StrToIntVal(GetAttr(line, "type"))};
        // Matching moves the stamp onto the board by these offsets; one beyond any board could
        // never match and would overflow the sums.
        if (std::abs(int64_t{cell.X}) > MaxStampOffset ||
            std::abs(int64_t{cell.Y}) > MaxStampOffset)
            throw GameError(std::string(CombinationsFile) + ", line " + std::to_string(i + 1) +
                            ": a stamp cell more than " + std::to_string(MaxStampOffset) +
                            " pixels from its stamp");
        out.back().back().push_back(cell);
    }
    return out;
}

void LoadGeometry(TGeometry& geometry, TFileFolder& squares, const std::string& prefix,
                  IGameHost& host) {
    geometry.Combinations = ParseFishCombinations(squares.Read(CombinationsFile).Text());
    LoadTables(geometry, squares, prefix);
    LoadSingleSquareTypes(geometry, squares, prefix, host);
    AddBuiltinFishkaTypes(geometry, host);
    geometry.FirstBoardFrag = 0;
    geometry.FirstBoardConnect = 0;
    geometry.BuildConnectIndex();
}
