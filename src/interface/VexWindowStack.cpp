// The window stack, event broadcast to the top window and painting.
#include "interface/VexButton.h"
#include "interface/VexForm.h"
#include "interface/VexInterfaceEngine.h"

void TVexInterfaceEngine::ResetTopButtons() {
    TVexForm* top = TopWindow();
    if (!top) return;
    for (TVexInterfaceObject* child : top->Children)
        if (child->ClassName() == TVexButton::StaticClassName)
            static_cast<TVexButton*>(child)->ResetLook();
}

void TVexInterfaceEngine::ShowModal(const std::string& name) {
    if (TopWindow() && TopWindow()->Name == name) return;
    ResetTopButtons();
    if (TopWindow()) TopWindow()->Active = false;
    TVexForm* window = FindForm(name);
    if (!window) return;
    window->Visible = true;
    window->Active = true;
    ModalStack.push_back(window);
}

void TVexInterfaceEngine::HideModal(const std::string& name) {
    ResetTopButtons();
    size_t i = 0;
    while (i < ModalStack.size() && ModalStack[i]->Name != name)
        ++i;
    if (i == ModalStack.size()) return;
    for (size_t k = i; k < ModalStack.size(); ++k) {
        ModalStack[k]->Visible = false;
        ModalStack[k]->Active = false;
    }
    ModalStack.resize(i);
    if (TopWindow()) TopWindow()->Active = true;
}

void TVexInterfaceEngine::ChangeModal(const std::string& name) {
    ResetTopButtons();
    for (TVexForm* window : ModalStack) {
        window->Active = false;
        window->SetVisible(false);
    }
    ModalStack.clear();
    ShowModal(name);
}

// Only the top window's widgets hear events; each decides by its own hit test. The list is
// walked by index: nothing a widget does while handling may invalidate it.
template <class F> void TVexInterfaceEngine::Broadcast(F&& f) {
    TVexForm* top = TopWindow();
    if (!top) return;
    for (size_t i = 0; i < top->Children.size(); ++i)
        f(*top->Children[i]);
}

void TVexInterfaceEngine::MouseMove(int x, int y) {
    Broadcast([&](TVexInterfaceObject& o) { o.MouseMove(x, y); });
}

void TVexInterfaceEngine::MouseDown(int button, int x, int y) {
    CommandQueue.clear();
    Broadcast([&](TVexInterfaceObject& o) { o.MouseDown(button, x, y); });
    ProcessCommands();
}

void TVexInterfaceEngine::MouseUp(int button, int x, int y) {
    CommandQueue.clear();
    Broadcast([&](TVexInterfaceObject& o) { o.MouseUp(button, x, y); });
    ProcessCommands();
}

void TVexInterfaceEngine::KeyDown(int key, unsigned shift) {
    Broadcast([&](TVexInterfaceObject& o) { o.KeyDown(key, shift); });
    ProcessCommands();
}

void TVexInterfaceEngine::KeyPress(unsigned char ch) {
    Broadcast([&](TVexInterfaceObject& o) { o.KeyPress(ch); });
}

void TVexInterfaceEngine::DrawAll(const std::string&) {
    for (size_t w = 0; w < ModalStack.size(); ++w) {
        TVexForm& window = *ModalStack[w];
        if (window.Visible) window.Paint();
        for (TVexInterfaceObject* child : window.Children) {
            const TVexInterfaceObject* parent = child->ParentObject();
            if (child->Visible && (!parent || parent->Visible)) child->Paint();
        }
    }
}

void TVexInterfaceEngine::ComputeOrigins(const std::string& name, int x, int y) {
    if (TVexInterfaceObject* o = FindInterfaceObject(name)) ComputeOrigins(o, x, y);
}

void TVexInterfaceEngine::ComputeOrigins(TVexInterfaceObject* object, int x, int y) {
    if (object) ComputeOriginsFrom(*object, x, y, 0);
}

void TVexInterfaceEngine::ComputeOriginsFrom(TVexInterfaceObject& object, int x, int y, int depth) {
    // Parent names that loop back (a names b, b names a) would recurse for ever.
    if (depth > Count()) return;
    for (int i = 1; i < Count(); ++i) {
        auto* child = dynamic_cast<TVexInterfaceObject*>(FVexObjects[i].get());
        if (!child || child == &object || child->ParentName != object.Name) continue;
        child->OriginLeft = x + object.Left + child->Left;
        child->OriginTop = y + object.Top + child->Top;
        ComputeOriginsFrom(*child, x + object.Left, y + object.Top, depth + 1);
    }
}
