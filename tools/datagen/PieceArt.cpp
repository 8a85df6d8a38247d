#include "PieceArt.h"

#include <cmath>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Geometry.h"
#include "Style.h"

namespace {

constexpr double S = Geometry::Square;

bool HasSide(int mask, int side) {
    return mask & (1 << (side - 1));
}

// The direction of a side as an angle: side 1 (top) points up, then clockwise.
double SideAngle(int side) {
    return -M_PI / 2 + (side - 1) * M_PI / 2;
}

// The twig from the square's centre to the middle of one side, drawn in the side's own frame
// so that a turned piece shows the same twig turned. It leaves the side at a right angle, so
// it meets the neighbour's twig smoothly.
void TwigSegment(cairo_t* cr, double cx, double cy, int side) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, SideAngle(side) + M_PI / 2);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 3.0, -6.5, -0.5, -12.0, 0, -S / 2);
    cairo_restore(cr);
}

void TwigPaths(cairo_t* cr, const std::vector<TPieceSquare>& squares) {
    cairo_new_path(cr);
    for (const TPieceSquare& sq : squares) {
        const double cx = sq.Column * S + S / 2, cy = sq.Row * S + S / 2;
        for (int side = 1; side <= 4; ++side)
            if (HasSide(sq.Mask, side)) TwigSegment(cr, cx, cy, side);
    }
}

bool Joined(const TPieceSquare& a, const TPieceSquare& b) {
    return std::abs(a.Column - b.Column) + std::abs(a.Row - b.Row) == 1;
}

void PlateOutline(cairo_t* cr, const std::vector<TPieceSquare>& squares) {
    const double inset = 1.5;
    cairo_new_path(cr);
    for (const TPieceSquare& sq : squares)
        RoundedRect(cr, sq.Column * S + inset, sq.Row * S + inset, S - 2 * inset, S - 2 * inset, 7);
    for (size_t i = 0; i < squares.size(); ++i)
        for (size_t j = i + 1; j < squares.size(); ++j) {
            if (!Joined(squares[i], squares[j])) continue;
            const double x = std::min(squares[i].Column, squares[j].Column) * S;
            const double y = std::min(squares[i].Row, squares[j].Row) * S;
            const bool across = squares[i].Row == squares[j].Row;
            if (across)
                cairo_rectangle(cr, x + S / 2, y + inset, S, S - 2 * inset);
            else
                cairo_rectangle(cr, x + inset, y + S / 2, S - 2 * inset, S);
        }
}

void StrokeTwigs(cairo_t* cr, const std::vector<TPieceSquare>& squares, double width,
                 const TColor& c, double alpha) {
    TwigPaths(cr, squares);
    cairo_set_line_width(cr, width);
    SetColor(cr, c, alpha);
    cairo_stroke(cr);
}

// A knot where several branches meet, or a bud with two young leaves at a twig's tip.
void DrawCentre(cairo_t* cr, const TPieceSquare& sq) {
    const double cx = sq.Column * S + S / 2, cy = sq.Row * S + S / 2;
    int sides = 0, only = 1;
    for (int side = 1; side <= 4; ++side)
        if (HasSide(sq.Mask, side)) ++sides, only = side;
    if (sides == 0) return;
    if (sides == 1) {
        const double back = SideAngle(only) + M_PI;
        DrawLeaf(cr, cx, cy, back - 0.6, 11, Palette::Leaf);
        DrawLeaf(cr, cx, cy, back + 0.6, 11, Palette::Leaf);
        Glow(cr, cx, cy, 7, Palette::Amber, 0.35);
        cairo_arc(cr, cx, cy, 3.6, 0, 2 * M_PI);
        SetColor(cr, Palette::LeafLight);
        cairo_fill_preserve(cr);
        SetColor(cr, Palette::MossDark);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        return;
    }
    // a swelling of the bark where the branches part, with a small knot hole
    cairo_arc(cr, cx, cy, 6.6, 0, 2 * M_PI);
    SetColor(cr, Palette::BarkDark);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 5.2, 0, 2 * M_PI);
    SetColor(cr, Palette::Bark);
    cairo_fill(cr);
    Glow(cr, cx, cy, 5, Palette::BarkLight, 0.6);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, 1.6);
    cairo_arc(cr, 0, 0, 1.3, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Palette::BarkDark, 0.9);
    cairo_fill(cr);
}

// Small leaves sprouting from the middle of some branches: living wood, not dead sticks.
void DrawSprouts(cairo_t* cr, const TPieceSquare& sq, unsigned seed) {
    const double cx = sq.Column * S + S / 2, cy = sq.Row * S + S / 2;
    for (int side = 1; side <= 4; ++side) {
        if (!HasSide(sq.Mask, side)) continue;
        const double h = Hash01(seed, sq.Mask * 4 + side, sq.Column * 7 + sq.Row);
        if (h < 0.35) continue;
        const double a = SideAngle(side);
        const double px = cx + std::cos(a) * 11, py = cy + std::sin(a) * 11;
        const double turn = h < 0.68 ? 0.85 : -0.85;
        DrawLeaf(cr, px, py, a + turn, 8.5, Palette::Leaf.Mix(Palette::MossLight, 0.3));
    }
}

} // namespace

