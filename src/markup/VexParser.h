#pragma once
#include <string>
#include <vector>

#include "markup/VexXMLTag.h"

class TMemoryStream;

// A markup document: the tolerant reader behind the interface file and the language files.
// Top-level tags become children of the document itself (named "root").
class TVexParser : public TVexXMLTag {
  public:
    TVexParser();

    // Tags may nest this deep (top-level tags are at depth 1).
    static constexpr int MaxDepth = 1000;

    // Both replace the previous tree. They throw GameError when the file cannot be read, the
    // document holds neither a tag nor any text, or its tags nest deeper than MaxDepth (then
    // the tree is left empty).
    void LoadFromFile(const std::string& fileName);
    // Reads from the stream's position to its end.
    void LoadFromStream(TMemoryStream& stream);
    void LoadFromText(const std::string& text);

    // The source lines before tokenizing, the token list after it: each token is a code
    // character ('0' text, '1' closing tag, '2' empty-element tag, '3' opening tag) and its
    // content.
    std::vector<std::string> Lines;

    void Tokenize();
    void BuildTree();

  private:
    void CheckDepth(int depth, const std::string& inside);
};
