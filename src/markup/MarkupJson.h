#pragma once
#include <string>

class TVexXMLTag;

// The tag tree as JSON: each tag an object with "name", "text", "attributes" (a list of
// [name, value] pairs in order) and "tags" (its children in order). Printable ASCII stands as
// itself (quote and backslash escaped); every other byte is written \u00XX, so 8-bit text
// survives exactly.
std::string MarkupToJson(const TVexXMLTag& tag);
std::string JsonString(const std::string& bytes);
