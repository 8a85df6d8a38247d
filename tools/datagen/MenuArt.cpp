#include "MenuArt.h"

#include <cmath>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Landscape.h"
#include "Style.h"

using namespace MenuLayout;

// A twig winding along a line with leaves: the game's emblem on titles and panels.
void WindingTwig(cairo_t* cr, double x0, double y0, double x1, double y1, double wave,
                 unsigned seed) {
    const int n = 40;
    auto point = [&](int i, double& px, double& py) {
        const double t = i / double(n);
        const double nx = -(y1 - y0), ny = x1 - x0, len = std::hypot(nx, ny);
        const double off = std::sin(t * M_PI * 3 + seed) * wave;
        px = x0 + (x1 - x0) * t + nx / len * off;
        py = y0 + (y1 - y0) * t + ny / len * off;
    };
    BarkAlong(cr, n, point);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 3; i < n; i += 4) {
        double px, py;
        point(i, px, py);
        const double a = std::atan2(y1 - y0, x1 - x0) + ((i / 4) % 2 ? 0.9 : -0.9);
        DrawLeaf(cr, px, py, a, 12, Palette::Leaf);
    }
    cairo_restore(cr);
}

namespace {

void AddTitle(TContentArchive& game) {
    TCanvas c(800, 600);
    cairo_t* cr = c.Cr();
    Landscape::Sky(cr, 0, 0, 800, 600, 330);
    Glow(cr, 560, 320, 180, Palette::DuskLow, 0.45);
    Landscape::Hills(cr, 0, 300, 800, 600, 30, 101, {0.33, 0.20, 0.30});
    Landscape::TreeLine(cr, 0, 800, 350, 70, 140, 102, {0.17, 0.13, 0.20}, true);
    Landscape::Mist(cr, 0, 330, 800, 100, 103, 0.22);
    Landscape::TreeLine(cr, 0, 800, 440, 110, 230, 104, {0.09, 0.08, 0.12}, false);
    Landscape::TreeLine(cr, -40, 880, 560, 260, 380, 105, {0.04, 0.04, 0.06}, true);
    Landscape::Fireflies(cr, 20, 260, 760, 320, 34, 106);
    // the title tablet
    StonePlate(cr, 180, 60, 440, 130, 18, 107);
    cairo_save(cr);
    RoundedRect(cr, 180, 60, 440, 130, 18);
    cairo_clip(cr);
    MossTufts(cr, 180, 60, 440, 22, 60, 108);
    MossTufts(cr, 180, 170, 440, 20, 40, 109);
    cairo_restore(cr);
    CarvedText(cr, "Quorrel", 400, 148, 72, true, Palette::Parchment.Mix(Palette::Amber, 0.35));
    WindingTwig(cr, 196, 176, 604, 176, 5, 3);
    // a stone footing for the menu buttons
    StonePlate(cr, TitleFootingX, TitleFootingY, TitleFootingWidth, TitleFootingHeight, 14, 110,
               TMaterial::DarkStone);
    game.AddImage("TitleBackground.png", "TitleBackground.png", c);
}

// A night bird gliding over the title.
void AddBird(TContentArchive& game) {
    TCanvas c(56, 28);
    cairo_t* cr = c.Cr();
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 28, 16);
        cairo_curve_to(cr, 28 + side * 8, 6, 28 + side * 18, 4, 28 + side * 27, 9);
        cairo_curve_to(cr, 28 + side * 20, 9, 28 + side * 12, 12, 28 + side * 4, 20);
        cairo_close_path(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 28, 17);
    cairo_scale(cr, 4, 7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_move_to(cr, 25, 22);
    cairo_line_to(cr, 28, 27);
    cairo_line_to(cr, 31, 22);
    SetColor(cr, {0.10, 0.07, 0.11});
    cairo_fill(cr);
    Glow(cr, 28, 12, 3, Palette::Amber, 0.9);
    game.AddImage("TitleBird.png", "TitleBird.png", c);
}

} // namespace

void ButtonFace(TCanvas& c, bool pressed, unsigned seed) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    RoundedRect(cr, 1, 1, w - 2, h - 2, h * 0.3);
    FillMaterial(cr, TMaterial::Wood, seed, 1.5);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundedRect(cr, 5, 5, w - 10, h - 10, h * 0.22);
    FillMaterial(cr, pressed ? TMaterial::DarkStone : TMaterial::Stone, seed + 1);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 5, 0, h - 5);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.9, 0.7, pressed ? 0.0 : 0.18);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, pressed ? 0.35 : 0.2);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    CarveInnerRim(cr, pressed ? 1.6 : 0.8);
    cairo_new_path(cr);
    cairo_save(cr);
    RoundedRect(cr, 5, 5, w - 10, h - 10, h * 0.22);
    cairo_clip(cr);
    MossTufts(cr, 5, 4, w - 10, 3, static_cast<int>(w / 12), seed + 2);
    cairo_restore(cr);
}

