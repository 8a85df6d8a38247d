#pragma once

class TContentArchive;

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
} // namespace MenuLayout

// The title background and its bird, buttons in three looks (the hover look is made by an
// image script), the dialog panel, the progress bar, radio buttons and check boxes.
void AddMenuArt(TContentArchive& game);
