#include "Geometry.h"

#include <cstdint>
#include <stdexcept>

#include "ContentArchive.h"

namespace Geometry {
namespace {

constexpr int FragTypeRecord = 78;
constexpr int FragRecord = 22;
constexpr int ConnectRecord = 8;
constexpr int FishkaTypeRecord = 126;
constexpr int MaxPolygonVertices = 10;
enum Side { Top = 1, Right = 2, Bottom = 3, Left = 4 };

class TTableWriter {
  public:
    void U8(int v) { bytes_.push_back(static_cast<uint8_t>(v)); }
    void I16(int v) {
        if (v < -32768 || v > 65535) throw std::runtime_error("geometry value out of range");
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void Zeros(int n) { bytes_.insert(bytes_.end(), n, 0); }
    // A length-prefixed text in a field of width bytes (the length byte included).
    void ShortString(const std::string& text, int width) {
        if (static_cast<int>(text.size()) > width - 1) throw std::runtime_error("name too long");
        U8(static_cast<int>(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        Zeros(width - 1 - static_cast<int>(text.size()));
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

  private:
    std::vector<uint8_t> bytes_;
};

// A grid of squares sharing their corner points: (columns + 1) x (rows + 1) points.
struct TGrid {
    int FirstPoint;
    int Columns;
    int Rows;
    int Point(int column, int row) const { return FirstPoint + row * (Columns + 1) + column; }
};

void WritePoints(TTableWriter& w, int left, int columns, int rows) {
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            w.I16(left + c * Square);
            w.I16(r * Square);
        }
}

// One square frag: type 0, vertices top-left, top-right, bottom-right, bottom-left. In screen
// coordinates (y down) this order keeps the inside of every edge on its non-negative side.
void WriteSquareFrag(TTableWriter& w, const TGrid& g, int column, int row) {
    w.U8(0);
    w.U8(0);
    const int vertices[4] = {g.Point(column, row), g.Point(column + 1, row),
                             g.Point(column + 1, row + 1), g.Point(column, row + 1)};
    for (int v : vertices)
        w.I16(v);
    w.Zeros(2 * (MaxPolygonVertices - 4));
}

void WriteConnect(TTableWriter& w, int fragA, int sideA, int fragB, int sideB) {
    w.I16(fragA);
    w.U8(sideA);
    w.U8(0);
    w.I16(fragB);
    w.U8(sideB);
    w.U8(0);
}

std::vector<uint8_t> FragTypes() {
    TTableWriter w;
    w.U8(4);
    w.Zeros(41);
    w.U8(0); // left x from the top-left vertex
    w.U8(0); // top y from the same vertex
    w.Zeros(FragTypeRecord - 44);
    return w.Take();
}

// Connects are ordered by their first frag, so that every connect of a board that starts at
// some frag lies at or after the first connect touching that frag.
std::vector<uint8_t> BoardConnects(int firstFrag) {
    TTableWriter w;
    for (int r = 0; r < BoardRows; ++r)
        for (int c = 0; c < BoardColumns; ++c) {
            const int frag = firstFrag + r * BoardColumns + c;
            if (c + 1 < BoardColumns) WriteConnect(w, frag, Right, frag + 1, Left);
            if (r + 1 < BoardRows) WriteConnect(w, frag, Bottom, frag + BoardColumns, Top);
        }
    return w.Take();
}

std::vector<uint8_t> FishkasTypes() {
    TTableWriter w;
    for (int mask = 0; mask < 16; ++mask) {
        w.ShortString(MaskName(mask), 33);
        w.ShortString(MaskName(RotateMask(mask)), 33);
        w.ShortString(ImageSuffix, 60);
    }
    return w.Take();
}

} // namespace

std::string MaskName(int mask) {
    if (mask == 0) return "mark";
    std::string name;
    for (int side = 1; side <= SideCount; ++side)
        if (mask & (1 << (side - 1))) name += static_cast<char>('0' + side);
    return name;
}

int RotateMask(int mask) {
    return ((mask << 1) | (mask >> 3)) & 15;
}

void AddTables(TContentArchive& archive) {
    const TGrid templ{0, TemplateColumns, TemplateRows};
    const TGrid board{(TemplateColumns + 1) * (TemplateRows + 1), BoardColumns, BoardRows};

    TTableWriter points;
    WritePoints(points, 0, TemplateColumns, TemplateRows);
    WritePoints(points, BoardLeft, BoardColumns, BoardRows);

    TTableWriter frags;
    for (int r = 0; r < TemplateRows; ++r)
        for (int c = 0; c < TemplateColumns; ++c)
            WriteSquareFrag(frags, templ, c, r);
    for (int r = 0; r < BoardRows; ++r)
        for (int c = 0; c < BoardColumns; ++c)
            WriteSquareFrag(frags, board, c, r);

    archive.AddData("Squares_FragsTypes.dat", FragTypes());
    archive.AddData("Squares_Points.dat", points.Take());
    archive.AddData("Squares_Frags.dat", frags.Take());
    archive.AddData("Squares_Connects.dat", BoardConnects(TemplateColumns * TemplateRows));
    archive.AddData("Squares_FishkasTypes.dat", FishkasTypes());
}

} // namespace Geometry
