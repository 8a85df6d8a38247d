#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// Sides of a square: 1 top, 2 right, 3 bottom, 4 left; a twig mask has bit k-1 for side k.
constexpr int MaxFragVertices = 10;

struct TFragType {
    uint8_t VertexCount = 0;
    uint8_t LeftVertex = 0; // the vertex that gives the frag's left x
    uint8_t TopVertex = 0;  // the vertex that gives the frag's top y
};

struct TFrag {
    uint8_t Type = 0;
    uint16_t PointIdx[MaxFragVertices] = {};
};

struct TConnect {
    int16_t FragA = 0;
    uint8_t SideA = 0;
    int16_t FragB = 0;
    uint8_t SideB = 0;
};

struct TTypeSquare {
    int Mask = 0;           // also the index of the single-square type that looks like this square
    int Frag = 0;           // template frag where the square lies
    std::vector<int> Joins; // sides towards other squares of the same piece
};

struct TComplexFishkaType {
    std::string Name;
    std::string RotatesTo;
    int Width = 1;
    int Height = 1;
    int SquareCount = 1;
    std::string ImageName;
    std::vector<TTypeSquare> TypeSquares;
};

struct TStampCell {
    int X = 0;
    int Y = 0;
    int Type = 0;
};
using TOneStamp = std::vector<TStampCell>;
using TFishCombination = std::vector<TOneStamp>;

using TPoints = std::vector<TPoint>;
using TFragsTypes = std::vector<TFragType>;
using TFrags = std::vector<TFrag>;
using TConnects = std::vector<TConnect>;
using TCompFishkaTypes = std::vector<TComplexFishkaType>;

// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(double value);
// Euclidean distance, rounded.
int PointDistance(TPoint a, TPoint b);
// Convex polygon test in the tables' winding; a point on an edge is inside.
bool InsidePolygon(const std::vector<TPoint>& polygon, int px, int py);

// The shared geometry of the board and of the piece templates, with the piece types and the
// combination table. Loaded once; the level sets where the board begins.
class TGeometry {
  public:
    TPoints Points;
    TFragsTypes FragTypes;
    TFrags Frags;
    TConnects Connects;
    TCompFishkaTypes CompFishkaTypes;
    std::vector<TFishCombination> Combinations;
    int FirstBoardFrag = 0;
    int FirstBoardConnect = 0;

    // The piece type, or a type without squares for an index outside the table.
    const TComplexFishkaType& TypeOf(int type) const;
    int FindFishkaType(const std::string& name) const;
    // A single-square type (SquareCount 1) by name, or -1.
    int FindSingleSquareType(const std::string& name) const;
    bool SquareHasTwig(int mask, int side) const;
    int TwigSideCount(int mask) const;

    std::vector<TPoint> FragVertices(int frag) const;
    TPoint FirstVertex(int frag) const;
    TPoint FragAnchor(int frag) const;
    bool InsideFrag(int frag, int px, int py) const;

    // The board frag under a point in map coordinates, or -1.
    int FragUnderMapPoint(int x, int mapY) const;
    // The board frag whose first vertex lies within 20 pixels of the probe (and not above it by
    // 40 or more), or -1.
    int FragForProbe(int px, int py) const;

    // Calls fn(side, otherFrag, otherSide) for every board connect with an end at frag, in
    // table order from the first board connect.
    template <class Fn> void ForEachConnectAt(int frag, Fn&& fn) const {
        const int first = FirstBoardConnect < 0 ? 0 : FirstBoardConnect;
        if (ConnectIndexFits()) {
            if (frag < 0 || frag >= static_cast<int>(connectsAt_.size())) return;
            for (int i : connectsAt_[frag])
                if (i >= first) Visit(Connects[i], frag, fn);
            return;
        }
        int n = static_cast<int>(Connects.size());
        for (int i = first; i < n; ++i)
            Visit(Connects[i], frag, fn);
    }
    // Indexes the connects by frag, so the walk above does not scan the whole table; the
    // loader calls it once the tables are read. Tables changed afterwards need it again.
    void BuildConnectIndex();

    bool ValidFrag(int frag) const { return frag >= 0 && frag < static_cast<int>(Frags.size()); }
    bool ValidType(int type) const {
        return type >= 0 && type < static_cast<int>(CompFishkaTypes.size());
    }

  private:
    template <class Fn> static void Visit(const TConnect& c, int frag, Fn& fn) {
        if (c.FragA == frag) fn(int{c.SideA}, int{c.FragB}, int{c.SideB});
        if (c.FragB == frag) fn(int{c.SideB}, int{c.FragA}, int{c.SideA});
    }
    bool ConnectIndexFits() const {
        return connectsAt_.size() == Frags.size() && indexedConnects_ == Connects.size();
    }
    std::vector<std::vector<int>> connectsAt_;
    size_t indexedConnects_ = 0;
};
