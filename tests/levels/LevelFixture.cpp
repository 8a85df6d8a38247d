#include "LevelFixture.h"

#include "main/rules/GeometryLoader.h"

namespace {

void Put16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void PutShortString(std::vector<uint8_t>& out, const std::string& text, int fieldSize) {
    out.push_back(static_cast<uint8_t>(text.size()));
    for (int i = 0; i < fieldSize - 1; ++i)
        out.push_back(i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[i]) : 0);
}

std::string MaskName(int mask) {
    std::string name;
    for (int side = 1; side <= 4; ++side)
        if (mask & (1 << (side - 1))) name += static_cast<char>('0' + side);
    return name.empty() ? "none" : name;
}

int RotateMask(int mask) {
    return ((mask << 1) & 15) | ((mask >> 3) & 1);
}

// Template squares (15 x 2 at the origin), then the board, with connects between neighbours.
TFileFolder SyntheticSquares(int cols, int rows, int boardX, int boardY, int firstBoardFrag) {
    std::vector<uint8_t> points, fragTypes(78, 0), frags, connects, types;
    auto square = [&](int x, int y) {
        int first = static_cast<int>(points.size() / 4);
        for (auto [dx, dy] : {std::pair{0, 0}, {40, 0}, {40, 40}, {0, 40}}) {
            Put16(points, x + dx);
            Put16(points, y + dy);
        }
        frags.push_back(0);
        frags.push_back(0);
        for (int v = 0; v < 10; ++v)
            Put16(frags, v < 4 ? first + v : 0);
    };
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 15; ++c)
            square(c * 40, r * 40);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            square(boardX + c * 40, boardY + r * 40);
    fragTypes[0] = 4;
    auto link = [&](int a, int sa, int b, int sb) {
        Put16(connects, a);
        connects.push_back(static_cast<uint8_t>(sa));
        connects.push_back(0);
        Put16(connects, b);
        connects.push_back(static_cast<uint8_t>(sb));
        connects.push_back(0);
    };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            int f = firstBoardFrag + r * cols + c;
            if (c + 1 < cols) link(f, 2, f + 1, 4);
            if (r + 1 < rows) link(f, 3, f + cols, 1);
        }
    for (int mask = 0; mask < 16; ++mask) {
        PutShortString(types, MaskName(mask), 33);
        PutShortString(types, MaskName(RotateMask(mask)), 33);
        PutShortString(types, "_1", 60);
    }
    TFileFolder archive = TFileFolder::CreateNew("/nonexistent/squares.zxc");
    archive.Add("FishCombinations.dat", 0, TMemoryStream(std::string()));
    archive.Add("Squares_FragsTypes.dat", 0, TMemoryStream(fragTypes));
    archive.Add("Squares_Points.dat", 0, TMemoryStream(points));
    archive.Add("Squares_Frags.dat", 0, TMemoryStream(frags));
    archive.Add("Squares_Connects.dat", 0, TMemoryStream(connects));
    archive.Add("Squares_FishkasTypes.dat", 0, TMemoryStream(types));
    return archive;
}

} // namespace

int TLevelTestHost::Count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& line : Log)
        n += line.rfind(prefix, 0) == 0;
    return n;
}

LevelTest::LevelTest() {
    TFileFolder archive = SyntheticSquares(Cols, Rows, BoardX, BoardY, FirstBoardFrag);
    LoadGeometry(geometry, archive, "Squares", host);
    for (const TComplexFishkaType& t : geometry.CompFishkaTypes)
        AddImage(t.ImageName, 40 * t.Width, 40 * t.Height, true);
    AddImage("Rock", 40, 40, true);
    AddImage("Glass", 40, 40, false);
    AddImage("Wide", 80, 40, true);
    game.SetHooks(&runtime);
    game.GameState = gsPlaying;
}

std::string LevelTest::At(int row, int col) {
    return "x=\"" + std::to_string(BoardX + 40 * col + 20) + "\" y=\"" +
           std::to_string(BoardY + 40 * row + 20 + 15) + "\"";
}

void LevelTest::AddImage(const std::string& name, int w, int h, bool opaque) {
    if (engine.FindSurface(name) >= 0) return;
    SurfaceRecord r;
    r.Name = name;
    r.Width = w;
    r.Height = h;
    r.MaskWidth = w;
    r.Mask.assign(static_cast<size_t>(w) * h, opaque ? 255 : 0);
    engine.AddSurface(std::move(r));
}

void LevelTest::Load(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    loader.ResetLevel(1000);
    loader.LoadLevelText("test.lvl", text, skills, 1000);
}

bool LevelTest::Blocked(int frag) const {
    const TLevel& L = game.Level;
    for (size_t i = 0; i < L.SquareFrag.size(); ++i)
        if (L.SquareFrag[i] == frag) return L.SquareMask[i] == 0 && L.SquarePiece[i] == -1;
    return false;
}
