#pragma once
#include <string>

#include "main/progress/GameFlow.h"
#include "main/progress/HighScores.h"

// The high-score window and the name entry of the final score: the table is read at start,
// grows by one entry after every finished game and is written to "HighScores.dat" each time.
class THighScoreWindow {
  public:
    static constexpr int32_t NewEntryColour = 0xFFFFFF;

    THighScoreWindow(TGameFlow& flow, IFlowWidgets& widgets, IFlowHost& host, std::string path)
        : flow_(flow), widgets_(widgets), host_(host), path_(std::move(path)) {}

    THighScores& Table() { return table_; }
    void Load() { table_.Load(path_); }

    // The finished game's score under the typed name; the table shows it in white, and the
    // title is back behind it.
    void BOkWGameFinishedDialogMouseUp();
    void BScoresWTitleMouseUp();
    void BUpWHighScoresMouseUp() { Scroll(-1); }
    void BDownWHighScoresMouseUp() { Scroll(+1); }
    void BOkWClearDialogMouseUp();

    template <class TTable> void RegisterHandlers(TTable& table);

  private:
    void FillGrid();
    void Scroll(int step);

    TGameFlow& flow_;
    IFlowWidgets& widgets_;
    IFlowHost& host_;
    std::string path_;
    THighScores table_;
};

template <class TTable> void THighScoreWindow::RegisterHandlers(TTable& table) {
    auto add = [&table](const std::string& name, auto method) {
        table.RegisterMethod(name, method);
    };
    add("BOkWGameFinishedDialogMouseUp", [this] { BOkWGameFinishedDialogMouseUp(); });
    add("BScoresWTitleMouseUp", [this] { BScoresWTitleMouseUp(); });
    add("BUpWHighScoresMouseUp", [this] { BUpWHighScoresMouseUp(); });
    add("BDownWHighScoresMouseUp", [this] { BDownWHighScoresMouseUp(); });
    add("BOkWClearDialogMouseUp", [this] { BOkWClearDialogMouseUp(); });
}
