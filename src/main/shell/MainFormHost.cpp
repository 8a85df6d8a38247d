// What the rules and the interface ask of the main form.
#include "graphics/ResourceList.h"
#include "graphics/SurfEngine.h"
#include "interface/VexLabel.h"
#include "main/effects/EffectList.h"
#include "main/effects/EffectRuntime.h"
#include "main/shell/MainForm.h"

void TMainForm::StartEffect(const std::string& type, TPoint point, int piece1, int piece2) {
    effectRuntime_->StartEffect(type, point, piece1, piece2, platform_.Clock.Now());
}

void TMainForm::StopPieceEffect(const std::string& type, int piece) {
    if (EffectListOf(*surfaces_).StopPieceEffect(type, piece)) RebuildBackground();
}

void TMainForm::PieceRemoved(int index) {
    EffectListOf(*surfaces_).PieceRemoved(index);
}

void TMainForm::PlayMusic(const std::string& name) {
    audio_.ChangeMusic(name);
}

void TMainForm::ShowHint(const std::string& label, uint32_t durationMs) {
    renderer_->ShowHint(label, durationMs, platform_.Clock.Now());
}

void TMainForm::SetCaption(const std::string& label, const std::string& text) {
    if (auto* l = dynamic_cast<TVexLabel*>(interface_.FindInterfaceObject(label)))
        l->SetCaption(text);
}

void TMainForm::SetVisible(const std::string& name, bool visible) {
    if (auto* o = interface_.FindInterfaceObject(name)) o->SetVisible(visible);
}

void TMainForm::SetButtonPicture(const std::string& name, int which) {
    if (auto* o = interface_.FindInterfaceObject(name)) o->SelectPictureField(which + 1);
}

void TMainForm::RebuildBackground() {
    if (surfaces_->FindSurface("Background") < 0) return;
    renderer_->RebuildBackground(platform_.Clock.Now());
}

void TMainForm::ShowWindow(const std::string& name) {
    interface_.ShowModal(name);
}

void TMainForm::RegisterImage(const std::string& name, const std::string& file) {
    resources_->RegisterResource(name, file, 2, UserPath("temp/squares.zxc"));
}

TPoint TMainForm::ImageSize(const std::string& name) {
    return graphic_->PictureSize(name);
}

// The handlers the interface file may name that belong to the form itself.
void TMainForm::RegisterPublishedHandlers() {
    methods_.RegisterMethod("YesMouseUp", [] {});
    methods_.RegisterMethod("StartMouseUp", [] {});
    methods_.RegisterMethod("QuitMouseUp", [this] { Close(); });
}
