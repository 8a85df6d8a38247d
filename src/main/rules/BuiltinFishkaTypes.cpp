#include "main/rules/GameHost.h"
#include "main/rules/GeometryLoader.h"

namespace {

struct BuiltinType {
    const char* Name;
    const char* RotatesTo;
    int Width, Height;
    const char* Image;
    std::vector<TTypeSquare> Squares;
};

// Template frags: 0 top-left, 1 to its right, 15 below 0, 16 below 1.
const std::vector<BuiltinType>& BuiltinTypes() {
    static const std::vector<BuiltinType> types = {
        {"double2", "double1", 1, 2, "123_134", {{7, 0, {3}}, {13, 15, {1}}}},
        {"double1", "double2", 2, 1, "124_234", {{11, 0, {2}}, {14, 1, {4}}}},
        {"tripl1", "tripl2", 2, 2, "13_124_34", {{5, 0, {3}}, {11, 15, {1, 2}}, {12, 16, {4}}}},
        {"tripl2", "tripl3", 2, 2, "123_24_14", {{7, 0, {2, 3}}, {10, 1, {4}}, {9, 15, {1}}}},
        {"tripl3", "tripl4", 2, 2, "12_234_13", {{3, 0, {2}}, {14, 1, {3, 4}}, {5, 16, {1}}}},
        {"tripl4", "tripl1", 2, 2, "23_24_134", {{6, 1, {3}}, {10, 15, {2}}, {13, 16, {1, 4}}}},
        {"adouble1", "adouble2", 2, 1, "a123_134", {{7, 0, {2}}, {13, 1, {4}}}},
        {"adouble2", "adouble1", 1, 2, "a234_124", {{14, 0, {3}}, {11, 15, {1}}}},
        {"skoba1", "skoba2", 2, 1, "skoba1", {{6, 0, {2}}, {12, 1, {4}}}},
        {"skoba2", "skoba3", 1, 2, "skoba2", {{12, 0, {3}}, {9, 15, {1}}}},
        {"skoba3", "skoba4", 2, 1, "skoba3", {{3, 0, {2}}, {9, 1, {4}}}},
        {"skoba4", "skoba1", 1, 2, "skoba4", {{6, 0, {3}}, {3, 15, {1}}}},
        {"double1a", "double2a", 2, 1, "124_234a", {{14, 0, {2}}, {11, 1, {4}}}},
        {"double2a", "double1a", 1, 2, "123_134a", {{13, 0, {3}}, {7, 15, {1}}}},
    };
    return types;
}

const char* const BuiltinImages[][2] = {
    {"123_134", "123_134_1.png"},     {"124_234", "124_234_1.png"},
    {"123_134a", "123_134_1a.png"},   {"124_234a", "124_234_1a.png"},
    {"13_124_34", "13_124_34_1.png"}, {"123_24_14", "123_24_14_1.png"},
    {"12_234_13", "12_234_13_1.png"}, {"23_24_134", "23_24_134_1.png"},
    {"a123_134", "a123_134_1.png"},   {"a234_124", "a234_124_1.png"},
    {"skoba1", "skoba1.png"},         {"skoba2", "skoba2.png"},
    {"skoba3", "skoba3.png"},         {"skoba4", "skoba4.png"},
    {"MidRain", "MidRain.png"},       {"SmRain", "SmRain.png"},
    {"RainDrop", "RainDrop.png"},
};

} // namespace

void AddBuiltinFishkaTypes(TGeometry& geometry, IGameHost& host) {
    for (const BuiltinType& b : BuiltinTypes()) {
        TComplexFishkaType t;
        t.Name = b.Name;
        t.RotatesTo = b.RotatesTo;
        t.Width = b.Width;
        t.Height = b.Height;
        t.SquareCount = static_cast<int>(b.Squares.size());
        t.ImageName = b.Image;
        t.TypeSquares = b.Squares;
        geometry.CompFishkaTypes.push_back(std::move(t));
    }
    for (const auto& image : BuiltinImages)
        host.RegisterImage(image[0], image[1]);
}
