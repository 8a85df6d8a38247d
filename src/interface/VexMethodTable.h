#pragma once
#include <functional>
#include <string>
#include <vector>

// The main form's published methods, found by name with letter case ignored; the "RunMethod"
// command calls them.
class TVexMethodTable {
  public:
    using TMethod = std::function<void()>;

    // A later registration under the same name replaces the earlier one.
    void RegisterMethod(const std::string& name, TMethod method);
    bool HasMethod(const std::string& name) const;
    // Calls the method; false (and nothing done) when no method has that name.
    bool CallMethod(const std::string& name) const;
    // Every registered name, in the order of first registration.
    std::vector<std::string> Names() const;

  private:
    struct TEntry {
        std::string Name;
        TMethod Method;
    };
    const TEntry* Find(const std::string& name) const;
    std::vector<TEntry> methods_;
};
