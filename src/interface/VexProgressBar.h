#pragma once
#include "interface/VexInterfaceObject.h"

// A stepped progress bar: the background (picture field 1) and one step picture (field 2)
// per StepWidth pixels of progress.
class TVexProgressBar : public TVexInterfaceObject {
    VEX_CLASS(TVexProgressBar)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void Paint() override;
    // round(BarWidth / StepWidth x (Position - Min) / (Max - Min)), halves to even, kept
    // within the bar; 0 when Max equals Min or StepWidth is not positive.
    int StepCount() const;

    int32_t Min = 0, Max = 0, Position = 0, StepWidth = 0, BarShiftX = 0, BarShiftY = 0,
            BarWidth = 0;
};
