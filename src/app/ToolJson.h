#pragma once
#include <string>

#include "main/progress/Progression.h"

class TVexInterfaceEngine;

// The JSON the tool prints of the game: the progression values a saved game holds, and the
// objects of an interface window as a script needs them to click and check.
std::string ProgressJson(const TProgression& values);
// Every object inside the window (all depths, in creation order) with its screen position,
// size, visibility and caption; check boxes and radio buttons add "checked", grids
// "firstRow" and "cells". An unknown window gives an empty list.
std::string WindowJson(const TVexInterfaceEngine& engine, const std::string& window);
