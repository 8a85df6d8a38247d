// Properties from the interface file and language overlays, and object duplication.
#include <algorithm>

#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "interface/VexForm.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexInterfaceObject.h"

namespace {

bool IsPropertyTag(const TVexXMLTag& p) {
    return p.Name == "p" && p.Attributes.size() == 1 && p.Attributes[0]->Name == "n";
}

} // namespace

void TVexInterfaceEngine::ApplyProperties(bool languageMode) {
    if (Parser.Tags.empty() || Parser.Tags[0]->Name != "VexInterface") return;
    const TVexXMLTag& root = *Parser.Tags[0];
    for (const auto& oPtr : root.Tags) {
        const TVexXMLTag& o = *oPtr;
        if (o.Name != "o" || o.Tags.empty()) continue;
        // A malformed object ends the whole pass; no later object is applied.
        if (!std::all_of(o.Tags.begin(), o.Tags.end(),
                         [](const auto& p) { return IsPropertyTag(*p); }))
            return;
        ApplyObjectTag(o, languageMode);
    }
}

void TVexInterfaceEngine::ApplyObjectTag(const TVexXMLTag& o, bool languageMode) {
    std::string name;
    for (const auto& p : o.Tags)
        if (p->Attributes[0]->Value == "Name") name = p->Text;
    const int index = FindIdxVexObjectByName(name);
    if (index < 0) return;
    TVexObject& object = *FVexObjects[index];
    for (const auto& p : o.Tags) {
        const std::string& prop = p->Attributes[0]->Value;
        if (languageMode && prop != "Name") {
            const bool saved = std::any_of(
                SavedProperties.begin(), SavedProperties.end(), [&](const TSavedProperty& s) {
                    return s.ObjectName == object.Name && s.PropName == prop;
                });
            if (!saved) SavedProperties.push_back({object.Name, prop, GetPropValue(object, prop)});
        }
        SetPropValue(object, prop, p->Text);
    }
}

void TVexInterfaceEngine::LoadLanguage(const std::string& fileName) {
    Parser.ClearTags();
    Parser.LoadFromFile(fileName);
    ApplyProperties(true);
}

void TVexInterfaceEngine::LoadLanguageText(const std::string& text) {
    Parser.ClearTags();
    Parser.LoadFromText(text);
    ApplyProperties(true);
}

void TVexInterfaceEngine::ApplyLanguageObject(const std::string& fileName,
                                              const std::string& objectName) {
    TVexParser file;
    file.LoadFromFile(fileName);
    if (file.Tags.empty() || file.Tags[0]->Name != "VexInterface") return;
    for (const auto& o : file.Tags[0]->Tags) {
        if (o->Name != "o" || o->Tags.empty() ||
            !std::all_of(o->Tags.begin(), o->Tags.end(),
                         [](const auto& p) { return IsPropertyTag(*p); }))
            continue;
        const bool named = std::any_of(o->Tags.begin(), o->Tags.end(), [&](const auto& p) {
            return p->Attributes[0]->Value == "Name" && p->Text == objectName;
        });
        if (named) ApplyObjectTag(*o, false);
    }
}

// The first saved value of each property (the interface file's) is the one put back.
void TVexInterfaceEngine::RestoreProperties() {
    for (int i = 0; i < Count(); ++i) {
        TVexObject* object = FVexObjects[i].get();
        if (!object) continue;
        for (const TSavedProperty& s : SavedProperties)
            if (s.ObjectName == object->Name) SetPropValue(*object, s.PropName, s.Value);
    }
}

void TVexInterfaceEngine::DuplicateObject(const std::string& srcName, const std::string& destName) {
    const std::string prefix = "[TVexInterfaceEngine.DuplicateObject] ";
    if (FindIdxVexObjectByName(destName) >= 0) {
        Log(prefix + "DestObjectName is present!");
        return;
    }
    const TVexObject* source = FindVexObjectByName(srcName);
    if (!source) {
        Log(prefix + "SrcObjectName not found!");
        return;
    }
    const TVexClassReg::TClassInfo* info = ClassReg.Find(source->ClassName());
    const int index = AddArrayItem();
    FVexObjects[index] = info->Create();
    TVexObject& copy = *FVexObjects[index];
    auto* io = dynamic_cast<TVexInterfaceObject*>(&copy);
    if (io) io->Engine = this;
    copy.Parent = source->Parent;

    std::vector<const TVexPropInfo*> props;
    for (const TVexPropInfo& p : source->Properties())
        if (p.Get) props.push_back(&p);
    std::stable_sort(props.begin(), props.end(), [](const TVexPropInfo* a, const TVexPropInfo* b) {
        return LowerCase(a->Name) < LowerCase(b->Name);
    });
    for (const TVexPropInfo* p : props) {
        const std::string value = p->Get(*source);
        if (value.empty() || value[0] != '\x07') {
            p->Set(copy, value);
            continue;
        }
        // A command list: one command per line after the marker rebuilds it.
        for (const std::string& line : SplitLines(value.substr(1)))
            if (!line.empty()) p->Set(copy, line);
    }
    copy.Name = destName;
    // The copy joins the window of its parent (or the window above a parent widget).
    if (!io) return;
    TVexForm* window = FindForm(copy.ParentName);
    if (window && window->ClassName() == TVexForm::StaticClassName)
        window->Children.push_back(io);
    else
        AttachToWindow(*io);
}
