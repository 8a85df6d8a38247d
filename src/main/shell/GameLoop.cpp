#include "main/shell/GameLoop.h"

#include <exception>

template <typename Action> void TGameLoop::Guarded(Action action) {
    try {
        action();
    } catch (const std::exception& e) {
        // No frames while the box is up; the game resumes where it was afterwards.
        bool wasInstalled = form_.IdleInstalled();
        form_.RemoveIdle();
        host_.ShowMessage("Quorrel", e.what());
        if (wasInstalled) form_.InstallIdle();
    }
}

bool TGameLoop::RunOnce() {
    PlatformEvent event;
    while (!form_.Closing() && host_.PollEvent(event))
        Guarded([&] { form_.HandleEvent(event); });
    Guarded([&] { form_.ProcessMessages(); });
    if (form_.Closing()) return false;
    if (form_.IdleInstalled())
        Guarded([&] { form_.Idle(); });
    else
        host_.WaitEvent(50); // inactive: sleep until something happens
    return !form_.Closing();
}

void TGameLoop::Run() {
    while (RunOnce()) {
    }
}
