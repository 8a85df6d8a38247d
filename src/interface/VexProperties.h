#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TVexObject;

// Published properties: each class declares its own once, in declaration order, after its
// base's. They are read and written by name as text, converted by type: integers and colours
// in decimal, booleans "True"/"False", enumerations by element name.
enum class TVexPropType { Integer, Colour, Boolean, String, Enumeration };

struct TVexPropInfo {
    std::string Name;
    TVexPropType Type = TVexPropType::String;
    std::vector<std::string> Elements;                        // enumeration element names
    std::function<std::string(const TVexObject&)> Get;        // empty for write-only
    std::function<void(TVexObject&, const std::string&)> Set; // converts, may throw
};

using TVexPropList = std::vector<TVexPropInfo>;

// Names match ignoring letter case, as the game's data has always been written.
const TVexPropInfo* FindProperty(const TVexObject& object, const std::string& name);
// Both throw GameError for an unknown property or a value of the wrong type.
std::string GetPropValue(const TVexObject& object, const std::string& name);
void SetPropValue(TVexObject& object, const std::string& name, const std::string& value);

// Conversions; they throw GameError naming the property and the object.
int32_t PropTextToInt(const std::string& text, const std::string& what);
// The same, and a number outside low..high (both included) is a property error too.
int32_t PropTextToIntIn(const std::string& text, int32_t low, int32_t high,
                        const std::string& what);
bool PropTextToBool(const std::string& text, const std::string& what);
int PropTextToEnum(const std::string& text, const std::vector<std::string>& elements,
                   const std::string& what);
inline std::string PropBoolToText(bool value) {
    return value ? "True" : "False";
}

// Declares a class's properties over a list inherited from its base.
template <class C> class TVexPropBuilder {
  public:
    explicit TVexPropBuilder(TVexPropList base) : list_(std::move(base)) {}

    TVexPropBuilder& Int(const std::string& name, int32_t C::*field,
                         void (C::*setter)(int32_t) = nullptr) {
        return Number(name, TVexPropType::Integer, field, setter);
    }
    // An integer that must lie within low..high (both included).
    TVexPropBuilder& IntIn(const std::string& name, int32_t C::*field, int32_t low, int32_t high) {
        Add(
            name, TVexPropType::Integer, {},
            [field](const C& o) { return std::to_string(o.*field); },
            [name, field, low, high](C& o, const std::string& v) {
                o.*field = PropTextToIntIn(v, low, high, What(name, o));
            });
        return *this;
    }
    TVexPropBuilder& Colour(const std::string& name, int32_t C::*field,
                            void (C::*setter)(int32_t) = nullptr) {
        return Number(name, TVexPropType::Colour, field, setter);
    }
    TVexPropBuilder& Bool(const std::string& name, bool C::*field,
                          void (C::*setter)(bool) = nullptr) {
        Add(
            name, TVexPropType::Boolean, {},
            [field](const C& o) { return PropBoolToText(o.*field); },
            [name, field, setter](C& o, const std::string& v) {
                const bool b = PropTextToBool(v, What(name, o));
                if (setter)
                    (o.*setter)(b);
                else
                    o.*field = b;
            });
        return *this;
    }
    TVexPropBuilder& Str(const std::string& name, std::string C::*field,
                         void (C::*setter)(const std::string&) = nullptr) {
        Add(
            name, TVexPropType::String, {}, [field](const C& o) { return o.*field; },
            [field, setter](C& o, const std::string& v) {
                if (setter)
                    (o.*setter)(v);
                else
                    o.*field = v;
            });
        return *this;
    }
    template <class E>
    TVexPropBuilder& Enum(const std::string& name, E C::*field, std::vector<std::string> elements,
                          void (C::*setter)(E) = nullptr) {
        Add(
            name, TVexPropType::Enumeration, elements,
            [field, elements](const C& o) { return elements.at(static_cast<size_t>(o.*field)); },
            [name, field, setter, elements](C& o, const std::string& v) {
                const E e = static_cast<E>(PropTextToEnum(v, elements, What(name, o)));
                if (setter)
                    (o.*setter)(e);
                else
                    o.*field = e;
            });
        return *this;
    }
    // A property with its own accessors (write-only when get is empty).
    TVexPropBuilder& Custom(const std::string& name, TVexPropType type,
                            std::function<std::string(const C&)> get,
                            std::function<void(C&, const std::string&)> set) {
        Add(name, type, {}, std::move(get), std::move(set));
        return *this;
    }
    TVexPropList Build() { return std::move(list_); }

  private:
    static std::string What(const std::string& name, const C& o) {
        return "property \"" + name + "\" of \"" + o.Name + "\"";
    }
    TVexPropBuilder& Number(const std::string& name, TVexPropType type, int32_t C::*field,
                            void (C::*setter)(int32_t)) {
        Add(
            name, type, {}, [field](const C& o) { return std::to_string(o.*field); },
            [name, field, setter](C& o, const std::string& v) {
                const int32_t n = PropTextToInt(v, What(name, o));
                if (setter)
                    (o.*setter)(n);
                else
                    o.*field = n;
            });
        return *this;
    }
    void Add(const std::string& name, TVexPropType type, std::vector<std::string> elements,
             std::function<std::string(const C&)> get,
             std::function<void(C&, const std::string&)> set) {
        TVexPropInfo info;
        info.Name = name;
        info.Type = type;
        info.Elements = std::move(elements);
        if (get) info.Get = [get](const TVexObject& o) { return get(static_cast<const C&>(o)); };
        info.Set = [set](TVexObject& o, const std::string& v) { set(static_cast<C&>(o), v); };
        list_.push_back(std::move(info));
    }

    TVexPropList list_;
};
