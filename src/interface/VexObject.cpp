#include "interface/VexObject.h"

const TVexPropList& TVexObject::StaticProperties() {
    static const TVexPropList list = TVexPropBuilder<TVexObject>({})
                                         .Str("ParentName", &TVexObject::ParentName)
                                         .Str("Name", &TVexObject::Name)
                                         .Int("Tag", &TVexObject::Tag)
                                         .Build();
    return list;
}

void TVexObject::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable*,
                      int32_t tag, const std::string& name) {
    Parent = parent;
    ParentName = parentName;
    Tag = tag;
    Name = parentName == "Nil" ? "VexScreen" : name;
}

int TVexEngine::AddArrayItem() {
    FVexObjects.emplace_back();
    return Count() - 1;
}

void TVexEngine::Clear() {
    FVexObjects.clear();
}

int TVexEngine::FindIdxVexObjectByName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (FVexObjects[i] && FVexObjects[i]->Name == name) return i;
    return -1;
}

TVexObject* TVexEngine::FindVexObjectByName(const std::string& name) const {
    const int i = FindIdxVexObjectByName(name);
    return i < 0 ? nullptr : FVexObjects[i].get();
}

void TVexEngine::FixParentIntoFVexObjects() {
    for (auto& child : FVexObjects) {
        if (!child) continue;
        for (auto& parent : FVexObjects)
            if (parent && parent != child && child->ParentName == parent->Name)
                child->Parent = parent.get();
    }
}

std::string TVexEngine::GetClassName(const std::string& name) const {
    const TVexObject* o = FindVexObjectByName(name);
    return o ? o->ClassName() : std::string();
}
