#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "interface/VexProperties.h"

class TVexMethodTable;

// Declares a class's name and published properties (defined in its .cpp with
// TVexPropBuilder over Base::StaticProperties()).
#define VEX_CLASS(Class)                                                                           \
  public:                                                                                          \
    static constexpr const char* StaticClassName = #Class;                                         \
    static const TVexPropList& StaticProperties();                                                 \
    std::string ClassName() const override {                                                       \
        return StaticClassName;                                                                    \
    }                                                                                              \
    const TVexPropList& Properties() const override {                                              \
        return StaticProperties();                                                                 \
    }

// The root of everything configurable by name: interface objects, fonts, default lines.
class TVexObject {
  public:
    static constexpr const char* StaticClassName = "TVexObject";
    static const TVexPropList& StaticProperties();
    virtual std::string ClassName() const { return StaticClassName; }
    virtual const TVexPropList& Properties() const { return StaticProperties(); }

    TVexObject() = default;
    virtual ~TVexObject() = default;
    TVexObject(const TVexObject&) = delete;
    TVexObject& operator=(const TVexObject&) = delete;

    // Run-time set-up of objects made with CreateObject; objects read from the interface file
    // skip it and start all zero.
    virtual void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                      int32_t tag, const std::string& name);

    TVexObject* Parent = nullptr; // not owned
    std::string ParentName;
    std::string Name;
    int32_t Tag = 0;
};

// An ordered list of owned objects, found by name.
class TVexEngine {
  public:
    virtual ~TVexEngine() = default;

    int AddArrayItem(); // appends an empty slot
    void Clear();
    int FindIdxVexObjectByName(const std::string& name) const; // exact match, -1 when none
    TVexObject* FindVexObjectByName(const std::string& name) const;
    // Every object whose ParentName is another's Name gets that one as Parent (with duplicate
    // names the last in list order wins).
    void FixParentIntoFVexObjects();
    std::string GetClassName(const std::string& name) const;
    int Count() const { return static_cast<int>(FVexObjects.size()); }

    std::vector<std::unique_ptr<TVexObject>> FVexObjects;
};
