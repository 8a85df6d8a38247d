// Tags the loader ignores, or reads where the author did not mean it to.
#include <cctype>
#include <utility>

#include "main/levels/LevelCheckParts.h"

namespace {

using TRanges = std::vector<std::pair<size_t, size_t>>;

// The comments of a line, [begin, end); a comment may go on from the line before.
TRanges CommentRanges(const std::string& text, bool& open) {
    TRanges out;
    size_t pos = 0;
    if (open) {
        size_t end = text.find("-->");
        if (end == std::string::npos) return {{0, text.size()}};
        out.push_back({0, end + 3});
        pos = end + 3;
        open = false;
    }
    while ((pos = text.find("<!--", pos)) != std::string::npos) {
        size_t end = text.find("-->", pos + 4);
        if (end == std::string::npos) {
            out.push_back({pos, text.size()});
            open = true;
            break;
        }
        out.push_back({pos, end + 3});
        pos = end + 3;
    }
    return out;
}

bool Inside(const TRanges& ranges, size_t at) {
    for (auto [begin, end] : ranges)
        if (at >= begin && at < end) return true;
    return false;
}

// Tags the loader reads only between "<PictureMap ...>" and "</PictureMap>".
const char* const MapOnlyTags[] = {"<Images>", "<map>", "<MapMovingCurve "};

void CheckTagsOfLine(int n, const TLineRead& line, const TRanges& comments, TLevelFindings& out) {
    const std::string& text = line.Text;
    std::vector<size_t> starts;
    for (const TLineRead::TTag& t : line.Tags) {
        size_t at = text.find(t.Tag);
        if (Inside(comments, at))
            out.Error(n, "the loader reads \"" + TagName(t.Tag) +
                             "\" inside a comment: comments do not hide tags from it");
        else if (!t.NeedsFound)
            out.Error(n, TagName(t.Tag) + " needs \"" + t.Needs +
                             "\" on the same line: the loader ignores it");
        starts.push_back(at);
    }
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        if (at + 1 >= text.size() || !std::isalpha(static_cast<unsigned char>(text[at + 1])) ||
            Inside(comments, at))
            continue;
        bool read = false;
        for (size_t s : starts)
            read = read || s == at;
        if (read) continue;
        size_t end = text.find_first_of(" \t/>", at);
        if (end != std::string::npos && text[end] == '>') ++end;
        std::string name = text.substr(at, end == std::string::npos ? end : end - at);
        bool mapOnly = false;
        for (const char* tag : MapOnlyTags)
            mapOnly = mapOnly || text.compare(at, std::string(tag).size(), tag) == 0;
        if (mapOnly)
            out.Error(n, name + " is read only inside a <PictureMap ...>: the loader ignores it");
        else
            out.Warning(n, "the loader reads no tag " + name +
                               " (tag texts must match exactly): the line is ignored");
    }
    for (const TLineRead::TCut& c : line.Cuts) {
        size_t at = text.find(c.Open);
        if (at != std::string::npos && text.find(c.Close, at + c.Open.size()) == std::string::npos)
            out.Error(n, "no \"" + c.Close + "\" after \"" + c.Open +
                             "\" on the line: the loader reads nothing from this tag");
    }
}

// Image, MovingCurve and </Picture> belong to the picture before them; the loader gives them
// to whatever picture was made last, and keeps no memory of "</Picture>".
class TPictureOrder {
  public:
    void Line(int n, const TLineRead& line, TLevelFindings& out) {
        if (!line.Acted("<Picture ")) {
            for (const char* user : {"<Image ", "<MovingCurve ", "</Picture>"})
                if (line.Acted(user)) Check(n, TagName(user), out);
        }
        if (line.Acted("</Picture>")) closed_ = n;
        for (const char* maker : {"<Fishka ", "<GhostFishka", "<Point", "<FireEffect ", "<map>"})
            if (line.Acted(maker) && !betweenLine_) between_ = TagName(maker), betweenLine_ = n;
        if (line.Acted("<map>")) mapRow_ = n;
        if (line.Acted("<Picture ")) picture_ = n, betweenLine_ = 0, closed_ = 0, told_ = false;
    }

  private:
    void Check(int n, const std::string& user, TLevelFindings& out) {
        const std::string at = " (line " + std::to_string(picture_) + ")";
        if (!picture_ && mapRow_)
            out.Error(n, user +
                             " has no <Picture> before it: it goes to the last map picture (line " +
                             std::to_string(mapRow_) + ")");
        if (!picture_) return; // the loader skips it, and says so
        if (betweenLine_ && between_ == "<map>")
            out.Error(n, "the map row of line " + std::to_string(betweenLine_) +
                             " stands between " + user + " and its <Picture>" + at +
                             ": it goes to the map's last picture");
        else if (closed_ && user != "</Picture>")
            out.Warning(n, user + " after </Picture> (line " + std::to_string(closed_) +
                               ") still goes to the picture" + at);
        else if (betweenLine_ && !told_)
            out.Warning(n, between_ + " (line " + std::to_string(betweenLine_) +
                               ") stands between " + user + " and its <Picture>" + at +
                               ": keep a picture's lines together");
        told_ = told_ || betweenLine_;
    }

    int picture_ = 0, closed_ = 0, mapRow_ = 0, betweenLine_ = 0;
    bool told_ = false; // one warning per picture
    std::string between_;
};

} // namespace

void CheckTagLines(const std::vector<TLineRead>& lines, TLevelFindings& out) {
    bool inComment = false;
    TPictureOrder order;
    for (size_t n = 1; n < lines.size(); ++n) {
        if (!lines[n].Started) continue;
        TRanges comments = CommentRanges(lines[n].Text, inComment);
        CheckTagsOfLine(static_cast<int>(n), lines[n], comments, out);
        order.Line(static_cast<int>(n), lines[n], out);
    }
}
