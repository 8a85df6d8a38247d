#include "interface/VexInterfaceEngine.h"

#include "archive/GameError.h"
#include "archive/MemoryStream.h"
#include "interface/VexFont.h"
#include "interface/VexForm.h"
#include "interface/VexInterfaceObject.h"

namespace {

const std::string CreatePrefix = "[TVexInterfaceEngine.CreateVexInterfaceObjects] ";

} // namespace

TVexInterfaceEngine::TVexInterfaceEngine(TVexFontEngine* fonts, IDebugLog* log)
    : Fonts(fonts), log_(log ? log : &nullLog_) {}

TVexInterfaceEngine::~TVexInterfaceEngine() = default;

void TVexInterfaceEngine::Log(const std::string& message) {
    log_->Write(message);
}

void TVexInterfaceEngine::LoadInterface(TMemoryStream& stream) {
    Parser.LoadFromStream(stream);
    CreateVexInterfaceObjects();
    FixParentIntoFVexObjects();
    AttachWidgetsToWindows();
    ApplyProperties(false);
}

void TVexInterfaceEngine::LoadInterfaceText(const std::string& text) {
    TMemoryStream stream(text);
    LoadInterface(stream);
}

// A fault in the file's shape stops object creation there: what was made before stays.
void TVexInterfaceEngine::CreateVexInterfaceObjects() {
    try {
        if (Parser.Tags.empty()) throw GameError(CreatePrefix + "XML file does not has tags!");
        const TVexXMLTag& root = *Parser.Tags[0];
        if (root.Tags.empty()) return;
        if (root.Name != "VexInterface")
            throw GameError(CreatePrefix + "XML file does not has \"VexInterface\" tag!");
        // By index: default lines add property tags to the tree while it is walked.
        for (size_t i = 0; i < root.Tags.size(); ++i)
            CreateFromObjectTag(*root.Tags[i]);
    } catch (const GameError& e) {
        Log(e.what());
    }
}

void TVexInterfaceEngine::CreateFromObjectTag(const TVexXMLTag& o) {
    if (o.Name != "o") throw GameError(CreatePrefix + "VexInterface XML file contains wrong tag!");
    if (o.Attributes.size() != 1)
        throw GameError(CreatePrefix + "Tag <o> has wrong number of attributes!");
    if (o.Attributes[0]->Name != "c")
        throw GameError(CreatePrefix + "Tag <o> does not has \"c\" attribute!");
    if (o.Tags.empty()) throw GameError(CreatePrefix + "Tag <o> does not has subtags!");
    const std::string className = o.Attributes[0]->Value;
    const bool defaults = className == TVexDefaults::StaticClassName;
    const std::string prefix = CreatePrefix + "[ClassName:" + className + "] ";
    std::string parentName, name;
    for (size_t k = 0; k < o.Tags.size(); ++k) {
        const TVexXMLTag& p = *o.Tags[k];
        if (p.Name != "p") throw GameError(prefix + "Tag <o> contains wrong subtag!");
        if (p.Attributes.size() != 1)
            throw GameError(prefix + "Tag <p> has wrong number of attributes!");
        if (p.Attributes[0]->Name != "n")
            throw GameError(prefix + "Tag <p> does not has \"n\" attribute!");
        const std::string& prop = p.Attributes[0]->Value;
        if (defaults) {
            if (prop != "DefLine")
                throw GameError(prefix + "Tag <p> has wrong \"n\" attribute value!");
            ApplyDefaultLine(p.Text);
        } else if (prop == "ParentName") {
            parentName = p.Text;
        } else if (prop == "Name") {
            name = p.Text;
        }
    }
    if (defaults) return; // its lines have done their work in the tree
    if (parentName.empty() || name.empty())
        throw GameError(prefix + "Attribute <n> does not has Name: \"ParentName\" or \"Name\"!");
    CreateFromFile(className, parentName, name);
}

