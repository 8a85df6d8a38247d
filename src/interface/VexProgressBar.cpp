#include "interface/VexProgressBar.h"

#include <algorithm>
#include <cmath>

#include "interface/VexGraphic.h"
#include "interface/VexInterfaceEngine.h"

const TVexPropList& TVexProgressBar::StaticProperties() {
    using C = TVexProgressBar;
    static const TVexPropList list = TVexPropBuilder<C>(TVexInterfaceObject::StaticProperties())
                                         .Int("Min", &C::Min)
                                         .Int("Max", &C::Max)
                                         .Int("Position", &C::Position)
                                         .Int("StepWidth", &C::StepWidth)
                                         .Int("BarShiftX", &C::BarShiftX)
                                         .Int("BarShiftY", &C::BarShiftY)
                                         .Int("BarWidth", &C::BarWidth)
                                         .Build();
    return list;
}

void TVexProgressBar::Init(TVexObject* parent, const std::string& parentName,
                           TVexMethodTable* owner, int32_t tag, const std::string& name) {
    TVexInterfaceObject::Init(parent, parentName, owner, tag, name);
    StepWidth = 10;
    Max = 100;
    Min = 0;
    BarWidth = 100;
    BarShiftX = 34;
    BarShiftY = 103;
    Position = 50;
}

int TVexProgressBar::StepCount() const {
    if (Max == Min || StepWidth <= 0 || BarWidth <= 0) return 0;
    const double full = static_cast<double>(BarWidth) / StepWidth;
    const double steps =
        full * (static_cast<double>(Position) - Min) / (static_cast<double>(Max) - Min);
    // A position outside Min..Max must not draw past the bar (or millions of steps).
    const double clamped = std::clamp(steps, 0.0, std::nearbyint(full));
    return static_cast<int>(std::nearbyint(clamped)); // the default rounding: halves to even
}

void TVexProgressBar::Paint() {
    DrawCurrentPicture();
    IVexGraphic* g = Graphic();
    const std::string step = PictureField(Picture, 2);
    if (!g || step.empty()) return;
    const int n = StepCount();
    for (int k = 0; k < n; ++k)
        g->Draw(step, OriginLeft + BarShiftX + k * StepWidth, OriginTop + BarShiftY);
}
