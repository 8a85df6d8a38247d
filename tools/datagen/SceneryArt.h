#pragma once

class TContentArchive;

// Level scenery in the squares archive: far layers (skies, hills, tree lines), board pictures
// whose opaque parts block squares (boulders, stumps, brambles) and the rain images.
void AddSceneryArt(TContentArchive& squares);
