// JSON views of the game's state shared by the tool's commands.
#include <sstream>

#include "app/ToolJson.h"
#include "interface/VexCheckBox.h"
#include "interface/VexGrid.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexRadioButton.h"
#include "markup/MarkupJson.h"

std::string ProgressJson(const TProgression& v) {
    std::ostringstream j;
    auto flag = [](bool b) { return b ? "true" : "false"; };
    j << "{\"CurrentLevel\": " << v.CurrentLevel << ", \"TotalScore\": " << v.TotalScore
      << ", \"TotalHammerNum\": " << v.TotalHammerNum << ", \"TotalCapNum\": " << v.TotalCapNum
      << ", \"ExperiencePool\": " << v.ExperiencePool << ", \"PlusOtb\": " << v.PlusOtb
      << ", \"PlusLuck\": " << v.PlusLuck << ", \"PlusCap\": " << v.PlusCap
      << ", \"PlusLife\": " << v.PlusLife << ", \"PlusHammer\": " << v.PlusHammer
      << ", \"SkillOtb\": " << v.SkillOtb << ", \"SkillLuck\": " << v.SkillLuck
      << ", \"SkillLife\": " << v.SkillLife << ", \"NoLose\": " << flag(v.NoLose)
      << ", \"Easy\": " << flag(v.Easy) << ", \"Hard\": " << flag(v.Hard) << "}";
    return j.str();
}

namespace {

bool Inside(const TVexObject* o, const std::string& window) {
    for (const TVexObject* p = o->Parent; p; p = p->Parent)
        if (p->Name == window) return true;
    return false;
}

std::string GridJson(const TVexGrid& grid) {
    std::string j = ", \"firstRow\": " + std::to_string(grid.FirstRowNum) + ", \"cells\": [";
    const int cols = grid.ColCount > 0 ? grid.ColCount : 1;
    for (size_t i = 0; i < grid.CellArray.size(); ++i) {
        if (i % cols == 0)
            j += i ? "], [" : "[";
        else
            j += ", ";
        j += JsonString(grid.CellArray[i].Text);
    }
    return j + (grid.CellArray.empty() ? "]" : "]]");
}

std::string ObjectJson(const TVexInterfaceObject& o) {
    std::ostringstream j;
    const auto* label = dynamic_cast<const TVexLabel*>(&o);
    j << "{\"name\": " << JsonString(o.Name) << ", \"class\": " << JsonString(o.ClassName())
      << ", \"left\": " << o.OriginLeft << ", \"top\": " << o.OriginTop
      << ", \"width\": " << o.Width << ", \"height\": " << o.Height
      << ", \"visible\": " << (o.Visible ? "true" : "false")
      << ", \"caption\": " << JsonString(label ? label->Caption : std::string());
    if (const auto* box = dynamic_cast<const TVexCheckBox*>(&o))
        j << ", \"checked\": " << (box->Checked ? "true" : "false");
    if (const auto* radio = dynamic_cast<const TVexRadioButton*>(&o))
        j << ", \"checked\": " << (radio->Checked ? "true" : "false");
    if (const auto* grid = dynamic_cast<const TVexGrid*>(&o)) j << GridJson(*grid);
    j << "}";
    return j.str();
}

} // namespace

std::string WindowJson(const TVexInterfaceEngine& engine, const std::string& window) {
    std::string j = "[";
    for (const auto& object : engine.FVexObjects) {
        const auto* o = dynamic_cast<const TVexInterfaceObject*>(object.get());
        if (!o || !Inside(o, window)) continue;
        j += (j.size() > 1 ? ", " : "") + ObjectJson(*o);
    }
    return j + "]";
}
