#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/DebugLog.h"
#include "interface/VexClassReg.h"
#include "interface/VexDefaults.h"
#include "interface/VexObject.h"
#include "markup/VexParser.h"

class IVexGraphic;
class TMemoryStream;
class TVexFontEngine;
class TVexForm;
class TVexInterfaceObject;
class TVexMethodTable;

// The interface: objects made from the interface file, the window stack, event broadcast to
// the top window, the command language of event properties and language overlays.
class TVexInterfaceEngine : public TVexEngine {
  public:
    // Fonts are not owned; the log receives the faults the loader swallows and commands that
    // name missing objects (a null log forgets them).
    explicit TVexInterfaceEngine(TVexFontEngine* fonts, IDebugLog* log = nullptr);
    ~TVexInterfaceEngine() override;

    // The five loading passes. Faults in the file's shape stop object creation quietly (noted
    // in the log); an unknown property or a bad value throws GameError.
    void LoadInterface(TMemoryStream& stream);
    void LoadInterfaceText(const std::string& text);
    void CreateVexInterfaceObjects();
    void AttachWidgetsToWindows();
    void ApplyDefaultLine(const std::string& line);
    void ApplyProperties(bool languageMode);

    // Makes an object at run time, with Init and the engine's default lines.
    TVexObject* CreateObject(const std::string& parentName, TVexMethodTable* owner,
                             const std::string& className);
    TVexInterfaceObject* FindInterfaceObject(const std::string& name) const;
    TVexForm* FindForm(const std::string& name) const;

    void DrawAll(const std::string& ignored = "");
    void MouseMove(int x, int y);
    void MouseDown(int button, int x, int y);
    void MouseUp(int button, int x, int y);
    void KeyDown(int key, unsigned shift);
    void KeyPress(unsigned char ch);

    void ShowModal(const std::string& name);
    void HideModal(const std::string& name);
    void ChangeModal(const std::string& name);
    TVexForm* TopWindow() const { return ModalStack.empty() ? nullptr : ModalStack.back(); }

    void ProcessCommands();
    void ComputeOrigins(TVexInterfaceObject* object, int x, int y);
    void ComputeOrigins(const std::string& name, int x, int y);
    void DuplicateObject(const std::string& srcName, const std::string& destName);
    void LoadLanguage(const std::string& fileName);
    void LoadLanguageText(const std::string& text);
    void RestoreProperties();
    // The properties one object has in a language file, set outside that language's own pass
    // and not put back by RestoreProperties: each language names itself in its own words.
    void ApplyLanguageObject(const std::string& fileName, const std::string& objectName);

    struct TCommand {
        std::string ObjectName;
        TVexMethodTable* Owner = nullptr;
        std::string Command;
    };
    struct TSavedProperty {
        std::string ObjectName, PropName, Value;
    };

    IVexGraphic* Graphic = nullptr;
    TVexParser Parser;
    TVexDefaults Defaults;
    TVexFontEngine* Fonts = nullptr;
    TVexClassReg ClassReg;
    std::vector<TVexForm*> ModalStack;
    std::vector<TCommand> CommandQueue;
    TVexMethodTable* Owner = nullptr;
    std::vector<TSavedProperty> SavedProperties;
    bool MouseHeld = false;

  private:
    void Log(const std::string& message);
    void CreateFromObjectTag(const TVexXMLTag& o);
    TVexObject* CreateFromFile(const std::string& className, const std::string& parentName,
                               const std::string& name);
    void ApplyObjectTag(const TVexXMLTag& o, bool languageMode);
    void AttachToWindow(TVexInterfaceObject& object);
    void ResetTopButtons();
    template <class F> void Broadcast(F&& f);
    void RunCommand(const std::string& command);
    void ComputeOriginsFrom(TVexInterfaceObject& object, int x, int y, int depth);

    TNullDebugLog nullLog_;
    IDebugLog* log_;
};
