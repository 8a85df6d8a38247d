// Which board frags the opaque parts of the board-layer pictures cover: those frags become
// blocked squares (when the picture shows) and the picture remembers them for later.
#include <algorithm>
#include <climits>

#include "main/levels/LevelLoader.h"
#include "main/levels/LevelReadState.h"

void TLevelLoader::CoverFrags(TReadState& s) {
    int last = static_cast<int>(geo_.Frags.size()) - 1;
    for (int f = std::max(0, geo_.FirstBoardFrag); f <= last; ++f) {
        Progress(s, 50 + (last > 0 ? RoundEven(f * 50.0 / last) : 50));
        for (TLevelPicture& p : objects_.Pictures)
            if (p.Z == 0 && !p.FreeMover && !p.Images.empty()) CoverFrag(f, p);
    }
}

void TLevelLoader::CoverFrag(int frag, TLevelPicture& p) {
    std::vector<TPoint> vertices = geo_.FragVertices(frag);
    TPoint size = images_.Size(p.Images[0]);
    if (vertices.empty() || size.X <= 0 || size.Y <= 0) return;
    TRect picture{p.X, p.Y, p.X + size.X - 1, p.Y + size.Y - 1};
    bool touches = false;
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (TPoint v : vertices) {
        touches = touches || PointInRect(picture, v.X, v.Y);
        minX = std::min(minX, v.X), maxX = std::max(maxX, v.X);
        minY = std::min(minY, v.Y), maxY = std::max(maxY, v.Y);
    }
    const uint8_t* mask = images_.Mask(p.Images[0]);
    if (!touches || !mask) return;
    int left = std::max(0, minX - 5 - p.X), right = std::min(size.X - 1, maxX - 5 - p.X);
    int top = std::max(0, minY - p.Y), bottom = std::min(size.Y - 1, maxY - p.Y);
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col) {
            if (!mask[static_cast<size_t>(row) * size.X + col]) continue;
            if (!InsidePolygon(vertices, p.X + col, p.Y + row)) continue;
            TLevel& L = game_.Level;
            if (p.Visible && !IntArrayContains(frag, L.SquareFrag)) {
                L.SquareFrag.push_back(frag);
                L.SquareMask.push_back(0);
                L.SquareGroup.push_back(1);
                L.SquarePiece.push_back(-1);
                if (p.BonusElementPicture && !IntArrayContains(frag, L.FinishFrags))
                    L.FinishFrags.push_back(frag);
            }
            if (!IntArrayContains(frag, p.CoveredFrags)) p.CoveredFrags.push_back(frag);
            return;
        }
}
