#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"

// What the level loader and the level objects ask of the game beyond the rules' host: the
// loading window's bar and repaint, effects with a surface of their own, emitter clocks and
// the input's key sequences. Every request has a do-nothing default.
class ILevelHost {
  public:
    virtual ~ILevelHost() = default;
    // The loading window's bar ("ProgressBarWProgressBar"); false when it does not exist.
    virtual bool HasProgressBar() { return false; }
    virtual void SetProgress(int position) { (void)position; }
    // Background, interface windows, present: the player sees the bar move.
    virtual void RepaintScreen() {}
    // Starts an effect type at a point; a non-empty surface replaces the type's picture.
    // Returns false when the host does not start effects this way (the rules' host is used).
    virtual bool StartSurfaceEffect(const std::string& type, const std::string& surface,
                                    TPoint at) {
        (void)type, (void)surface, (void)at;
        return false;
    }
    // Every effect type with emitters starts its clock now.
    virtual void RestartEmitters(uint32_t now) { (void)now; }
    // The running sprites of the surface engine are dropped.
    virtual void ClearSprites() {}
    // The use counters of the play-time key sequences go back to 0.
    virtual void ResetKeySequences() {}
};
