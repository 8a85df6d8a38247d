#pragma once
#include <vector>

#include "interface/VexInterfaceObject.h"

// A window: its background picture and the widgets that belong to it (also those placed on
// other widgets of it). Only the top window of the stack is Active and receives input.
class TVexForm : public TVexInterfaceObject {
    VEX_CLASS(TVexForm)

    std::vector<TVexInterfaceObject*> Children; // not owned
    bool Active = false;
};

// A tab page: showing one page of a TabGroup hides the other pages of that group.
class TVexTabForm : public TVexForm {
    VEX_CLASS(TVexTabForm)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void MouseDown(int, int, int) override {}
    void SetVisible(bool value) override;

    int32_t TabGroup = 0;
};
