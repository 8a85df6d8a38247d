#pragma once
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The level files levels.dat lists, in play order.
inline std::vector<std::string> ShippedLevelList() {
    std::ifstream list(std::string(QUORREL_SOURCE_DIR) + "/data/squares/levels.dat");
    std::vector<std::string> levels;
    std::string line, name;
    while (std::getline(list, line))
        if (std::istringstream(line) >> name) levels.push_back(name);
    return levels;
}
