#include "graphics/ImageScript.h"

#include <algorithm>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/Rect.h"
#include "archive/SFunctions.h"
#include "graphics/ImageCodecs.h"
#include "graphics/ImageOps.h"

namespace {

int StrictInt(const std::string& text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value)) throw GameError("'" + text + "' is not a valid integer value");
    return value;
}

int IntAttr(const std::string& line, const std::string& name, int fallback) {
    const std::string text = GetAttr(line, name);
    return text.empty() ? fallback : StrictInt(text);
}

// "a b c ..." as count strict integers.
void IntWords(const std::string& text, int count, int* out) {
    for (int k = 0; k < count; ++k)
        out[k] = StrictInt(GetWord(text, k + 1));
}

uint8_t ToByte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

class TScriptRun {
  public:
    TScriptRun(TFileFolder& archive, const std::string& name) : archive_(archive), name_(name) {}

    void Line(const std::string& line);
    TImage& Result() { return work_; }

  private:
    void AutoImage(const std::string& line);
    void AddImage(const std::string& line);
    void Compose(const TImage& add, const TRect& r, int left, int top, int value, const int tint[3],
                 int alfa);
    void MergeAlpha(const TImage& add, const TRect& r, int left, int top, int alfa);
    void Rotate(const std::string& line);
    void Crop(const std::string& line);
    // A canvas larger than a picture may be is refused before it is made.
    void CheckCanvas(int width, int height) const;

    TFileFolder& archive_;
    const std::string& name_;
    TImage work_;
    bool autosize_ = false;
    bool firstAdd_ = true;
    TRect rect_{0, 0, -1, -1}; // shared by AddImage's source rectangle and CropImage
};

void TScriptRun::Line(const std::string& line) {
    auto has = [&](const char* element) { return line.find(element) != std::string::npos; };
    if (has("<AutoImage ")) {
        AutoImage(line);
    } else if (has("<AddImage ")) {
        AddImage(line);
    } else if (has("<FlipImageHorizontal/>")) {
        FlipRows(work_);
    } else if (has("<FlipImageVertical/>")) {
        FlipColumns(work_);
    } else if (has("<ImageHueChange ")) {
        ChangeHue(work_, IntAttr(line, "hue", 0), IntAttr(line, "saturation", 0),
                  IntAttr(line, "lightness", 0));
    } else if (has("<RotateImage ")) {
        Rotate(line);
    } else if (has("<ScaleImage ")) {
        const int width = IntAttr(line, "width", work_.Width);
        const int height = IntAttr(line, "height", work_.Height);
        CheckCanvas(width, height);
        ScaleImage(work_, width, height);
    } else if (has("<CropImage ")) {
        Crop(line);
    }
}

void TScriptRun::AutoImage(const std::string& line) {
    autosize_ = LowerCase(GetAttr(line, "autosize")) == "true";
    if (autosize_) return;
    const int width = IntAttr(line, "width", 0), height = IntAttr(line, "height", 0);
    CheckCanvas(width, height);
    work_ = TImage::Blank(width, height);
}

void TScriptRun::CheckCanvas(int width, int height) const {
    if (width <= 0 || height <= 0 || ImageSizeAllowed(width, height)) return; // none: no cost
    throw GameError("Image script " + name_ + ": a canvas of " + ImageSizeRefusal(width, height));
}

void TScriptRun::AddImage(const std::string& line) {
    const std::string name = GetAttr(line, "name");
    TMemoryStream* stream = archive_.ReadIfPresent(name);
    if (!stream) throw GameError("File " + name + " does not exist in File Folder!");
    TImage add;
    std::string error;
    if (!DecodePng(stream->Data(), stream->Size(), add, error)) {
        throw GameError("Cannot load image " + name + " (" + error + ")");
    }
    const bool carriesAlpha = add.HasAlpha;
    add.EnsureAlpha(255);

    const std::string srcrect = GetAttr(line, "srcrect");
    TRect r{0, 0, add.Width - 1, add.Height - 1};
    if (!srcrect.empty()) IntWords(srcrect, 4, &r.Left);
    rect_ = r;
    int left = IntAttr(line, "left", 0), top = IntAttr(line, "top", 0);
    if (autosize_ && firstAdd_) {
        const int64_t w = int64_t{r.Right} - r.Left + 1, h = int64_t{r.Bottom} - r.Top + 1;
        if (w > 0 && h > 0 && !ImageSizeAllowed(w, h))
            throw GameError("Image script " + name_ + ": a canvas of " + ImageSizeRefusal(w, h));
        work_ = TImage::Blank(static_cast<int>(w), static_cast<int>(h));
        left = top = 0;
    }
    autosize_ = false;
    // Only the part of the rectangle that lies inside the added picture is read.
    TRect clipped{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, add.Width - 1),
                  std::min(r.Bottom, add.Height - 1)};
    left += clipped.Left - r.Left;
    top += clipped.Top - r.Top;

    const int value = IntAttr(line, "colorvalue", 0);
    int rgb[3] = {255, 255, 255};
    const std::string color = GetAttr(line, "color");
    if (!color.empty()) IntWords(color, 3, rgb);
    const int tint[3] = {rgb[2], rgb[1], rgb[0]}; // stored order blue, green, red
    const int alfa = std::clamp(IntAttr(line, "alfa", 255), 0, 255);

    Compose(add, clipped, left, top, value, tint, alfa);
    if (carriesAlpha) MergeAlpha(add, clipped, left, top, alfa);
    firstAdd_ = false;
}

