#include "interface/VexDefaults.h"

#include "archive/SFunctions.h"

bool DefLinePars(const std::string& line, TVexDefLine& out) {
    const size_t first = line.find(';');
    if (first == std::string::npos) return false;
    const size_t second = line.find(';', first + 1);
    if (second == std::string::npos) return false;
    out.ClassName = Trim(line.substr(0, first));
    out.PropName = Trim(line.substr(first + 1, second - first - 1));
    out.Value = line.substr(second + 1);
    return true;
}

const TVexPropList& TVexDefaults::StaticProperties() {
    static const TVexPropList list =
        TVexPropBuilder<TVexDefaults>(TVexObject::StaticProperties())
            .Custom("DefLine", TVexPropType::String, {},
                    [](TVexDefaults& d, const std::string& v) { d.SetDefLine(v); })
            .Build();
    return list;
}

void TVexDefaults::SetDefLine(const std::string& line) {
    TVexDefLine entry;
    // A line without its three parts would apply nothing; it is not kept.
    if (DefLinePars(line, entry)) Lines.push_back(entry);
}
