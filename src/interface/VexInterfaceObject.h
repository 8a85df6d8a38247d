#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "interface/VexObject.h"

class TVexInterfaceEngine;
class TVexFont;
class IVexGraphic;

enum class THAlign { haNone, haLeft, haCenter, haRight };
enum class TVAlign { vaNone, vaTop, vaCenter, vaBottom };

// The events that carry command lists.
enum class TVexEventKind { MouseDown = 0, MouseMove = 1, MouseUp = 2, KeyDown = 3 };

// The n-th (from 1) ";"-separated field of a list; empty when there is none.
std::string PictureField(const std::string& list, int n);

// Anything placed on the screen: position and size, pictures, alignment within the parent,
// sounds and command lists for its events.
class TVexInterfaceObject : public TVexObject {
    VEX_CLASS(TVexInterfaceObject)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    virtual void Paint();
    virtual void MouseMove(int x, int y);
    virtual void MouseUp(int button, int x, int y);
    virtual void MouseDown(int button, int x, int y);
    virtual void KeyPress(unsigned char ch);
    virtual void KeyDown(int key, unsigned shift);
    virtual void SetVisible(bool value) { Visible = value; }

    void SetPicture(const std::string& value);
    void SelectPictureField(int n) { CurrentPicture = PictureField(Picture, n); }
    void SetHAlign(THAlign value);
    void SetVAlign(TVAlign value);
    void SetShiftX(int32_t value);
    void SetShiftY(int32_t value);
    void FireEvent(TVexEventKind kind);
    void PlaySoundNamed(const std::string& name);

    // Strict on all four sides: the border pixels are outside.
    bool HitTest(int x, int y) const;
    // Own and parent's Visible: the condition for reacting to the mouse.
    bool CanReact() const;
    TVexInterfaceObject* ParentObject() const;

    const std::vector<std::string>& Commands(TVexEventKind kind) const {
        return commands_[static_cast<int>(kind)];
    }
    // The owner recorded by Init with the event lists.
    TVexMethodTable* EventOwner() const { return owner_; }

    TVexInterfaceEngine* Engine = nullptr;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Picture;
    std::string CurrentPicture;
    int32_t OriginLeft = 0, OriginTop = 0;
    bool Autosize = false;
    bool Visible = false;
    THAlign HAlign = THAlign::haNone;
    TVAlign VAlign = TVAlign::vaNone;
    int32_t ShiftX = 0, ShiftY = 0;
    std::string SoundOnMDown, SoundOnMMove, SoundOnMUp;

  protected:
    IVexGraphic* Graphic() const;
    TVexFont* FindFont(const std::string& name) const;
    void DrawCurrentPicture();

  private:
    void AddCommand(TVexEventKind kind, const std::string& command, bool keepEmpty);
    std::string CommandListText(TVexEventKind kind) const;
    static void AddCommandProperty(TVexPropBuilder<TVexInterfaceObject>& b, const char* name,
                                   TVexEventKind kind, bool keepEmpty);

    std::vector<std::string> commands_[4];
    TVexMethodTable* owner_ = nullptr;
};
