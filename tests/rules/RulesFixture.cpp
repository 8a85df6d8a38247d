#include "RulesFixture.h"

#include <cstring>

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

int RotateMask(int mask) {
    return ((mask << 1) & 15) | ((mask >> 3) & 1);
}

} // namespace

std::string MaskName(int mask) {
    std::string name;
    for (int side = 1; side <= 4; ++side)
        if (mask & (1 << (side - 1))) name += static_cast<char>('0' + side);
    return name.empty() ? "none" : name;
}

TFileFolder TSyntheticGeometry::BuildArchive(const std::string& combinations, int extraBytes) {
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
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            square(BoardX + c * 40, BoardY + r * 40);
    fragTypes[0] = 4; // left x and top y both from vertex 0
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            auto link = [&](int a, int sa, int b, int sb) {
                Put16(connects, a);
                connects.push_back(static_cast<uint8_t>(sa));
                connects.push_back(0);
                Put16(connects, b);
                connects.push_back(static_cast<uint8_t>(sb));
                connects.push_back(0);
            };
            if (c + 1 < Cols) link(Frag(r, c), 2, Frag(r, c + 1), 4);
            if (r + 1 < Rows) link(Frag(r, c), 3, Frag(r + 1, c), 1);
        }
    for (int mask = 0; mask < 16; ++mask) {
        PutShortString(types, MaskName(mask), 33);
        PutShortString(types, MaskName(RotateMask(mask)), 33);
        PutShortString(types, "_1", 60);
    }
    for (int i = 0; i < extraBytes; ++i) {
        points.push_back(0);
        frags.push_back(0);
        connects.push_back(0);
        types.push_back(0);
        fragTypes.push_back(0);
    }
    TFileFolder archive = TFileFolder::CreateNew("/nonexistent/squares.zxc");
    archive.Add("FishCombinations.dat", 0, TMemoryStream(combinations));
    archive.Add("Squares_FragsTypes.dat", 0, TMemoryStream(fragTypes));
    archive.Add("Squares_Points.dat", 0, TMemoryStream(points));
    archive.Add("Squares_Frags.dat", 0, TMemoryStream(frags));
    archive.Add("Squares_Connects.dat", 0, TMemoryStream(connects));
    archive.Add("Squares_FishkasTypes.dat", 0, TMemoryStream(types));
    return archive;
}

RulesTest::RulesTest() {
    TFileFolder archive = TSyntheticGeometry::BuildArchive(
        "<FishkaCombination>\n<Stamp>\n<FishkaInStamp x=\"0\" y=\"0\" type=\"5\"/>\n"
        "<FishkaInStamp x=\"0\" y=\"40\" type=\"5\"/>\n"
        "<FishkaCombination>\n<Stamp>\n<FishkaInStamp x=\"0\" y=\"0\" type=\"10\"/>\n"
        "<FishkaInStamp x=\"40\" y=\"0\" type=\"10\"/>\n");
    LoadGeometry(geometry, archive, "Squares", host);
    geometry.FirstBoardFrag = TSyntheticGeometry::FirstBoardFrag;
    geometry.FirstBoardConnect = 0;
    for (const TComplexFishkaType& t : geometry.CompFishkaTypes)
        host.Sizes[t.ImageName] = {40 * t.Width, 40 * t.Height};
    host.Sizes["Quest"] = {30, 50};
    game.Level.QuestImage = "Quest";
    game.Level.MapTop = TSyntheticGeometry::BoardY;
    game.Level.MapBottom = TSyntheticGeometry::BoardY + 40 * TSyntheticGeometry::Rows;
    game.MapScroll = game.ScrollTarget = game.ScrollTurn = 1000;
    game.GameState = gsPlaying;
    game.Level.TypeWeights.assign(geometry.CompFishkaTypes.size(), 0);
    game.Level.TypeWeights[5] = 1;
    game.Level.TypeWeights[10] = 1;
}

int RulesTest::LevelPiece(int frag, int type, int state) {
    TFishka f;
    f.Type = static_cast<uint8_t>(type);
    TPoint anchor = geometry.FragAnchor(frag);
    f.X = anchor.X;
    f.Y = anchor.Y;
    f.State = state;
    int piece = game.AddFishka(f);
    int group = game.AddSquareJoined(frag, geometry.CompFishkaTypes[type].TypeSquares[0].Mask,
                                     piece, false);
    game.Fishkas[piece].InitialGroup = group;
    return piece;
}

int RulesTest::Ghost(int frag, int mask) {
    game.Level.RequiredFrag.push_back(frag);
    game.Level.RequiredMask.push_back(mask);
    return LevelPiece(frag, mask, fsGhost);
}

TPoint RulesTest::ScreenOf(int frag) const {
    TPoint anchor = geometry.FragAnchor(frag);
    return {anchor.X + 5, anchor.Y - game.MapScroll + 245};
}

int RulesTest::Hold(int type, int frag) {
    TFishka f;
    f.Type = static_cast<uint8_t>(type);
    f.State = fsHeld;
    int piece = game.AddFishka(f);
    game.HeldPiece = piece;
    MoveHeldOver(frag);
    return piece;
}

void RulesTest::MoveHeldOver(int frag) {
    TPoint at = ScreenOf(frag);
    game.Fishkas[game.HeldPiece].X = at.X;
    game.Fishkas[game.HeldPiece].Y = at.Y;
}
