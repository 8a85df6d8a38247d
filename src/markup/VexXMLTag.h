#pragma once
#include <memory>
#include <string>
#include <vector>

// One attribute of a markup tag; fixed once made.
class TVexParserAttribute {
  public:
    TVexParserAttribute(std::string name, std::string value)
        : Name(std::move(name)), Value(std::move(value)) {}
    const std::string Name;
    const std::string Value;
};

// One tag of a markup document: name as written, attributes in written order (duplicates
// kept), the text of its last text run and its children in document order.
class TVexXMLTag {
  public:
    TVexXMLTag(std::string name, TVexXMLTag* parent, std::string text);
    virtual ~TVexXMLTag() = default;
    TVexXMLTag(const TVexXMLTag&) = delete;
    TVexXMLTag& operator=(const TVexXMLTag&) = delete;

    // Creates a child from the inside of an opening or empty-element tag ("p n=\"Name\"").
    // The child is appended before its name and attributes are read, so it stays in the tree
    // whatever follows; a malformed attribute list ends quietly with the attributes read so far.
    void AddTagByString(const std::string& inside);
    // Appends a child with the given name and no attributes; returns it.
    TVexXMLTag& AddTag(const std::string& name);
    void AddAttribute(const std::string& name, const std::string& value);
    void SetText(const std::string& text) { Text = text; }
    void ClearTags() { Tags.clear(); }
    void ClearAttributes() { Attributes.clear(); }

    std::string Name;
    std::string Text;
    std::vector<std::unique_ptr<TVexXMLTag>> Tags;
    std::vector<std::unique_ptr<TVexParserAttribute>> Attributes;
    TVexXMLTag* Parent = nullptr;

  private:
    void ParseAttributes(TVexXMLTag& tag, const std::string& inside, size_t cursor);
};
