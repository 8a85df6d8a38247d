#include "markup/VexParser.h"

#include "archive/GameError.h"
#include "archive/MemoryStream.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

// Line breaks became CR LF pairs when the lines were joined; each pair and each tab is one blank.
std::string BreaksToBlanks(std::string text) {
    ReplaceAll(text, "\r\n", " ");
    ReplaceAll(text, "\t", " ");
    return text;
}

// The five known entities, in this order: "&amp;lt;" therefore reads as "&lt;", never "<".
std::string DecodeEntities(std::string text) {
    ReplaceAll(text, "&lt;", "<");
    ReplaceAll(text, "&gt;", ">");
    ReplaceAll(text, "&amp;", "&");
    ReplaceAll(text, "&apos;", "'");
    ReplaceAll(text, "&quot;", "\"");
    return text;
}

bool StartsWith(const std::string& s, const std::string& p) {
    return s.compare(0, p.size(), p) == 0;
}
bool EndsWith(const std::string& s, const std::string& p) {
    return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

void EmitText(std::vector<std::string>& tokens, const std::string& run) {
    const std::string trimmed = Trim(run);
    if (!trimmed.empty()) tokens.push_back("0" + DecodeEntities(BreaksToBlanks(trimmed)));
}

void EmitTag(std::vector<std::string>& tokens, const std::string& inside) {
    if (inside.empty()) return; // "<>" names nothing: ignored
    if (StartsWith(inside, "!--") && EndsWith(inside, "--")) return;
    if (StartsWith(inside, "?") && EndsWith(inside, "?")) return;
    if (inside[0] == '/') {
        tokens.push_back("1" + BreaksToBlanks(inside.substr(1)));
    } else if (inside.back() == '/') {
        tokens.push_back("2" + BreaksToBlanks(Trim(inside.substr(0, inside.size() - 1))));
    } else {
        tokens.push_back("3" + BreaksToBlanks(inside));
    }
}

} // namespace

TVexParser::TVexParser() : TVexXMLTag("root", nullptr, "") {}

void TVexParser::LoadFromFile(const std::string& fileName) {
    std::string text;
    if (!ReadWholeFile(fileName, text)) throw GameError("Cannot open file \"" + fileName + "\".");
    LoadFromText(text);
}

void TVexParser::LoadFromStream(TMemoryStream& stream) {
    LoadFromText(stream.ReadRest());
}

void TVexParser::LoadFromText(const std::string& text) {
    Lines = SplitLines(text);
    Tokenize();
    BuildTree();
}

void TVexParser::Tokenize() {
    std::string text;
    for (const std::string& line : Lines)
        text += line + "\r\n";
    std::vector<std::string> tokens;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lt = text.find('<', pos);
        if (lt == std::string::npos) {
            EmitText(tokens, text.substr(pos));
            break;
        }
        EmitText(tokens, text.substr(pos, lt - pos));
        const size_t gt = text.find('>', lt + 1);
        if (gt == std::string::npos) {
            pos = lt + 1; // an unmatched "<" is dropped; the rest reads as text
            continue;
        }
        EmitTag(tokens, text.substr(lt + 1, gt - lt - 1));
        pos = gt + 1;
    }
    Lines = std::move(tokens);
}

// Every walk of a tree (freeing it, the JSON dump, the loaders) recurses once a level: a file
// of tens of thousands of unclosed tags would run them out of stack. No interface or language
// file comes near this depth.
void TVexParser::CheckDepth(int depth, const std::string& inside) {
    if (depth <= MaxDepth) return;
    ClearTags();
    ClearAttributes();
    Text.clear();
    throw GameError("[TVexParser.BuildTree] Tags are nested more than " + std::to_string(MaxDepth) +
                    " deep (at \"<" + inside.substr(0, 40) + ">\").");
}

void TVexParser::BuildTree() {
    ClearTags();
    ClearAttributes();
    Text.clear();
    if (Lines.empty())
        throw GameError(
            "[TVexParser.BuildTree] The document is empty: it holds no tag and no text.");
    TVexXMLTag* current = this;
    int depth = 0; // of the current tag; the document is 0
    for (const std::string& token : Lines) {
        if (token.empty()) continue;
        const std::string content = token.substr(1);
        switch (token[0]) {
        case '3':
            CheckDepth(depth + 1, content);
            current->AddTagByString(content);
            current = current->Tags.back().get();
            ++depth;
            break;
        case '2':
            CheckDepth(depth + 1, content);
            current->AddTagByString(content);
            break;
        case '1':
            // Any closing tag closes the open tag, whatever its name. At the document level
            // there is nothing to close: later tokens stay with the document.
            if (current->Parent) {
                current = current->Parent;
                --depth;
            }
            break;
        default:
            current->SetText(content);
            break;
        }
    }
}
