#pragma once
#include <cairo.h>

#include <functional>
#include <string>

#include "Style.h"

class TCanvas;
class TContentArchive;

// The place and light of one chapter: 1 the forest edge at dusk, 2 a rainy marsh, 3 a mountain
// pass at night, 4 an old grove at dawn under snow.
struct TChapterLook {
    int Number;
    TColor SkyTop, SkyMid, SkyLow; // the sky from its top down to the horizon
    TColor Sun;                    // the glow on the horizon (the moon's light at night)
    TColor Far, Near;              // distant and near land
    TColor Shade;                  // silhouettes of the middle layer
    TColor Rim;                    // light caught on the sky-facing edges of silhouettes
    TColor Haze;                   // mist, cloud and snow veils
    TColor Wood, WoodDark;         // bark of the chapter's trees
    TColor Stone;                  // the chapter's rock, lit
    bool Snow;                     // snow lies on tops and ledges
};

const TChapterLook& ChapterLook(int chapter);

// The archive and catalogue name of a chapter's picture: ChapterFile(2, "Sky") is "C2Sky.png".
std::string ChapterFile(int chapter, const std::string& part);
void AddChapterImage(TContentArchive& squares, int chapter, const std::string& part,
                     TCanvas& canvas);
// Board pictures block every square an opaque pixel touches: pixels fainter than minAlpha are
// cleared, so a picture blocks only where the player sees something.
void ClearFaintPixels(TCanvas& canvas, int minAlpha);
// Draws three times, a period apart vertically, so what leaves the top comes back at the
// bottom: a column of the same tile joins seamlessly.
void DrawWrapped(cairo_t* cr, double period, const std::function<void()>& draw);
// Snow lying on the current path's upper side: the path is filled white down to depth pixels
// below its top edge (the path itself is kept).
void SnowCap(cairo_t* cr, double depth, uint32_t seed);

// The parts, one file each.
void AddChapterSky(TContentArchive& squares, const TChapterLook& look);
void AddChapterTiles(TContentArchive& squares, const TChapterLook& look);
void AddChapterBlocks(TContentArchive& squares, const TChapterLook& look);
void AddChapterCritters(TContentArchive& squares, const TChapterLook& look);
void AddChapterSeal(TContentArchive& squares, const TChapterLook& look);
