#pragma once

// Rectangles include their right column and bottom row.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Moves a drawing at (x, y) whose picture part is source right and down to the clip's top-left
// corner, cutting what falls outside from the source.
inline void CutTopLeft(TRect& source, int& x, int& y, const TRect& clip) {
    if (x < clip.Left) {
        source.Left += clip.Left - x;
        x = clip.Left;
    }
    if (y < clip.Top) {
        source.Top += clip.Top - y;
        y = clip.Top;
    }
}
