#include "interface/VexProperties.h"

#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "interface/VexObject.h"

const TVexPropInfo* FindProperty(const TVexObject& object, const std::string& name) {
    for (const TVexPropInfo& p : object.Properties())
        if (SameText(p.Name, name)) return &p;
    return nullptr;
}

namespace {

const TVexPropInfo& RequireProperty(const TVexObject& object, const std::string& name) {
    const TVexPropInfo* p = FindProperty(object, name);
    if (!p)
        throw GameError("Property \"" + name + "\" does not exist in class " + object.ClassName() +
                        " (object \"" + object.Name + "\").");
    return *p;
}

} // namespace

std::string GetPropValue(const TVexObject& object, const std::string& name) {
    const TVexPropInfo& p = RequireProperty(object, name);
    return p.Get ? p.Get(object) : std::string();
}

void SetPropValue(TVexObject& object, const std::string& name, const std::string& value) {
    RequireProperty(object, name).Set(object, value);
}

int32_t PropTextToInt(const std::string& text, const std::string& what) {
    int32_t v = 0;
    if (!TryStrToInt(text, v))
        throw GameError("\"" + text + "\" is not a valid integer value for " + what + ".");
    return v;
}

int32_t PropTextToIntIn(const std::string& text, int32_t low, int32_t high,
                        const std::string& what) {
    const int32_t v = PropTextToInt(text, what);
    if (v < low || v > high)
        throw GameError("\"" + text + "\" is out of range for " + what + " (" +
                        std::to_string(low) + " to " + std::to_string(high) + ").");
    return v;
}

bool PropTextToBool(const std::string& text, const std::string& what) {
    if (SameText(text, "True")) return true;
    if (SameText(text, "False")) return false;
    throw GameError("\"" + text + "\" is not a valid boolean value (True or False) for " + what +
                    ".");
}

int PropTextToEnum(const std::string& text, const std::vector<std::string>& elements,
                   const std::string& what) {
    for (size_t i = 0; i < elements.size(); ++i)
        if (SameText(elements[i], text)) return static_cast<int>(i);
    std::string list;
    for (const std::string& e : elements)
        list += (list.empty() ? "" : ", ") + e;
    throw GameError("\"" + text + "\" is not a valid value for " + what + " (expected one of " +
                    list + ").");
}
