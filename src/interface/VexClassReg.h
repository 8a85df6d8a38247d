#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TVexObject;

// The classes the interface file may name, in their fixed order; found ignoring letter case.
class TVexClassReg {
  public:
    struct TClassInfo {
        std::string Name;
        std::function<std::unique_ptr<TVexObject>()> Create; // a plain, all-zero instance
    };

    TVexClassReg();
    const TClassInfo* Find(const std::string& className) const; // nullptr when unknown
    const std::vector<TClassInfo>& Classes() const { return classes_; }

  private:
    std::vector<TClassInfo> classes_;
};
