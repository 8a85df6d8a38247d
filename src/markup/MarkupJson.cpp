#include "markup/MarkupJson.h"

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

void Append(std::string& out, const TVexXMLTag& tag, const std::string& indent) {
    const std::string inner = indent + "  ";
    out += "{\n" + inner + "\"name\": " + JsonString(tag.Name) + ",\n";
    out += inner + "\"text\": " + JsonString(tag.Text) + ",\n";
    out += inner + "\"attributes\": [";
    for (size_t i = 0; i < tag.Attributes.size(); ++i) {
        const auto& a = *tag.Attributes[i];
        out += (i ? ", [" : "[") + JsonString(a.Name) + ", " + JsonString(a.Value) + "]";
    }
    out += "],\n" + inner + "\"tags\": [";
    for (size_t i = 0; i < tag.Tags.size(); ++i) {
        out += i ? ",\n" + inner + "  " : "\n" + inner + "  ";
        Append(out, *tag.Tags[i], inner + "  ");
    }
    out += tag.Tags.empty() ? "]\n" : "\n" + inner + "]\n";
    out += indent + "}";
}

} // namespace

std::string MarkupToJson(const TVexXMLTag& tag) {
    std::string out;
    Append(out, tag, "");
    return out + "\n";
}