TVexObject* TVexInterfaceEngine::CreateFromFile(const std::string& className,
                                                const std::string& parentName,
                                                const std::string& name) {
    const TVexClassReg::TClassInfo* info = ClassReg.Find(className);
    if (!info)
        throw GameError(CreatePrefix + "[ClassName:" + className + "] Class is not registered!");
    const int index = AddArrayItem();
    FVexObjects[index] = info->Create();
    TVexObject& object = *FVexObjects[index];
    if (auto* io = dynamic_cast<TVexInterfaceObject*>(&object)) io->Engine = this;
    SetPropValue(object, "ParentName", parentName);
    SetPropValue(object, "Name", name);
    return &object;
}

void TVexInterfaceEngine::AttachToWindow(TVexInterfaceObject& object) {
    // Up the parent chain to the window; a chain longer than the list is a loop.
    TVexObject* p = object.Parent;
    for (int steps = 0; p && steps <= Count(); ++steps, p = p->Parent) {
        if (p->ClassName() == TVexForm::StaticClassName) {
            static_cast<TVexForm*>(p)->Children.push_back(&object);
            return;
        }
    }
    Log("[TVexInterfaceEngine] \"" + object.Name + "\" belongs to no window.");
}

void TVexInterfaceEngine::AttachWidgetsToWindows() {
    for (int i = 1; i < Count(); ++i) {
        auto* object = dynamic_cast<TVexInterfaceObject*>(FVexObjects[i].get());
        if (!object || object->ClassName() == TVexForm::StaticClassName ||
            object->ParentName == "VexScreen")
            continue;
        AttachToWindow(*object);
    }
}

// Adds the default to every object of exactly that class that does not set the property
// itself, before and after the defaults object alike; the first default line wins.
void TVexInterfaceEngine::ApplyDefaultLine(const std::string& line) {
    TVexDefLine def;
    if (!DefLinePars(line, def)) {
        Log("[TVexInterfaceEngine.ApplyDefaultLine] DefLine does not have 3 parameters!");
        return;
    }
    if (Parser.Tags.empty()) return;
    TVexXMLTag& root = *Parser.Tags[0];
    for (auto& oPtr : root.Tags) {
        TVexXMLTag& o = *oPtr;
        if (o.Name != "o" || o.Attributes.empty() || o.Attributes[0]->Name != "c" ||
            o.Attributes[0]->Value != def.ClassName || o.Tags.empty())
            continue;
        bool present = false;
        for (const auto& p : o.Tags)
            if (p->Name == "p" && !p->Attributes.empty() && p->Attributes[0]->Name == "n" &&
                p->Attributes[0]->Value == def.PropName)
                present = true;
        if (present) continue;
        TVexXMLTag& p = o.AddTag("p");
        p.AddAttribute("n", def.PropName);
        p.SetText(def.Value);
    }
}

TVexObject* TVexInterfaceEngine::CreateObject(const std::string& parentName, TVexMethodTable* owner,
                                              const std::string& className) {
    TVexObject* parent = FindVexObjectByName(parentName);
    const TVexClassReg::TClassInfo* info = ClassReg.Find(className);
    if (!info)
        throw GameError("[TVexInterfaceEngine.CreateObject] Class \"" + className +
                        "\" is not registered!");
    const int index = AddArrayItem();
    FVexObjects[index] = info->Create();
    TVexObject& object = *FVexObjects[index];
    auto* io = dynamic_cast<TVexInterfaceObject*>(&object);
    if (io) io->Engine = this;
    object.Init(parent, parentName, owner, index,
                std::string(info->Name).substr(1) + std::to_string(index));
    if (index != 0)
        for (const TVexDefLine& d : Defaults.Lines)
            if (d.ClassName == object.ClassName()) SetPropValue(object, d.PropName, d.Value);
    if (io && object.ClassName() != TVexForm::StaticClassName && object.Name != "VexScreen" &&
        parentName != "VexScreen")
        AttachToWindow(*io);
    return &object;
}

TVexInterfaceObject* TVexInterfaceEngine::FindInterfaceObject(const std::string& name) const {
    return dynamic_cast<TVexInterfaceObject*>(FindVexObjectByName(name));
}

TVexForm* TVexInterfaceEngine::FindForm(const std::string& name) const {
    return dynamic_cast<TVexForm*>(FindVexObjectByName(name));
}
