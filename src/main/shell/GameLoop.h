#pragma once
#include "main/shell/MainForm.h"

// The one thread of the game: events, the form's own messages, then a frame whenever the idle
// handler is installed. Any exception that escapes is shown in a message box and the game
// goes on.
class TGameLoop {
  public:
    TGameLoop(TMainForm& form, IWindowHost& host) : form_(form), host_(host) {}

    // Delivers every waiting event and message and runs at most one frame. False once the
    // form is closing.
    bool RunOnce();
    void Run();

  private:
    template <typename Action> void Guarded(Action action);

    TMainForm& form_;
    IWindowHost& host_;
};
