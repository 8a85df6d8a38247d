#include "graphics/ImageOps.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Rounding to the nearest integer, halves to the even neighbour.
double RoundEven(double v) {
    return std::nearbyint(v);
}

int Clamp255(double v) {
    return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v);
}

struct Hsl {
    double H, S, L;
};

Hsl ToHsl(double r, double g, double b) {
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    Hsl c{};
    c.L = RoundEven(((mx + mn) * 240 + 255) / 510);
    if (mx == mn) {
        c.S = 0;
        c.H = 160;
    } else {
        if (c.L <= 120) {
            c.S = RoundEven(((mx - mn) * 240 + (mx + mn) / 2) / (mx + mn));
        } else {
            c.S = RoundEven(((mx - mn) * 240 + (510 - mx - mn) / 2) / (510 - mx - mn));
        }
        const double span = mx - mn;
        const double dR = ((mx - r) * 40 + span / 2) / span;
        const double dG = ((mx - g) * 40 + span / 2) / span;
        const double dB = ((mx - b) * 40 + span / 2) / span;
        if (r == mx) {
            c.H = RoundEven(dB - dG);
        } else if (g == mx) {
            c.H = RoundEven(80 + dR - dB);
        } else {
            c.H = RoundEven(160 + dG - dR);
        }
        if (c.H < 0) c.H += 240;
        if (c.H > 240) c.H -= 240;
    }
    c.S = std::clamp(c.S, 0.0, 240.0);
    c.L = std::clamp(c.L, 0.0, 240.0);
    return c;
}

double HueChannel(double m1, double m2, double h) {
    if (h < 0) h += 240;
    if (h > 240) h -= 240;
    if (h < 40) return m1 + ((m2 - m1) * h + 20) / 40;
    if (h < 120) return m2;
    if (h < 160) return m1 + ((m2 - m1) * (160 - h) + 20) / 40;
    return m1;
}

void FromHsl(const Hsl& c, double& r, double& g, double& b) {
    if (c.S == 0) {
        r = g = b = RoundEven(c.L * 255 / 240);
        return;
    }
    const double m2 =
        c.L <= 120 ? (c.L * (240 + c.S) + 120) / 240 : c.L + c.S - (c.L * c.S + 120) / 240;
    const double m1 = 2 * c.L - m2;
    r = RoundEven((HueChannel(m1, m2, c.H + 80) * 255 + 120) / 240);
    g = RoundEven((HueChannel(m1, m2, c.H) * 255 + 120) / 240);
    b = RoundEven((HueChannel(m1, m2, c.H - 80) * 255 + 120) / 240);
}

// Bilinear value of one channel (stride apart, rowStride per row) at x0 + fx, y0 + fy; the
// neighbour past the last column or row repeats the edge. First along y, then along x.
double Bilinear(const uint8_t* plane, int stride, int width, int height, int x0, int y0, double fx,
                double fy) {
    const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
    auto at = [&](int x, int y) {
        return static_cast<double>(plane[(static_cast<size_t>(y) * width + x) * stride]);
    };
    const double left = at(x0, y0) * (1 - fy) + at(x0, y1) * fy;
    const double right = at(x1, y0) * (1 - fy) + at(x1, y1) * fy;
    return left * (1 - fx) + right * fx;
}

// Coordinates a rounding error away from a whole pixel are taken as that pixel, so turns by
// multiples of 90 degrees move pixels exactly instead of blending in a 1e-16 of a neighbour.
double Snap(double v) {
    const double whole = std::round(v);
    return std::fabs(v - whole) < 1e-9 ? whole : v;
}

void SampleBilinear(const TImage& src, double sx, double sy, uint8_t* bgr, uint8_t* alpha) {
    const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
    const double fx = sx - x0, fy = sy - y0;
    for (int c = 0; c < 3; ++c) {
        bgr[c] = static_cast<uint8_t>(Clamp255(
            std::trunc(Bilinear(src.Bgr.data() + c, 3, src.Width, src.Height, x0, y0, fx, fy))));
    }
    if (alpha && src.HasAlpha) {
        *alpha = static_cast<uint8_t>(Clamp255(
            std::trunc(Bilinear(src.Alpha.data(), 1, src.Width, src.Height, x0, y0, fx, fy))));
    }
}

// For each target index, the source indexes that round onto it (Round(k * factor) = j).
std::vector<std::vector<int>> RoundGroups(int sourceCount, int targetCount, double factor) {
    std::vector<std::vector<int>> groups(static_cast<size_t>(targetCount));
    for (int k = 0; k < sourceCount; ++k) {
        const double j = RoundEven(k * factor);
        if (j >= 0 && j < targetCount) groups[static_cast<size_t>(j)].push_back(k);
    }
    // A target no source rounds onto (growing in this direction) takes its nearest source.
    for (int j = 0; j < targetCount; ++j) {
        if (groups[j].empty()) {
            groups[j].push_back(
                std::clamp(static_cast<int>(RoundEven(j / factor)), 0, sourceCount - 1));
        }
    }
    return groups;
}

