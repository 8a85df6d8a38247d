#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"
#include "main/levels/LevelLoader.h"

class TVexGrid;
class TVexEdit;

// Interface objects and windows by name. A name that finds nothing does nothing.
class IFlowWidgets {
  public:
    virtual ~IFlowWidgets() = default;
    virtual void SetCaption(const std::string& label, const std::string& text) = 0;
    // The label's colour and its normal colour (0x00BBGGRR).
    virtual void SetColor(const std::string& label, int32_t colour) = 0;
    virtual void SetVisible(const std::string& name, bool visible) = 0;
    // The edit takes the typed characters.
    virtual void SetFocused(const std::string& edit) = 0;
    // Checks the radio button after clearing every other of its group.
    virtual void SelectRadio(const std::string& name) = 0;
    virtual void ShowModal(const std::string& window) = 0;
    virtual void HideModal(const std::string& window) = 0;
    virtual void ChangeModal(const std::string& window) = 0;
    // Gives the label the picture at its size, centred in its parent; positions recomputed.
    virtual void ShowPicture(const std::string& label, const std::string& image, TPoint size) = 0;
    // The lists and name fields of the save, load and score windows; null when missing.
    virtual TVexGrid* Grid(const std::string& name) = 0;
    virtual TVexEdit* Edit(const std::string& name) = 0;
};

// What the game flow asks of the rest of the game besides the interface objects: sound, the
// screen, the level loader, saving and closing. Every request has a do-nothing default.
class IFlowHost {
  public:
    virtual ~IFlowHost() = default;
    virtual uint32_t Now() { return 0; }
    virtual void StopAllAudio() {}
    // Stops all audio and plays the named music.
    virtual void PlayMusic(const std::string& name) { (void)name; }
    virtual void RebuildBackground() {}
    // The surface catalogue frees the level images no longer used and loads the new ones.
    virtual void ResolveSurfaces() {}
    // Empties the per-level state (rules, level objects, running sprites).
    virtual void ResetLevel(uint32_t now) { (void)now; }
    // Loads a level file of the levels archive; false when it is not there.
    virtual bool LoadLevel(const std::string& fileName, const TLevelSkills& skills, uint32_t now) {
        return (void)fileName, (void)skills, (void)now, false;
    }
    // The level a playing demo was recorded on (its file's first line).
    virtual std::string DemoLevelName() { return {}; }
    // Loads an image of the levels archive; its size, or 0 x 0 when it does not exist.
    virtual TPoint LoadLevelImage(const std::string& name) { return (void)name, TPoint{}; }
    // The automatic save after a finished level; a failure is reported, the flow goes on.
    // The game relies on these, so they have no do-nothing default.
    virtual bool SavesFolderExists() = 0;
    virtual void AutoSave() = 0;
    // The name offered for the high-score table, and the one typed there kept for next time.
    virtual std::string PlayerName() = 0;
    virtual void StorePlayerName(const std::string& name) = 0;
    // The one-time introductory hints count as shown (a loaded game shows none).
    virtual void SkipIntroHints() = 0;
    // A failure the player must hear of (a file that could not be written).
    virtual void ShowError(const std::string& text) = 0;
    virtual void WriteSettings() {}
    virtual void CloseProgram() {}
    virtual void DebugLog(const std::string& line) { (void)line; }
};
