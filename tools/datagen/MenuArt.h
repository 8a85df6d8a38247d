#pragma once

class TCanvas;
class TContentArchive;
typedef struct _cairo cairo_t;

// Sizes of the menu pictures, for the interface file's layout.
namespace MenuLayout {
constexpr int ButtonWidth = 200, ButtonHeight = 44;
constexpr int SmallButtonWidth = 80, SmallButtonHeight = 28;
constexpr int DialogWidth = 400, DialogHeight = 280;
// The progress bar: background picture, and the groove the steps fill.
constexpr int ProgressWidth = 320, ProgressHeight = 72;
constexpr int ProgressBarShiftX = 20, ProgressBarShiftY = 38, ProgressBarWidth = 280;
constexpr int ProgressStepWidth = 14, ProgressStepHeight = 16;
constexpr int ToggleSize = 24;
// The stone footing of the title's buttons: two columns of three and one below, 44 high,
// 54 apart.
constexpr int TitleFootingX = 170, TitleFootingY = 226, TitleFootingWidth = 460;
constexpr int TitleFootingHeight = 242;
} // namespace MenuLayout

// A twig winding along a line with leaves: the game's emblem on titles and panels.
void WindingTwig(cairo_t* cr, double x0, double y0, double x1, double y1, double wave,
                 unsigned seed);
// A button's face on the whole canvas: wooden rim, stone face (darker when pressed), moss.
void ButtonFace(TCanvas& c, bool pressed, unsigned seed);

// The title background and its bird, buttons in three looks (the hover look is made by an
// image script), the dialog panel, the progress bar, radio buttons and check boxes.
void AddMenuArt(TContentArchive& game);
