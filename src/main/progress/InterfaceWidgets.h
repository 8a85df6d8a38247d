#pragma once
#include "main/progress/FlowHost.h"

class TVexInterfaceEngine;

// The flow's interface objects and windows, found by name in the interface engine.
class TInterfaceWidgets : public IFlowWidgets {
  public:
    explicit TInterfaceWidgets(TVexInterfaceEngine& engine) : engine_(engine) {}

    void SetCaption(const std::string& label, const std::string& text) override;
    void SetColor(const std::string& label, int32_t colour) override;
    void SetVisible(const std::string& name, bool visible) override;
    void SetFocused(const std::string& edit) override;
    void SelectRadio(const std::string& name) override;
    void ShowModal(const std::string& window) override;
    void HideModal(const std::string& window) override;
    void ChangeModal(const std::string& window) override;
    void ShowPicture(const std::string& label, const std::string& image, TPoint size) override;
    TVexGrid* Grid(const std::string& name) override;
    TVexEdit* Edit(const std::string& name) override;

  private:
    TVexInterfaceEngine& engine_;
};
