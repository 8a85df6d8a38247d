#pragma once
#include <string>

#include "main/rules/Geometry.h"

class TFileFolder;
class IGameHost;

// Reads "FishCombinations.dat" and the four table files plus the raw piece types of the
// prefix from the squares archive, builds the piece types and registers their images.
// Missing entries raise the archive's GameError.
void LoadGeometry(TGeometry& geometry, TFileFolder& squares, const std::string& prefix,
                  IGameHost& host);
constexpr const char* CombinationsFile = "FishCombinations.dat";
// How far a stamp's cells may lie from its top-left, in pixels: well beyond any board.
constexpr int MaxStampOffset = 100000;
// The combination table from the text of "FishCombinations.dat". A cell farther than
// MaxStampOffset raises GameError naming its line.
std::vector<TFishCombination> ParseFishCombinations(const std::string& text);
// Appends the two- and three-square types and registers their images and the rain images.
void AddBuiltinFishkaTypes(TGeometry& geometry, IGameHost& host);
