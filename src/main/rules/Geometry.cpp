#include "main/rules/Geometry.h"

#include <cmath>
#include <cstdint>

// Saturates instead of overflowing: a value past the int range (a huge period times a factor,
// a curve run off to infinity) would otherwise be undefined; NaN gives 0.
int RoundEven(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    if (r >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<int>(r);
}

int PointDistance(TPoint a, TPoint b) {
    double dx = a.X - b.X, dy = a.Y - b.Y;
    return RoundEven(std::sqrt(dx * dx + dy * dy));
}

bool InsidePolygon(const std::vector<TPoint>& polygon, int px, int py) {
    size_t n = polygon.size();
    if (n == 0) return false;
    for (size_t i = 0; i < n; ++i) {
        const TPoint& a = polygon[i];
        const TPoint& b = polygon[(i + 1) % n];
        int64_t cross = int64_t{py - a.Y} * (b.X - a.X) - int64_t{px - a.X} * (b.Y - a.Y);
        if (cross < 0) return false;
    }
    return true;
}

const TComplexFishkaType& TGeometry::TypeOf(int type) const {
    static const TComplexFishkaType none{"", "", 0, 0, 0, "", {}};
    return ValidType(type) ? CompFishkaTypes[type] : none;
}

int TGeometry::FindFishkaType(const std::string& name) const {
    for (size_t i = 0; i < CompFishkaTypes.size(); ++i)
        if (CompFishkaTypes[i].Name == name) return static_cast<int>(i);
    return -1;
}

int TGeometry::FindSingleSquareType(const std::string& name) const {
    for (size_t i = 0; i < CompFishkaTypes.size(); ++i)
        if (CompFishkaTypes[i].SquareCount == 1 && CompFishkaTypes[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

bool TGeometry::SquareHasTwig(int mask, int side) const {
    if (!ValidType(mask) || side < 1 || side > 9) return false;
    return CompFishkaTypes[mask].Name.find(static_cast<char>('0' + side)) != std::string::npos;
}

int TGeometry::TwigSideCount(int mask) const {
    return ValidType(mask) ? static_cast<int>(CompFishkaTypes[mask].Name.size()) : 0;
}

std::vector<TPoint> TGeometry::FragVertices(int frag) const {
    std::vector<TPoint> out;
    if (!ValidFrag(frag)) return out;
    const TFrag& f = Frags[frag];
    int count = f.Type < FragTypes.size() ? FragTypes[f.Type].VertexCount : 0;
    if (count > MaxFragVertices) count = MaxFragVertices;
    for (int i = 0; i < count; ++i) {
        uint16_t p = f.PointIdx[i];
        out.push_back(p < Points.size() ? Points[p] : TPoint{});
    }
    return out;
}

TPoint TGeometry::FirstVertex(int frag) const {
    if (!ValidFrag(frag)) return {};
    uint16_t p = Frags[frag].PointIdx[0];
    return p < Points.size() ? Points[p] : TPoint{};
}

TPoint TGeometry::FragAnchor(int frag) const {
    if (!ValidFrag(frag)) return {};
    const TFrag& f = Frags[frag];
    if (f.Type >= FragTypes.size()) return FirstVertex(frag);
    const TFragType& t = FragTypes[f.Type];
    auto point = [&](int vertex) {
        uint16_t p = f.PointIdx[vertex < MaxFragVertices ? vertex : 0];
        return p < Points.size() ? Points[p] : TPoint{};
    };
    return {point(t.LeftVertex).X, point(t.TopVertex).Y};
}

bool TGeometry::InsideFrag(int frag, int px, int py) const {
    return InsidePolygon(FragVertices(frag), px, py);
}

int TGeometry::FragUnderMapPoint(int x, int mapY) const {
    int n = static_cast<int>(Frags.size());
    for (int f = FirstBoardFrag < 0 ? 0 : FirstBoardFrag; f < n; ++f) {
        int top = FragAnchor(f).Y;
        if (mapY <= top || mapY >= top + 60) continue;
        if (InsideFrag(f, x, mapY)) return f;
    }
    return -1;
}

int TGeometry::FragForProbe(int px, int py) const {
    int n = static_cast<int>(Frags.size());
    for (int f = FirstBoardFrag < 0 ? 0 : FirstBoardFrag; f < n; ++f) {
        TPoint v = FirstVertex(f);
        if (py < v.Y + 40 && PointDistance({px, py}, v) < 20) return f;
    }
    return -1;
}

void TGeometry::BuildConnectIndex() {
    connectsAt_.assign(Frags.size(), {});
    indexedConnects_ = 0;
    const int frags = static_cast<int>(Frags.size());
    for (size_t i = 0; i < Connects.size(); ++i) {
        const TConnect& c = Connects[i];
        // A table naming frags it does not have keeps the plain scan, which copes with it.
        if (c.FragA < 0 || c.FragA >= frags || c.FragB < 0 || c.FragB >= frags) {
            connectsAt_.clear();
            return;
        }
        connectsAt_[c.FragA].push_back(static_cast<int>(i));
        if (c.FragB != c.FragA) connectsAt_[c.FragB].push_back(static_cast<int>(i));
    }
    indexedConnects_ = Connects.size();
}
