#include "markup/MarkupJson.h"

#include <algorithm>
#include <cstdio>

#include "markup/VexXMLTag.h"

std::string JsonString(const std::string& bytes) {
    std::string out = "\"";
    for (char ch : bytes) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += ch;
        } else if (b >= 0x20 && b <= 0x7E) {
            out += ch;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", b);
            out += buf;
        }
    }
    return out + "\"";
}

namespace {

// Indentation stops growing past this many levels: a deep tree costs output in proportion to
// its tags, not to the square of its depth.
constexpr int MaxIndentLevel = 64;

void Indent(std::string& out, int level) {
    out.append(2 * static_cast<size_t>(std::min(level, MaxIndentLevel)), ' ');
}

void Append(std::string& out, const TVexXMLTag& tag, int level) {
    out += "{\n";
    Indent(out, level + 1);
    out += "\"name\": " + JsonString(tag.Name) + ",\n";
    Indent(out, level + 1);
    out += "\"text\": " + JsonString(tag.Text) + ",\n";
    Indent(out, level + 1);
    out += "\"attributes\": [";
    for (size_t i = 0; i < tag.Attributes.size(); ++i) {
        const auto& a = *tag.Attributes[i];
        out += (i ? ", [" : "[") + JsonString(a.Name) + ", " + JsonString(a.Value) + "]";
    }
    out += "],\n";
    Indent(out, level + 1);
    out += "\"tags\": [";
    for (size_t i = 0; i < tag.Tags.size(); ++i) {
        out += i ? ",\n" : "\n";
        Indent(out, level + 2);
        Append(out, *tag.Tags[i], level + 2);
    }
    if (tag.Tags.empty()) {
        out += "]\n";
    } else {
        out += "\n";
        Indent(out, level + 1);
        out += "]\n";
    }
    Indent(out, level);
    out += "}";
}

} // namespace

std::string MarkupToJson(const TVexXMLTag& tag) {
    std::string out;
    Append(out, tag, 0);
    return out + "\n";
}
