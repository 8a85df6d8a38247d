#pragma once

class IDisplay;
class TFileFolder;
class TSurfEngine;

// Opening the display for the game's 800 x 600 frame: at the configured depth, and when that
// is refused at 16 bits per pixel. Returns false when neither can be had.
bool OpenGameDisplay(IDisplay& display, int bitsPerPixel, bool fullScreen);

// The switch between window and full screen, or to another colour depth: the engine lets go
// of its surfaces, the display is closed and opened again (falling back to 16 bits), and
// every surface is rebuilt at the new depth from the two archives ("MemorySurface" and
// "Background" come back blank). Returns false, with the engine left detached, when no
// display could be opened.
bool SwitchGameDisplay(TSurfEngine& engine, IDisplay& display, int bitsPerPixel, bool fullScreen,
                       TFileFolder& archive1, TFileFolder& archive2);
