#include "main/progress/SaveWindows.h"

#include <filesystem>

#include "archive/CodePages.h"
#include "archive/SafeFile.h"
#include "interface/VexEdit.h"
#include "interface/VexGrid.h"
#include "main/progress/SavedGame.h"

void TSaveWindows::SaveTo(const std::string& path) {
    SavedGame::Save(path, flow_.Values);
}

std::string TSaveWindows::Typed(const TWindow& window) const {
    const TVexEdit* edit = widgets_.Edit(window.Edit);
    return edit ? edit->Caption : std::string();
}

std::string TSaveWindows::CodePage(const TWindow& window) const {
    const TVexEdit* edit = widgets_.Edit(window.Edit);
    return CodePages::OfCharSet(edit ? edit->CharSet : std::string());
}

void TSaveWindows::FillList(const TWindow& window) {
    TVexGrid* grid = widgets_.Grid(window.Grid);
    if (!grid || !folder_.Exists()) return;
    int n = 0;
    for (const std::string& name : folder_.List(CodePage(window)))
        grid->SetCellText(++n, 1, name);
    // Rows of games deleted since the list was last filled.
    while (grid->RowCount > n) {
        const int before = grid->RowCount;
        grid->DeleteRow(n + 1);
        if (grid->RowCount == before) break;
    }
    // A list that has games always shows one chosen.
    if (grid->CursorRow < 0 && n > 0) grid->CursorRow = 0;
    CopySelected(window);
}

void TSaveWindows::CopySelected(const TWindow& window) {
    const TVexGrid* grid = widgets_.Grid(window.Grid);
    TVexEdit* edit = widgets_.Edit(window.Edit);
    if (!grid || !edit || grid->CursorRow == -1 || grid->CellArray.empty()) return;
    const int index = grid->CursorRow + grid->FirstRowNum;
    if (index >= static_cast<int>(grid->CellArray.size())) return;
    edit->SetCaption(grid->CellText(index));
    edit->CursorPos = static_cast<int>(edit->Caption.size());
}

void TSaveWindows::Scroll(const TWindow& window, int step) {
    if (TVexGrid* grid = widgets_.Grid(window.Grid)) grid->SetFirstRowNum(grid->FirstRowNum + step);
    CopySelected(window);
}

void TSaveWindows::BLoadWLoadMouseUp() {
    if (!widgets_.Edit(Load.Edit)) return;
    const std::string path = folder_.PathOf(Typed(Load), CodePage(Load));
    if (path.empty() || !FileExists(path)) return;
    if (!SavedGame::Load(path, flow_.Values)) return;
    ShowLoadedGame();
}

// The game resumes in the between-level menu before the saved level, with all its
// experience back in the pool to be spent again.
void TSaveWindows::ShowLoadedGame() {
    TProgression& v = flow_.Values;
    v.PlusLife = v.PlusOtb = v.PlusLuck = v.PlusCap = v.PlusHammer = 0;
    game_.HammerCount = v.TotalHammerNum;
    game_.ClipperCount = v.TotalCapNum;
    game_.Level.LevelScore = 0;
    flow_.SetDifficulty(v.NoLose ? pmNoLose : v.Easy ? pmEasy : v.Hard ? pmHard : pmNormal);
    flow_.RefreshGameLabels();
    flow_.RefreshBetweenLevelLabels();
    flow_.ShowLevelPage(v.CurrentLevel);
    flow_.ShowHeroPicture(v.CurrentLevel);
    game_.GameState = gsBetweenLevels;
    host_.SkipIntroHints();
    host_.RebuildBackground();
    widgets_.ChangeModal("WBetweenLevelMenu");
    host_.PlayMusic(TGameFlow::MenuMusic);
}

// A name the filter leaves empty names no file: nothing is written and the window stays.
// The replace question looks for the file that would really be written.
void TSaveWindows::BSaveWSaveMouseUp() {
    if (!widgets_.Edit(Save.Edit)) {
        widgets_.HideModal(Save.Name);
        return;
    }
    const std::string path = folder_.PathOf(SavedGame::FilterName(Typed(Save)), CodePage(Save));
    if (path.empty()) return;
    if (FileExists(path)) {
        widgets_.ShowModal("WReplaceGameDialog");
        return;
    }
    SaveTo(path);
    Saved();
}

void TSaveWindows::BOkWReplaceGameDialogMouseUp() {
    if (widgets_.Edit(Save.Edit)) {
        const std::string path = folder_.PathOf(SavedGame::FilterName(Typed(Save)), CodePage(Save));
        if (path.empty()) return;
        SaveTo(path);
    }
    Saved();
}

void TSaveWindows::Saved() {
    game_.HammerCount = flow_.Values.TotalHammerNum;
    game_.ClipperCount = flow_.Values.TotalCapNum;
    widgets_.HideModal(Save.Name);
}

// Only a game that is there is asked about.
void TSaveWindows::AskDelete(const TWindow& window) {
    pendingDelete_ = folder_.PathOf(Typed(window), CodePage(window));
    if (pendingDelete_.empty() || !FileExists(pendingDelete_)) {
        pendingDelete_.clear();
        return;
    }
    widgets_.SetCaption("LNameWDeleteGameDialog", Typed(window));
    widgets_.ShowModal("WDeleteGameDialog");
}

void TSaveWindows::BOkWDeleteGameDialogMouseUp() {
    if (!pendingDelete_.empty()) {
        std::error_code ec;
        if (!std::filesystem::remove(pendingDelete_, ec) && ec)
            host_.DebugLog("Cannot delete " + pendingDelete_ + ": " + ec.message());
        pendingDelete_.clear();
    }
    // The fields no longer name the game; the lists offer what is left.
    widgets_.SetCaption(Load.Edit, "");
    widgets_.SetCaption(Save.Edit, "");
    FillList(Load);
    FillList(Save);
}
