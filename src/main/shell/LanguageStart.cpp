#include "main/shell/LanguageStart.h"

#include <algorithm>
#include <filesystem>

#include "archive/SFunctions.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexInterfaceObject.h"
#include "interface/VexRadioButton.h"

namespace fs = std::filesystem;

std::string CheckedLanguage(const TVexInterfaceEngine& ui) {
    const std::string suffix = "WLanguage";
    for (const auto& object : ui.FVexObjects) {
        const auto* radio = dynamic_cast<const TVexRadioButton*>(object.get());
        if (!radio || !radio->Checked || !radio->Parent || radio->Parent->Name != suffix) continue;
        const std::string& name = radio->Name;
        if (name.size() > suffix.size() + 1 && name[0] == 'R' && name.ends_with(suffix))
            return name.substr(1, name.size() - suffix.size() - 1);
    }
    return "";
}

std::vector<TLanguageFile> TLanguageStart::ListFiles() const {
    std::vector<TLanguageFile> files;
    std::error_code ec;
    if (!fs::is_directory(folder_, ec)) return files;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 3 || name.substr(name.size() - 3) != "lng") continue;
        TLanguageFile f;
        f.Path = entry.path().string();
        f.Code = name.substr(0, 3);
        f.Order = StrToIntVal(TextBetween(name, "_", "."));
        files.push_back(f);
    }
    std::sort(files.begin(), files.end(),
              [](const TLanguageFile& a, const TLanguageFile& b) { return a.Path < b.Path; });
    return files;
}

void TLanguageStart::SetupLanguageWindow() {
    std::vector<TLanguageFile> files = ListFiles();
    int placed = 0;
    while (!files.empty()) {
        auto first = std::min_element(files.begin(), files.end(), [](const auto& a, const auto& b) {
            return a.Order < b.Order;
        });
        if (LowerCase(first->Code) != "enu") {
            const std::string name = "R" + UpperCase(first->Code) + "WLanguage";
            ui_.DuplicateObject("RENUWLanguage", name);
            if (auto* copy = ui_.FindInterfaceObject(name)) {
                ++placed;
                copy->Top += 30 * placed;
                copy->OriginTop += 30 * placed;
            }
        }
        files.erase(first);
    }
    // Each language is offered under its own name, in its own letters.
    for (const TLanguageFile& f : ListFiles()) {
        try {
            ui_.ApplyLanguageObject(f.Path, "R" + UpperCase(f.Code) + "WLanguage");
        } catch (const std::exception&) {
            // An unreadable file keeps the borrowed name; applying it reports the fault.
        }
    }
}

void TLanguageStart::ApplyLanguage() {
    std::error_code ec;
    if (!fs::is_directory(folder_, ec)) return;
    for (const TLanguageFile& f : ListFiles()) {
        if (!SameText(f.Code, current_)) continue;
        ui_.RestoreProperties();
        ui_.LoadLanguage(f.Path);
    }
    auto* radio = dynamic_cast<TVexRadioButton*>(
        ui_.FindInterfaceObject("R" + UpperCase(current_) + "WLanguage"));
    if (radio) radio->SetChecked(true);
}
