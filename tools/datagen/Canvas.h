#pragma once
#include <cairo.h>

#include <cstdint>
#include <vector>

// One image being drawn: a cairo ARGB32 surface with its context. Owns both.
class TCanvas {
  public:
    TCanvas(int width, int height);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Straight (not premultiplied) RGBA bytes, row after row.
    std::vector<uint8_t> Rgba() const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Gives fully transparent pixels near visible ones the colour of their neighbours (the alpha
// stays 0), so a lossy colour picture has no hard edges where the mask fades.
void BleedIntoTransparency(int width, int height, std::vector<uint8_t>& rgba);
