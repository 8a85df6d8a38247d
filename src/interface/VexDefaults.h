#pragma once
#include <string>
#include <vector>

#include "interface/VexObject.h"

// Default lines: "class;property;value" (the value is everything after the second ";").
struct TVexDefLine {
    std::string ClassName, PropName, Value;
};
// Splits a default line; false when it has fewer than two ";".
bool DefLinePars(const std::string& line, TVexDefLine& out);

class TVexDefaults : public TVexObject {
    VEX_CLASS(TVexDefaults)

    void SetDefLine(const std::string& line);
    std::vector<TVexDefLine> Lines;
};
