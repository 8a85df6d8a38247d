#include "main/shell/ShellGraphic.h"

#include "graphics/SurfEngine.h"
#include "interface/VexFont.h"

namespace {
const std::string Frame = "MemorySurface";
}

void TShellGraphic::Draw(const std::string& picture, int x, int y) {
    surfaces_.DrawAlpha(picture, Frame, x, y, 255);
}

void TShellGraphic::DrawRect(const std::string& picture, const TRect& rect, int x, int y) {
    surfaces_.DrawAlpha(picture, Frame, x, y, 255, rect);
}

void TShellGraphic::DrawColored(const std::string& picture, uint32_t colour, int x, int y) {
    surfaces_.DrawAlpha(picture, Frame, x, y, 255, std::nullopt, colour, 1);
}

void TShellGraphic::DrawText(int x, int y, const std::string& text, int, int, uint32_t colour,
                             const std::string& charSet, const std::string& font,
                             const std::string&) {
    const TVexCharSet* set = fonts_.FindCharSet(font, charSet);
    if (!set) return;
    surfaces_.DrawFontText(text, set->Picture, set->Metric, 1, colour, 255, y, x, Frame);
}

void TShellGraphic::VexPlaySound(const std::string& name) {
    if (play_) play_(name);
}

TPoint TShellGraphic::PictureSize(const std::string& picture) {
    const int i = surfaces_.FindSurface(picture);
    if (i < 0) return {};
    return {surfaces_.Record(i).Width, surfaces_.Record(i).Height};
}
