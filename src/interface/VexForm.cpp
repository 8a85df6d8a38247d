#include "interface/VexForm.h"

#include "interface/VexInterfaceEngine.h"

const TVexPropList& TVexForm::StaticProperties() {
    static const TVexPropList list =
        TVexPropBuilder<TVexForm>(TVexInterfaceObject::StaticProperties()).Build();
    return list;
}

const TVexPropList& TVexTabForm::StaticProperties() {
    static const TVexPropList list = TVexPropBuilder<TVexTabForm>(TVexForm::StaticProperties())
                                         .Int("TabGroup", &TVexTabForm::TabGroup)
                                         .Build();
    return list;
}

void TVexTabForm::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                       int32_t tag, const std::string& name) {
    TVexForm::Init(parent, parentName, owner, tag, name);
    TabGroup = -1;
}

void TVexTabForm::SetVisible(bool value) {
    if (value && TabGroup != -1 && Engine) {
        for (auto& o : Engine->FVexObjects) {
            auto* page = dynamic_cast<TVexTabForm*>(o.get());
            if (page && page->ClassName() == StaticClassName && page->TabGroup == TabGroup)
                page->Visible = false;
        }
    }
    Visible = value;
}
