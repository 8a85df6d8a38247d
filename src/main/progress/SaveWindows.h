#pragma once
#include <string>

#include "main/progress/GameFlow.h"
#include "main/progress/SaveFolder.h"

// The load and save windows with their two questions: the lists of saved games, saving
// under a name (asking before replacing one), loading into the between-level menu, deleting.
class TSaveWindows {
  public:
    TSaveWindows(TGameFlow& flow, TGame& game, IFlowWidgets& widgets, IFlowHost& host,
                 std::string savesFolder)
        : flow_(flow), game_(game), widgets_(widgets), host_(host),
          folder_(std::move(savesFolder)) {}

    const TSaveFolder& Folder() const { return folder_; }
    // The game as it stands, to a file of the folder. Throws GameError when it cannot.
    void SaveTo(const std::string& path);

    void BLoadWTitleMouseUp() { FillList(Load); }
    void BSaveWBetweenLevelMenuMouseUp() { FillList(Save); }
    void GridWLoadMouseDown() { CopySelected(Load); }
    void GridWSaveMouseDown() { CopySelected(Save); }
    void BUpWLoadMouseUp() { Scroll(Load, -1); }
    void BDownWLoadMouseUp() { Scroll(Load, +1); }
    void BUpWSaveMouseUp() { Scroll(Save, -1); }
    void BDownWSaveMouseUp() { Scroll(Save, +1); }
    void BLoadWLoadMouseUp();
    void BSaveWSaveMouseUp();
    void BOkWReplaceGameDialogMouseUp();
    void BDeleteWLoadMouseUp() { AskDelete(Load); }
    void BDeleteWSaveMouseUp() { AskDelete(Save); }
    void BOkWDeleteGameDialogMouseUp();

    template <class TTable> void RegisterHandlers(TTable& table);

  private:
    struct TWindow {
        const char* Name;
        const char* Grid;
        const char* Edit;
    };
    static constexpr TWindow Load{"WLoad", "GridWLoad", "EditWLoad"};
    static constexpr TWindow Save{"WSave", "GridWSave", "EditWSave"};

    void FillList(const TWindow& window);
    void CopySelected(const TWindow& window);
    void Scroll(const TWindow& window, int step);
    void AskDelete(const TWindow& window);
    // The name in the window's edit, and the code page it is typed in.
    std::string Typed(const TWindow& window) const;
    std::string CodePage(const TWindow& window) const;
    void Saved();
    void ShowLoadedGame();

    TGameFlow& flow_;
    TGame& game_;
    IFlowWidgets& widgets_;
    IFlowHost& host_;
    TSaveFolder folder_;
    std::string pendingDelete_; // the file the delete question is about
};

template <class TTable> void TSaveWindows::RegisterHandlers(TTable& table) {
    auto add = [&table](const std::string& name, auto method) {
        table.RegisterMethod(name, method);
    };
    add("BLoadWTitleMouseUp", [this] { BLoadWTitleMouseUp(); });
    add("BSaveWBetweenLevelMenuMouseUp", [this] { BSaveWBetweenLevelMenuMouseUp(); });
    add("GridWLoadMouseDown", [this] { GridWLoadMouseDown(); });
    add("GridWLoadKeyDown", [this] { GridWLoadMouseDown(); });
    add("GridWSaveMouseDown", [this] { GridWSaveMouseDown(); });
    add("GridWSaveKeyDown", [this] { GridWSaveMouseDown(); });
    add("BUpWLoadMouseUp", [this] { BUpWLoadMouseUp(); });
    add("BDownWLoadMouseUp", [this] { BDownWLoadMouseUp(); });
    add("BUpWSaveMouseUp", [this] { BUpWSaveMouseUp(); });
    add("BDownWSaveMouseUp", [this] { BDownWSaveMouseUp(); });
    add("BLoadWLoadMouseUp", [this] { BLoadWLoadMouseUp(); });
    add("BSaveWSaveMouseUp", [this] { BSaveWSaveMouseUp(); });
    add("BOkWReplaceGameDialogMouseUp", [this] { BOkWReplaceGameDialogMouseUp(); });
    add("BDeleteWLoadMouseUp", [this] { BDeleteWLoadMouseUp(); });
    add("BDeleteWSaveMouseUp", [this] { BDeleteWSaveMouseUp(); });
    add("BOkWDeleteGameDialogMouseUp", [this] { BOkWDeleteGameDialogMouseUp(); });
}
