#include "interface/VexInterfaceObject.h"

#include <algorithm>

#include "interface/VexFont.h"
#include "interface/VexGraphic.h"
#include "interface/VexInterfaceEngine.h"

std::string PictureField(const std::string& list, int n) {
    size_t start = 0;
    for (int k = 1; k < n; ++k) {
        const size_t semi = list.find(';', start);
        if (semi == std::string::npos) return "";
        start = semi + 1;
    }
    const size_t end = list.find(';', start);
    return list.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void TVexInterfaceObject::AddCommandProperty(TVexPropBuilder<TVexInterfaceObject>& b,
                                             const char* name, TVexEventKind kind, bool keepEmpty) {
    b.Custom(
        name, TVexPropType::String,
        [kind](const TVexInterfaceObject& o) { return o.CommandListText(kind); },
        [kind, keepEmpty](TVexInterfaceObject& o, const std::string& v) {
            o.AddCommand(kind, v, keepEmpty);
        });
}

const TVexPropList& TVexInterfaceObject::StaticProperties() {
    static const TVexPropList list = [] {
        using C = TVexInterfaceObject;
        TVexPropBuilder<C> b(TVexObject::StaticProperties());
        b.Int("Left", &C::Left)
            .Int("Top", &C::Top)
            .Int("Width", &C::Width)
            .Int("Height", &C::Height)
            .Str("Picture", &C::Picture, &C::SetPicture)
            .Int("OriginLeft", &C::OriginLeft)
            .Int("OriginTop", &C::OriginTop)
            .Bool("Autosize", &C::Autosize)
            .Bool("Visible", &C::Visible, &C::SetVisible)
            .Enum("HAlign", &C::HAlign, {"haNone", "haLeft", "haCenter", "haRight"}, &C::SetHAlign)
            .Enum("VAlign", &C::VAlign, {"vaNone", "vaTop", "vaCenter", "vaBottom"}, &C::SetVAlign)
            .Int("ShiftX", &C::ShiftX, &C::SetShiftX)
            .Int("ShiftY", &C::ShiftY, &C::SetShiftY)
            .Str("SoundOnMDown", &C::SoundOnMDown)
            .Str("SoundOnMMove", &C::SoundOnMMove)
            .Str("SoundOnMUp", &C::SoundOnMUp);
        AddCommandProperty(b, "OnMouseDown", TVexEventKind::MouseDown, true);
        AddCommandProperty(b, "OnMouseMove", TVexEventKind::MouseMove, true);
        AddCommandProperty(b, "OnMouseUp", TVexEventKind::MouseUp, true);
        AddCommandProperty(b, "OnKeyDown", TVexEventKind::KeyDown, false);
        return b.Build();
    }();
    return list;
}

void TVexInterfaceObject::Init(TVexObject* parent, const std::string& parentName,
                               TVexMethodTable* owner, int32_t tag, const std::string& name) {
    TVexObject::Init(parent, parentName, owner, tag, name);
    const bool screen = Name == "VexScreen";
    Left = 0;
    Top = 0;
    Width = screen ? 800 : 100;
    Height = screen ? 600 : 100;
    SetPicture("");
    OriginLeft = 0;
    OriginTop = 0;
    Autosize = true;
    Visible = true;
    HAlign = THAlign::haNone;
    VAlign = TVAlign::vaNone;
    ShiftX = 0;
    ShiftY = 0;
    owner_ = owner;
}

void TVexInterfaceObject::AddCommand(TVexEventKind kind, const std::string& command,
                                     bool keepEmpty) {
    if (command.empty() && !keepEmpty) return;
    commands_[static_cast<int>(kind)].push_back(command);
}

// The form DuplicateObject relies on: character 7, then every command followed by CR LF.
std::string TVexInterfaceObject::CommandListText(TVexEventKind kind) const {
    std::string text = "\x07";
    for (const std::string& c : Commands(kind))
        text += c + "\r\n";
    return text;
}

void TVexInterfaceObject::SetPicture(const std::string& value) {
    Picture = value;
    CurrentPicture = PictureField(value, 1);
}

TVexInterfaceObject* TVexInterfaceObject::ParentObject() const {
    return dynamic_cast<TVexInterfaceObject*>(Parent);
}

void TVexInterfaceObject::SetHAlign(THAlign value) {
    const TVexInterfaceObject* parent = ParentObject();
    const int32_t parentWidth = parent ? parent->Width : 0;
    switch (value) {
    case THAlign::haNone:
        ShiftX = 0;
        break;
    case THAlign::haLeft:
        Left = ShiftX;
        break;
    case THAlign::haCenter:
        Left = parentWidth / 2 + ShiftX - Width / 2;
        break;
    case THAlign::haRight:
        Left = parentWidth + ShiftX - Width;
        break;
    }
    HAlign = value;
}

void TVexInterfaceObject::SetVAlign(TVAlign value) {
    const TVexInterfaceObject* parent = ParentObject();
    const int32_t parentHeight = parent ? parent->Height : 0;
    switch (value) {
    case TVAlign::vaNone:
        ShiftY = 0;
        break;
    case TVAlign::vaTop:
        Top = ShiftY;
        break;
    case TVAlign::vaCenter:
        Top = parentHeight / 2 + ShiftY - Height / 2;
        break;
    case TVAlign::vaBottom:
        Top = parentHeight + ShiftY - Height;
        break;
    }
    VAlign = value;
}

void TVexInterfaceObject::SetShiftX(int32_t value) {
    ShiftX = value;
    SetHAlign(HAlign);
}

void TVexInterfaceObject::SetShiftY(int32_t value) {
    ShiftY = value;
    SetVAlign(VAlign);
}

void TVexInterfaceObject::FireEvent(TVexEventKind kind) {
    if (!Engine) return;
    const auto& list = Commands(kind);
    const size_t count =
        kind == TVexEventKind::KeyDown ? std::min<size_t>(1, list.size()) : list.size();
    for (size_t i = 0; i < count; ++i)
        Engine->CommandQueue.push_back({Name, owner_, list[i]});
}

IVexGraphic* TVexInterfaceObject::Graphic() const {
    return Engine ? Engine->Graphic : nullptr;
}

void TVexInterfaceObject::PlaySoundNamed(const std::string& name) {
    if (IVexGraphic* g = Graphic(); g && !name.empty()) g->VexPlaySound(name);
}

TVexFont* TVexInterfaceObject::FindFont(const std::string& name) const {
    return Engine && Engine->Fonts ? Engine->Fonts->FindFont(name) : nullptr;
}

bool TVexInterfaceObject::HitTest(int x, int y) const {
    return OriginLeft < x && x < OriginLeft + Width && OriginTop < y && y < OriginTop + Height;
}

bool TVexInterfaceObject::CanReact() const {
    const TVexInterfaceObject* parent = ParentObject();
    return Visible && (!parent || parent->Visible);
}

void TVexInterfaceObject::DrawCurrentPicture() {
    if (IVexGraphic* g = Graphic(); g && !CurrentPicture.empty())
        g->Draw(CurrentPicture, OriginLeft, OriginTop);
}

void TVexInterfaceObject::Paint() {
    DrawCurrentPicture();
}
void TVexInterfaceObject::MouseMove(int, int) {}
void TVexInterfaceObject::MouseUp(int, int, int) {}
void TVexInterfaceObject::MouseDown(int, int, int) {}
void TVexInterfaceObject::KeyPress(unsigned char) {}
void TVexInterfaceObject::KeyDown(int, unsigned) {}
