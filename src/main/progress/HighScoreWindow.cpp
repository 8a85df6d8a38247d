#include "main/progress/HighScoreWindow.h"

#include <filesystem>

#include "interface/VexEdit.h"
#include "interface/VexGrid.h"

namespace {
constexpr const char* GridName = "GridWHighScores";
constexpr int FirstEntryRow = 2; // row 1 is the header of the interface file
} // namespace

void THighScoreWindow::FillGrid() {
    TVexGrid* grid = widgets_.Grid(GridName);
    if (!grid) return;
    int row = FirstEntryRow;
    for (const THighScore& e : table_.Entries) {
        grid->SetCellText(row, 1, std::to_string(row - 1) + ".");
        grid->SetCellText(row, 2, e.Name);
        grid->SetCellText(row, 3, std::to_string(e.Score));
        ++row;
    }
}

void THighScoreWindow::BOkWGameFinishedDialogMouseUp() {
    const int totalScore = flow_.Values.TotalScore;
    const TVexEdit* edit = widgets_.Edit("EditWGameFinishedDialogue");
    const std::string name = THighScores::CleanName(edit ? edit->Caption : std::string());
    host_.StorePlayerName(name);
    const int position = table_.Insert(name, totalScore);
    if (TVexGrid* grid = widgets_.Grid(GridName)) {
        FillGrid();
        for (int col = 0; col < grid->ColCount; ++col) {
            const size_t cell =
                static_cast<size_t>(position + FirstEntryRow - 1) * grid->ColCount + col;
            if (cell < grid->CellArray.size()) grid->CellArray[cell].Color = NewEntryColour;
        }
        grid->SetFirstRowNum(position < grid->VisibleRowCount ? 0 : position - 5);
    }
    try {
        table_.Save(path_);
    } catch (const std::exception& e) {
        // The entry stays in the table for this run; the player is told it was not kept.
        host_.DebugLog(e.what());
        host_.ShowError(e.what());
    }
    host_.PlayMusic(TGameFlow::MenuMusic);
    flow_.BackToTitle();
}

void THighScoreWindow::BScoresWTitleMouseUp() {
    FillGrid();
    if (TVexGrid* grid = widgets_.Grid(GridName)) grid->SetFirstRowNum(0);
}

void THighScoreWindow::Scroll(int step) {
    if (TVexGrid* grid = widgets_.Grid(GridName)) grid->SetFirstRowNum(grid->FirstRowNum + step);
}

void THighScoreWindow::BOkWClearDialogMouseUp() {
    table_.Clear();
    std::error_code ec;
    if (!std::filesystem::remove(path_, ec) && ec)
        host_.DebugLog("Cannot delete " + path_ + ": " + ec.message());
    TVexGrid* grid = widgets_.Grid(GridName);
    if (!grid || grid->RowCount <= 1) return;
    for (int row = FirstEntryRow; row <= grid->RowCount; ++row)
        for (int col = 1; col <= 3; ++col)
            grid->SetCellText(row, col, "");
}
