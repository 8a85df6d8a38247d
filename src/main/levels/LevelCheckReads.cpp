// What the loader's first-match attribute search reads, against what the tag says.
#include <cctype>

#include "main/levels/LevelCheckParts.h"

namespace {

struct TTagAttr {
    std::string Name;
    size_t NameAt = 0;
    std::string Value;
    size_t ValueAt = 0;
};

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == ':' ||
           c == '.';
}

// The attributes of the tag that begins at start (its '<'), as an XML reader would see them,
// up to the tag's closing '>' outside quotes.
std::vector<TTagAttr> TagAttributes(const std::string& text, size_t start) {
    std::vector<TTagAttr> out;
    size_t i = start + 1, n = text.size();
    while (i < n && IsNameChar(text[i]))
        ++i;
    while (i < n && text[i] != '>') {
        if (!IsNameChar(text[i])) {
            ++i;
            continue;
        }
        size_t nameAt = i;
        while (i < n && IsNameChar(text[i]))
            ++i;
        if (i + 1 >= n || text[i] != '=' || text[i + 1] != '"') continue;
        size_t valueAt = i + 2, close = text.find('"', valueAt);
        size_t stop = close == std::string::npos ? n : close;
        out.push_back({text.substr(nameAt, i - nameAt), nameAt,
                       text.substr(valueAt, stop - valueAt), valueAt});
        i = close == std::string::npos ? n : close + 1;
    }
    return out;
}

// Where the loader found its match, said in the terms of the tag that holds it.
std::string PlaceOf(const std::vector<TTagAttr>& attrs, size_t at) {
    for (const TTagAttr& a : attrs) {
        if (at == a.NameAt) return "from the \"" + a.Name + "\"";
        if (at > a.NameAt && at < a.NameAt + a.Name.size())
            return "inside the name \"" + a.Name + "\"";
        if (at >= a.ValueAt && at <= a.ValueAt + a.Value.size())
            return "inside the value of \"" + a.Name + "\"";
    }
    return "outside any attribute";
}

void CheckTrap(int n, const TLineRead& line, const TLineRead::TAttr& a, TLevelFindings& out) {
    const std::string& text = line.Text;
    size_t start = a.Offset > 0     ? text.rfind('<', a.Offset - 1)
                   : !a.Tag.empty() ? text.find(a.Tag)
                                    : text.find('<');
    if (start == std::string::npos) return;
    std::vector<TTagAttr> attrs = TagAttributes(text, start);
    const TTagAttr* own = nullptr;
    for (const TTagAttr& t : attrs)
        if (!own && t.Name == a.Attr) own = &t;
    const size_t found = a.Searched.find(a.Attr + "=\"");
    const std::string read = GetAttr(a.Searched, a.Attr);
    const std::string said = own ? "\"" + own->Value + "\"" : "nothing";
    if (found == std::string::npos) {
        if (own)
            out.Error(n, a.Attr + "=\"" + own->Value + "\" lies beyond the text the loader reads " +
                             "for this tag (a value holds \">\" or \"/>\"): it reads nothing");
        return;
    }
    if (read == (own ? own->Value : "")) return;
    if (own && own->NameAt == a.Offset + found)
        return out.Error(n, "the loader reads " + a.Attr + "=\"" + read + "\", the tag says \"" +
                                own->Value + "\": its cut-out of the tag ends inside the value");
    const size_t at = a.Offset + found, holder = text.rfind('<', at);
    std::string place, hint;
    if (holder == start || holder == std::string::npos) {
        place = PlaceOf(attrs, at);
        // A name that ends another name is found first when it comes later in the tag.
        for (const TTagAttr& t : attrs)
            if (at > t.NameAt && at < t.NameAt + t.Name.size())
                hint = "; write " + a.Attr + " before " + t.Name;
    } else {
        place = PlaceOf(TagAttributes(text, holder), at) +
                " of another tag on the line (one tag a line)";
    }
    out.Error(n, "\"" + a.Attr + "\" is read " + place + ": the loader reads \"" + read +
                     "\", the tag says " + said + hint);
}

void CheckForm(int n, const TLineRead::TAttr& a, TLevelFindings& out) {
    const std::string v = GetAttr(a.Searched, a.Attr);
    if (v.empty()) return;
    int32_t whole = 0;
    if (a.Kind == ILevelReadObserver::rkFlag && v != "true" && v != "false")
        out.Warning(n,
                    a.Attr + "=\"" + v + "\" is neither \"true\" nor \"false\": it reads as false");
    if (a.Kind == ILevelReadObserver::rkLenient && !TryStrToInt(v, whole))
        out.Warning(n, a.Attr + "=\"" + v + "\" is no whole number: it reads as 0");
    bool digits = v.find_first_of("123456789") != std::string::npos;
    if (a.Kind == ILevelReadObserver::rkReal && digits && StrToFloatZero(v) == 0)
        out.Warning(n, a.Attr + "=\"" + v + "\" is no number: it reads as 0");
}

} // namespace

std::string TagName(const std::string& tag) {
    size_t end = tag.find_last_not_of(' ');
    return end == std::string::npos ? tag : tag.substr(0, end + 1);
}

void CheckAttributeReads(const std::vector<TLineRead>& lines, TLevelFindings& out) {
    for (size_t n = 1; n < lines.size(); ++n)
        for (const TLineRead::TAttr& a : lines[n].Attrs) {
            CheckTrap(static_cast<int>(n), lines[n], a, out);
            CheckForm(static_cast<int>(n), a, out);
        }
}
