#pragma once

class TContentArchive;

// The small pictures of the play screen: belt, tools, pointer, open-end lights and arrows,
// marks, hint bar, skill icons and the countdown mark.
void AddHudArt(TContentArchive& game);
