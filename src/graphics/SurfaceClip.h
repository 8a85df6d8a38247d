#pragma once
#include "archive/Rect.h"

// Cuts the inclusive source rectangle r and the target point x, y so that every pixel read
// lies inside the source (sw x sh) and every pixel written inside the target (tw x th).
// Returns false when nothing is left.
inline bool ClipToBoth(TRect& r, int& x, int& y, int sw, int sh, int tw, int th) {
    if (r.Left < 0) {
        x -= r.Left;
        r.Left = 0;
    }
    if (r.Top < 0) {
        y -= r.Top;
        r.Top = 0;
    }
    if (r.Right > sw - 1) r.Right = sw - 1;
    if (r.Bottom > sh - 1) r.Bottom = sh - 1;
    if (x < 0) {
        r.Left -= x;
        x = 0;
    }
    if (y < 0) {
        r.Top -= y;
        y = 0;
    }
    if (x + (r.Right - r.Left) > tw - 1) r.Right = r.Left + tw - 1 - x;
    if (y + (r.Bottom - r.Top) > th - 1) r.Bottom = r.Top + th - 1 - y;
    return r.Left <= r.Right && r.Top <= r.Bottom;
}
