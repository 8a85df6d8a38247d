#pragma once

class TContentArchive;

// The scenery of the game's four chapters in the squares archive, named "C<n>..." per chapter
// n (skies, clouds, middle-layer tiles, board blocks, breakable barriers, small animations,
// flying creatures, seals), and the weather specks "Snowflake.png" and "Mote.png".
void AddChapterArt(TContentArchive& squares);