void TScriptRun::Compose(const TImage& add, const TRect& r, int left, int top, int value,
                         const int tint[3], int alfa) {
    for (int row = r.Top; row <= r.Bottom; ++row) {
        const int ty = top + row - r.Top;
        if (ty < 0 || ty >= work_.Height) continue;
        for (int col = r.Left; col <= r.Right; ++col) {
            const int tx = left + col - r.Left;
            if (tx < 0 || tx >= work_.Width) continue;
            const int m = add.Alpha[static_cast<size_t>(row) * add.Width + col];
            if (m == 0) continue;
            const uint8_t* s = add.Pixel(col, row);
            uint8_t* d = work_.Pixel(tx, ty);
            if (m == 255 && alfa == 255 && value == 0) {
                std::copy_n(s, 3, d);
                continue;
            }
            const int h = (m * alfa) >> 8;
            for (int c = 0; c < 3; ++c) {
                int sv = s[c];
                if (value != 0) sv = ToByte(tint[c] + (((sv - tint[c]) * value) >> 8));
                d[c] =
                    firstAdd_ ? static_cast<uint8_t>(sv) : ToByte(((255 - h) * d[c] + h * sv) >> 8);
            }
        }
    }
}

void TScriptRun::MergeAlpha(const TImage& add, const TRect& r, int left, int top, int alfa) {
    if (firstAdd_) {
        work_.Alpha.assign(work_.PixelCount(), 0);
        work_.HasAlpha = true;
    } else {
        work_.EnsureAlpha(255);
    }
    for (int row = r.Top; row <= r.Bottom; ++row) {
        const int ty = top + row - r.Top;
        if (ty < 0 || ty >= work_.Height) continue;
        for (int col = r.Left; col <= r.Right; ++col) {
            const int tx = left + col - r.Left;
            if (tx < 0 || tx >= work_.Width) continue;
            int f = add.Alpha[static_cast<size_t>(row) * add.Width + col];
            if (alfa != 255) f = (f * alfa) >> 8;
            uint8_t& e = work_.Alpha[static_cast<size_t>(ty) * work_.Width + tx];
            if (f == 0 && e == 0) continue;
            e = ToByte(255 - (((255 - f) * (255 - e)) >> 8));
        }
    }
}

void TScriptRun::Rotate(const std::string& line) {
    const std::string x = GetAttr(line, "x"), y = GetAttr(line, "y");
    const double cx = x.empty() ? work_.Width / 2.0 : StrictInt(x);
    const double cy = y.empty() ? work_.Height / 2.0 : StrictInt(y);
    RotateImage(work_, cx, cy, IntAttr(line, "angle", 0));
}

void TScriptRun::Crop(const std::string& line) {
    const int left = IntAttr(line, "left", rect_.Left);
    const int top = IntAttr(line, "top", rect_.Top);
    const int width = IntAttr(line, "width", rect_.Right - rect_.Left + 1);
    const int height = IntAttr(line, "height", rect_.Bottom - rect_.Top + 1);
    CheckCanvas(width, height);
    rect_ = TRect{left, top, left + width - 1, top + height - 1};
    CropImage(work_, left, top, width, height);
}

} // namespace

TImage RunImageScript(const std::string& script, TFileFolder& archive, const std::string& name) {
    TScriptRun run(archive, name);
    for (const std::string& line : SplitLines(script))
        run.Line(line);
    return std::move(run.Result());
}
