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
// The combination table from the text of "FishCombinations.dat".
std::vector<TFishCombination> ParseFishCombinations(const std::string& text);
// Appends the two- and three-square types and registers their images and the rain images.
void AddBuiltinFishkaTypes(TGeometry& geometry, IGameHost& host);