namespace {

void AddButtons(TContentArchive& game) {
    {
        TCanvas c(ButtonWidth, ButtonHeight);
        ButtonFace(c, false, 201);
        game.AddImage("ButtonNormal.png", "ButtonNormal.png", c);
    }
    {
        TCanvas c(ButtonWidth, ButtonHeight);
        ButtonFace(c, true, 201);
        game.AddImage("ButtonPressed.png", "ButtonPressed.png", c);
    }
    {
        TCanvas c(SmallButtonWidth, SmallButtonHeight);
        ButtonFace(c, false, 202);
        game.AddImage("SmallButtonNormal.png", "SmallButtonNormal.png", c);
    }
    TCanvas c(SmallButtonWidth, SmallButtonHeight);
    ButtonFace(c, true, 202);
    game.AddImage("SmallButtonPressed.png", "SmallButtonPressed.png", c);
}

void AddDialogPanel(TContentArchive& game) {
    TCanvas c(DialogWidth, DialogHeight);
    cairo_t* cr = c.Cr();
    DialogPlate(cr, DialogWidth, DialogHeight, 301,
                [cr] { MossTufts(cr, 12, 12, DialogWidth - 24, 10, 40, 303); });
    WindingTwig(cr, 30, 8, DialogWidth - 30, 8, 3, 1);
    WindingTwig(cr, 30, DialogHeight - 8, DialogWidth - 30, DialogHeight - 8, 3, 2);
    game.AddImage("DialogPanel.png", "DialogPanel.png", c);
}

void AddProgressBar(TContentArchive& game) {
    {
        TCanvas c(ProgressWidth, ProgressHeight);
        cairo_t* cr = c.Cr();
        StonePlate(cr, 3, 3, ProgressWidth - 6, ProgressHeight - 6, 12, 401);
        StoneSocket(cr, ProgressBarShiftX - 3, ProgressBarShiftY - 3, ProgressBarWidth + 6,
                    ProgressStepHeight + 6, 5);
        game.AddImage("ProgressBarBack.png", "ProgressBarBack.png", c);
    }
    TCanvas c(ProgressStepWidth, ProgressStepHeight);
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 1, 1, ProgressStepWidth - 2, ProgressStepHeight - 2, 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, ProgressStepHeight);
    cairo_pattern_add_color_stop_rgb(p, 0, Palette::LeafLight.R, Palette::LeafLight.G,
                                     Palette::LeafLight.B);
    cairo_pattern_add_color_stop_rgb(p, 1, Palette::MossDark.R, Palette::MossDark.G,
                                     Palette::MossDark.B);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    DrawLeaf(cr, 3, ProgressStepHeight / 2.0, -0.3, 9, Palette::LeafLight);
    game.AddImage("ProgressBarStep.png", "ProgressBarStep.png", c);
}

void AddToggles(TContentArchive& game) {
    for (int checked = 0; checked < 2; ++checked) {
        TCanvas radio(ToggleSize, ToggleSize);
        cairo_t* cr = radio.Cr();
        cairo_arc(cr, 12, 12, 10.5, 0, 2 * M_PI);
        FillMaterial(cr, TMaterial::DarkStone, 501);
        SetColor(cr, Palette::StoneLight, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        if (checked) {
            Glow(cr, 12, 12, 10, Palette::Amber, 0.6);
            cairo_arc(cr, 12, 12, 4.5, 0, 2 * M_PI);
            SetColor(cr, Palette::LeafLight);
            cairo_fill_preserve(cr);
            SetColor(cr, Palette::MossDark);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
        game.AddImage(checked ? "RadioOn.png" : "RadioOff.png",
                      checked ? "RadioOn.png" : "RadioOff.png", radio);

        TCanvas box(ToggleSize, ToggleSize);
        cr = box.Cr();
        RoundedRect(cr, 2, 2, 20, 20, 4);
        FillMaterial(cr, TMaterial::DarkStone, 502);
        SetColor(cr, Palette::StoneLight, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        if (checked) {
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            for (int layer = 0; layer < 2; ++layer) {
                cairo_move_to(cr, 6, 12);
                cairo_line_to(cr, 10.5, 17);
                cairo_line_to(cr, 19, 5);
                cairo_set_line_width(cr, layer == 0 ? 5 : 2.8);
                SetColor(cr, layer == 0 ? Palette::MossDark : Palette::LeafLight);
                cairo_stroke(cr);
            }
        }
        game.AddImage(checked ? "CheckOn.png" : "CheckOff.png",
                      checked ? "CheckOn.png" : "CheckOff.png", box);
    }
}

// The text cursor of edit fields: a thin amber bar with soft ends.
void AddEditCursor(TContentArchive& game) {
    TCanvas c(4, 16);
    cairo_t* cr = c.Cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 16);
    cairo_pattern_add_color_stop_rgba(p, 0, Palette::Amber.R, Palette::Amber.G, Palette::Amber.B,
                                      0.4);
    cairo_pattern_add_color_stop_rgba(p, 0.5, Palette::Amber.R, Palette::Amber.G, Palette::Amber.B,
                                      1);
    cairo_pattern_add_color_stop_rgba(p, 1, Palette::Amber.R, Palette::Amber.G, Palette::Amber.B,
                                      0.4);
    cairo_rectangle(cr, 1, 0, 2, 16);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    game.AddImage("EditCursor.png", "EditCursor.png", c);
}

} // namespace

void AddMenuArt(TContentArchive& game) {
    AddEditCursor(game);
    AddTitle(game);
    AddBird(game);
    AddButtons(game);
    AddDialogPanel(game);
    AddProgressBar(game);
    AddToggles(game);
}