void ScaleByAveraging(const TImage& src, TImage& out, double fx, double fy) {
    const int channels = src.HasAlpha ? 4 : 3;
    const auto rowGroups = RoundGroups(src.Height, out.Height, fy);
    const auto colGroups = RoundGroups(src.Width, out.Width, fx);
    auto value = [&](int x, int y, int c) {
        return static_cast<double>(c < 3 ? src.Pixel(x, y)[c]
                                         : src.Alpha[static_cast<size_t>(y) * src.Width + x]);
    };
    for (int i = 0; i < out.Height; ++i) {
        for (int j = 0; j < out.Width; ++j) {
            double total[4] = {0, 0, 0, 0};
            double rowWeights = 0;
            for (int r : rowGroups[i]) {
                double rowTotal[4] = {0, 0, 0, 0};
                double colWeights = 0;
                for (int k : colGroups[j]) {
                    double w = RoundEven(std::fabs(k * fx - j) * 100);
                    if (w == 0) w = 100;
                    for (int c = 0; c < channels; ++c)
                        rowTotal[c] += value(k, r, c) * w;
                    colWeights += w;
                }
                double w = RoundEven(std::fabs(r * fy - i) * 100);
                if (w == 0) w = 1;
                for (int c = 0; c < channels; ++c)
                    total[c] += RoundEven(rowTotal[c] / colWeights) * w;
                rowWeights += w;
            }
            for (int c = 0; c < channels; ++c) {
                const auto v = static_cast<uint8_t>(Clamp255(RoundEven(total[c] / rowWeights)));
                if (c < 3) {
                    out.Pixel(j, i)[c] = v;
                } else {
                    out.Alpha[static_cast<size_t>(i) * out.Width + j] = v;
                }
            }
        }
    }
}

} // namespace

void FlipRows(TImage& image) {
    for (int top = 0, bottom = image.Height - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(image.Pixel(0, top), image.Pixel(0, top) + image.Width * 3,
                         image.Pixel(0, bottom));
        if (image.HasAlpha) {
            auto* a = &image.Alpha[static_cast<size_t>(top) * image.Width];
            std::swap_ranges(a, a + image.Width,
                             &image.Alpha[static_cast<size_t>(bottom) * image.Width]);
        }
    }
}

void FlipColumns(TImage& image) {
    for (int y = 0; y < image.Height; ++y) {
        for (int l = 0, r = image.Width - 1; l < r; ++l, --r) {
            std::swap_ranges(image.Pixel(l, y), image.Pixel(l, y) + 3, image.Pixel(r, y));
            if (image.HasAlpha) {
                const size_t row = static_cast<size_t>(y) * image.Width;
                std::swap(image.Alpha[row + l], image.Alpha[row + r]);
            }
        }
    }
}

void ChangeHue(TImage& image, int hue, int saturationAttr, int lightnessAttr) {
    const size_t n = image.PixelCount();
    for (size_t i = 0; i < n; ++i) {
        uint8_t* p = &image.Bgr[i * 3];
        // The model reads the first stored byte as red and the third as blue.
        Hsl c = ToHsl(p[0], p[1], p[2]);
        c.H += hue;
        c.L += saturationAttr;
        c.S += lightnessAttr;
        double r, g, b;
        FromHsl(c, r, g, b);
        p[0] = static_cast<uint8_t>(Clamp255(r));
        p[1] = static_cast<uint8_t>(Clamp255(g));
        p[2] = static_cast<uint8_t>(Clamp255(b));
    }
}

void RotateImage(TImage& image, double cx, double cy, double degrees) {
    if (image.Empty()) return;
    const double a = degrees / 180 * M_PI;
    const double cosA = std::cos(a), sinA = std::sin(a);
    TImage out = TImage::Blank(image.Width, image.Height);
    out.EnsureAlpha(0);
    for (int i = 0; i < image.Height; ++i) {
        for (int j = 0; j < image.Width; ++j) {
            const double sx = Snap(cosA * (j - cx) - sinA * (i - cy) + cx);
            const double sy = Snap(sinA * (j - cx) + cosA * (i - cy) + cy);
            if (sx < 0 || sx > image.Width - 1 || sy < 0 || sy > image.Height - 1) continue;
            uint8_t* alpha = &out.Alpha[static_cast<size_t>(i) * out.Width + j];
            *alpha = 255;
            SampleBilinear(image, sx, sy, out.Pixel(j, i), alpha);
        }
    }
    image = std::move(out);
}

void ScaleImage(TImage& image, int width, int height) {
    if (image.Empty() || width <= 0 || height <= 0 || width > MaxImageSide ||
        height > MaxImageSide) {
        return;
    }
    const double fx = static_cast<double>(width) / image.Width;
    const double fy = static_cast<double>(height) / image.Height;
    TImage out = TImage::Blank(width, height);
    if (image.HasAlpha) out.EnsureAlpha(0);
    if (fx >= 1 && fy >= 1) {
        for (int i = 0; i < height; ++i) {
            for (int j = 0; j < width; ++j) {
                uint8_t* alpha =
                    out.HasAlpha ? &out.Alpha[static_cast<size_t>(i) * width + j] : nullptr;
                SampleBilinear(image, j / fx, i / fy, out.Pixel(j, i), alpha);
            }
        }
    } else {
        ScaleByAveraging(image, out, fx, fy);
    }
    image = std::move(out);
}

void CropImage(TImage& image, int left, int top, int width, int height) {
    if (width <= 0 || height <= 0 || width > MaxImageSide || height > MaxImageSide) return;
    TImage out = TImage::Blank(width, height);
    if (image.HasAlpha) out.EnsureAlpha(0);
    for (int y = 0; y < height; ++y) {
        const int sy = top + y;
        if (sy < 0 || sy >= image.Height) continue;
        for (int x = 0; x < width; ++x) {
            const int sx = left + x;
            if (sx < 0 || sx >= image.Width) continue;
            std::copy_n(image.Pixel(sx, sy), 3, out.Pixel(x, y));
            if (image.HasAlpha) {
                out.Alpha[static_cast<size_t>(y) * width + x] =
                    image.Alpha[static_cast<size_t>(sy) * image.Width + sx];
            }
        }
    }
    image = std::move(out);
}
