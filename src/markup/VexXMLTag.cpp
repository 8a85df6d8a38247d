#include "markup/VexXMLTag.h"

#include "archive/GameError.h"
#include "archive/SFunctions.h"

TVexXMLTag::TVexXMLTag(std::string name, TVexXMLTag* parent, std::string text)
    : Name(std::move(name)), Text(std::move(text)), Parent(parent) {}

TVexXMLTag& TVexXMLTag::AddTag(const std::string& name) {
    Tags.push_back(std::make_unique<TVexXMLTag>(name, this, ""));
    return *Tags.back();
}

void TVexXMLTag::AddAttribute(const std::string& name, const std::string& value) {
    Attributes.push_back(std::make_unique<TVexParserAttribute>(name, value));
}

void TVexXMLTag::AddTagByString(const std::string& inside) {
    TVexXMLTag& tag = AddTag("");
    const size_t blank = inside.find(' ');
    if (blank == std::string::npos) {
        tag.Name = inside;
        return;
    }
    tag.Name = inside.substr(0, blank);
    try {
        ParseAttributes(tag, inside, blank);
    } catch (const GameError&) {
        // A malformed attribute list keeps what was read before the fault; markup is lax.
    }
}

void TVexXMLTag::ParseAttributes(TVexXMLTag& tag, const std::string& inside, size_t cursor) {
    const std::string prefix = "[TVexXMLTag.AddTagByString] ";
    while (cursor < inside.size()) {
        const size_t eq = inside.find('=', cursor);
        if (eq == std::string::npos)
            throw GameError(prefix + "Expected Attribute name but found nothing! Tag name: \"" +
                            tag.Name + "\".");
        const std::string name = Trim(inside.substr(cursor, eq - cursor));
        const size_t open = inside.find('"', eq);
        if (open == std::string::npos)
            throw GameError(prefix +
                            "Expected open \" in Attribute value but found nothing! Tag name: \"" +
                            tag.Name + "\", Attribute name: \"" + name + "\".");
        const size_t close = inside.find('"', open + 1);
        if (close == std::string::npos)
            throw GameError(
                prefix + "Expected closed \" in Attribute value but found nothing! Tag name: \"" +
                tag.Name + "\", Attribute name: \"" + name + "\".");
        tag.AddAttribute(name, inside.substr(open + 1, close - open - 1));
        cursor = close + 1;
    }
}