void DrawPiece(TCanvas& canvas, const std::vector<TPieceSquare>& squares, unsigned seed) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    PlateOutline(cr, squares);
    FillMaterial(cr, TMaterial::Stone, seed);
    cairo_clip_preserve(cr);
    // A faint wash of moss in the plate, then the carved rim.
    cairo_pattern_t* wash =
        cairo_pattern_create_radial(canvas.Width() * 0.5, canvas.Height() * 0.5, 4,
                                    canvas.Width() * 0.5, canvas.Height() * 0.5, canvas.Width());
    cairo_pattern_add_color_stop_rgba(wash, 0, 0.95, 0.80, 0.55, 0.10);
    cairo_pattern_add_color_stop_rgba(wash, 1, Palette::MossDark.R, Palette::MossDark.G,
                                      Palette::MossDark.B, 0.25);
    cairo_set_source(cr, wash);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wash);
    CarveInnerRim(cr, 1.1);
    cairo_new_path(cr);

    // The carved channel the twig lies in, then the twig: dark bark, body, a soft sheen.
    StrokeTwigs(cr, squares, 15, Palette::Night, 0.30);
    StrokeTwigs(cr, squares, 10.5, Palette::BarkDark, 1.0);
    StrokeTwigs(cr, squares, 7.5, Palette::Bark, 1.0);
    StrokeTwigs(cr, squares, 3.5, Palette::BarkLight, 0.55);
    StrokeTwigs(cr, squares, 1.2, Palette::Parchment, 0.35);
    for (const TPieceSquare& sq : squares)
        DrawSprouts(cr, sq, seed);
    for (const TPieceSquare& sq : squares)
        DrawCentre(cr, sq);
    cairo_restore(cr);
}

namespace {

// The highlight laid over frags (a picture's covered squares, the blocked-squares view): an
// amber glow along the square's rim.
void AddMark(TContentArchive& squares) {
    TCanvas c(40, 40);
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 2, 2, 36, 36, 7);
    SetColor(cr, Palette::Amber, 0.08);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    SetColor(cr, Palette::Amber, 0.45);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetColor(cr, Palette::Parchment, 0.9);
    cairo_stroke(cr);
    squares.AddImage("mark", "mark" + Geometry::ImageSuffix + ".png", c);
}

// A quest piece travels face down: a moss-grown plate with a glowing carved seal.
void AddQuest(TContentArchive& squares) {
    TCanvas c(40, 40);
    cairo_t* cr = c.Cr();
    StonePlate(cr, 1.5, 1.5, 37, 37, 7, 4242);
    RoundedRect(cr, 1.5, 1.5, 37, 37, 7);
    cairo_clip(cr);
    MossTufts(cr, 0, 0, 40, 40, 26, 77);
    cairo_reset_clip(cr);
    Glow(cr, 20, 20, 15, Palette::Amber, 0.55);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 3.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, 20, 15.5, 5.5, M_PI * 1.05, M_PI * 2.35);
    cairo_curve_to(cr, 21, 21, 20, 21, 20, 24.5);
    cairo_stroke(cr);
    cairo_arc(cr, 20, 30, 1.9, 0, 2 * M_PI);
    cairo_fill(cr);
    squares.AddImage("quest.png", "quest.png", c);
}

struct TMultiPiece {
    const char* Surface;
    const char* File;
    int Columns, Rows;
    std::vector<TPieceSquare> Squares;
};

// Pieces of two and three squares drawn here; their turned and mirrored kin are made by image
// scripts at preparation time (see data/aim).
const std::vector<TMultiPiece>& DrawnMultiPieces() {
    static const std::vector<TMultiPiece> pieces = {
        {"123_134", "123_134_1.png", 1, 2, {{0, 0, 7}, {0, 1, 13}}},
        {"13_124_34", "13_124_34_1.png", 2, 2, {{0, 0, 5}, {0, 1, 11}, {1, 1, 12}}},
        {"a123_134", "a123_134_1.png", 2, 1, {{0, 0, 7}, {1, 0, 13}}},
        {"skoba1", "skoba1.png", 2, 1, {{0, 0, 6}, {1, 0, 12}}},
    };
    return pieces;
}

} // namespace

void AddPieceArt(TContentArchive& squares) {
    AddMark(squares);
    for (int mask = 1; mask < 16; ++mask) {
        TCanvas c(40, 40);
        DrawPiece(c, {{0, 0, mask}}, 100 + mask);
        const std::string name = Geometry::MaskName(mask);
        squares.AddImage(name, name + Geometry::ImageSuffix + ".png", c);
    }
    unsigned seed = 500;
    for (const TMultiPiece& p : DrawnMultiPieces()) {
        TCanvas c(p.Columns * 40, p.Rows * 40);
        DrawPiece(c, p.Squares, ++seed);
        squares.AddImage(p.Surface, p.File, c);
    }
    AddQuest(squares);
}
