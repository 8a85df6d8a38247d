#include "interface/VexMethodTable.h"

#include "archive/SFunctions.h"

void TVexMethodTable::RegisterMethod(const std::string& name, TMethod method) {
    for (TEntry& e : methods_)
        if (SameText(e.Name, name)) {
            e.Method = std::move(method);
            return;
        }
    methods_.push_back({name, std::move(method)});
}

const TVexMethodTable::TEntry* TVexMethodTable::Find(const std::string& name) const {
    for (const TEntry& e : methods_)
        if (SameText(e.Name, name)) return &e;
    return nullptr;
}

bool TVexMethodTable::HasMethod(const std::string& name) const {
    return Find(name) != nullptr;
}

bool TVexMethodTable::CallMethod(const std::string& name) const {
    const TEntry* e = Find(name);
    if (!e || !e->Method) return false;
    // A copy: the method may register methods itself.
    TMethod method = e->Method;
    method();
    return true;
}

std::vector<std::string> TVexMethodTable::Names() const {
    std::vector<std::string> names;
    for (const TEntry& e : methods_)
        names.push_back(e.Name);
    return names;
}
