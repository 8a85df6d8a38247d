// The geometry tables of a levels archive: "FishCombinations.dat", the four table files and the
// raw piece types, one part of the input each, read by the game's loader from an archive built
// in memory; then every frag is measured, walked by its connects and probed, as play does.
#include "FuzzInput.h"
#include "archive/FileFolder.h"
#include "main/rules/GameHost.h"
#include "main/rules/GeometryLoader.h"

namespace {

const char* const Entries[] = {"FishCombinations.dat", "Squares_FragsTypes.dat",
                               "Squares_Points.dat",   "Squares_Frags.dat",
                               "Squares_Connects.dat", "Squares_FishkasTypes.dat"};

void Walk(const TGeometry& g) {
    const int frags = static_cast<int>(g.Frags.size());
    for (int f = 0; f < frags && f < 4096; ++f) {
        const TPoint anchor = g.FragAnchor(f);
        g.InsideFrag(f, anchor.X + 20, anchor.Y + 20);
        g.ForEachConnectAt(f, [&](int side, int other, int otherSide) {
            g.SquareHasTwig(other, side);
            g.FragVertices(other);
            (void)otherSide;
        });
    }
    for (int y = 0; y < 400; y += 37)
        for (int x = 0; x < 600; x += 53) {
            g.FragUnderMapPoint(x, y);
            g.FragForProbe(x, y);
        }
    for (int t = 0; t < static_cast<int>(g.CompFishkaTypes.size()); ++t)
        g.TwigSideCount(t), g.FindFishkaType(g.TypeOf(t).RotatesTo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> parts = FuzzParts(data, size, "\n=====\n");
    TFileFolder squares = TFileFolder::CreateNew("/tmp/quorrel_fuzz_unused.zxc");
    try {
        for (size_t i = 0; i < parts.size() && i < std::size(Entries); ++i) {
            TMemoryStream entry;
            entry.Write(parts[i].data(), parts[i].size());
            squares.Add(Entries[i], 0, entry);
        }
        TQuietGameHost host;
        TGeometry geometry;
        LoadGeometry(geometry, squares, "Squares", host);
        Walk(geometry);
    } catch (const std::exception&) {
    }
    return 0;
}
