// The markup reader: tokens, text rules, entities and the tolerant tag tree.
#include <gtest/gtest.h>

#include <memory>

#include "archive/GameError.h"
#include "markup/VexParser.h"

namespace {

// The tags point at their parents, so a document stays where it was built.
std::unique_ptr<TVexParser> Parse(const std::string& text) {
    auto p = std::make_unique<TVexParser>();
    p->LoadFromText(text);
    return p;
}

const TVexXMLTag& Child(const TVexXMLTag& t, size_t i) {
    return *t.Tags.at(i);
}

TEST(MarkupTags, EmptyElementsLeaveTheCurrentTagAlone) {
    auto docDoc = Parse("<r><a/><b /><c>x</c></r>");
    const auto& doc = *docDoc;
    const auto& r = Child(doc, 0);
    ASSERT_EQ(r.Tags.size(), 3u);
    EXPECT_EQ(Child(r, 0).Name, "a");
    EXPECT_EQ(Child(r, 1).Name, "b");
    EXPECT_TRUE(Child(r, 1).Attributes.empty());
    EXPECT_EQ(Child(r, 2).Text, "x");
}

TEST(MarkupTags, AttributesWithBlanksAroundAndDuplicates) {
    auto docDoc = Parse(
        "<o c=\"TVexForm\" ><p n=\"Name\">Button1</p><q a=\"1\"\r\n\tb =  \"x y\" a=\"2\"/></o>");
    const auto& doc = *docDoc;
    const auto& o = Child(doc, 0);
    EXPECT_EQ(o.Name, "o");
    ASSERT_EQ(o.Attributes.size(), 1u);
    EXPECT_EQ(o.Attributes[0]->Name, "c");
    EXPECT_EQ(o.Attributes[0]->Value, "TVexForm");
    EXPECT_EQ(Child(o, 0).Text, "Button1");
    const auto& q = Child(o, 1);
    ASSERT_EQ(q.Attributes.size(), 3u);
    EXPECT_EQ(q.Attributes[1]->Name, "b");
    EXPECT_EQ(q.Attributes[1]->Value, "x y");
    EXPECT_EQ(q.Attributes[2]->Name, "a");
    EXPECT_EQ(q.Attributes[2]->Value, "2");
}

TEST(MarkupTags, MalformedAttributeListsKeepWhatCameBefore) {
    auto docDoc = Parse("<t a=\"1\" b='2'/><u a=\"1\" b=\"open/><v a/>");
    const auto& doc = *docDoc;
    ASSERT_EQ(doc.Tags.size(), 3u);
    const auto& t = Child(doc, 0);
    ASSERT_EQ(t.Attributes.size(), 1u); // single quotes are no quotes: stops at b
    EXPECT_EQ(t.Attributes[0]->Value, "1");
    EXPECT_EQ(Child(doc, 1).Attributes.size(), 1u); // no closing quote
    EXPECT_EQ(Child(doc, 2).Name, "v");
    EXPECT_TRUE(Child(doc, 2).Attributes.empty()); // no "="
}

TEST(MarkupText, EntitiesDecodeInTextOnlyAndInOrder) {
    auto docDoc = Parse("<a k=\"a&amp;b\">x &amp;lt; y &quot;&apos;&gt;</a>");
    const auto& doc = *docDoc;
    const auto& a = Child(doc, 0);
    EXPECT_EQ(a.Text, "x &lt; y \"'>");
    EXPECT_EQ(a.Attributes[0]->Value, "a&amp;b");
}

TEST(MarkupText, LineBreaksAndTabsBecomeBlanks) {
    auto docDoc = Parse("<a>\n  one\ntwo\tthree\nfour  \n</a>");
    const auto& doc = *docDoc;
    EXPECT_EQ(Child(doc, 0).Text, "one two three four");
}

TEST(MarkupText, MixedContentKeepsTheLastRun) {
    auto docDoc = Parse("<a>before<b/>after</a>trailing");
    const auto& doc = *docDoc;
    EXPECT_EQ(Child(doc, 0).Text, "after");
    EXPECT_EQ(doc.Text, "trailing"); // all tags closed: the document gets it
    auto openDoc = Parse("<a><b>x</b>  tail  ");
    const auto& open = *openDoc;
    EXPECT_EQ(Child(open, 0).Text, "tail");
}

TEST(MarkupSkipped, CommentsAndProcessingInstructions) {
    auto docDoc = Parse("<?xml version=\"1.0\"?><!-- note --><a/><?>");
    const auto& doc = *docDoc;
    ASSERT_EQ(doc.Tags.size(), 1u);
    EXPECT_EQ(Child(doc, 0).Name, "a");
}

TEST(MarkupSkipped, CommentHoldingGreaterThanEndsThere) {
    auto docDoc = Parse("<!-- a > b --><c/>");
    const auto& doc = *docDoc;
    ASSERT_EQ(doc.Tags.size(), 1u);
    const auto& bogus = Child(doc, 0);
    EXPECT_EQ(bogus.Name, "!--");
    EXPECT_EQ(bogus.Text, "b -->"); // the rest reads as text of the open bogus tag
    ASSERT_EQ(bogus.Tags.size(), 1u);
    EXPECT_EQ(Child(bogus, 0).Name, "c");
}

TEST(MarkupMalformed, UnmatchedLessThanIsDroppedAndEmptyTagIgnored) {
    auto docDoc = Parse("<a>1 < 2</a><>");
    const auto& doc = *docDoc;
    ASSERT_EQ(doc.Tags.size(), 1u);
    // The "<" finds the ">" of "</a": everything between is one opening tag.
    auto doc2Doc = Parse("<a>x</a> y <");
    const auto& doc2 = *doc2Doc;
    EXPECT_EQ(doc2.Text, "y");
    auto doc3Doc = Parse("<a>x > y</a>");
    const auto& doc3 = *doc3Doc;
    EXPECT_EQ(Child(doc3, 0).Text, "x > y");
}

TEST(MarkupMalformed, AnyClosingTagClosesAndExtraClosersStayAtTheDocument) {
    auto docDoc = Parse("<a><b></x><c/></y></z><d/>");
    const auto& doc = *docDoc;
    ASSERT_EQ(doc.Tags.size(), 2u);
    EXPECT_EQ(Child(Child(doc, 0), 1).Name, "c");
    EXPECT_EQ(Child(doc, 1).Name, "d");
}

TEST(MarkupMalformed, EmptyDocumentFailsItsLoad) {
    TVexParser p;
    p.LoadFromText("<a/>");
    EXPECT_THROW(p.LoadFromText("  <!-- only a comment -->\n "), GameError);
    EXPECT_TRUE(p.Tags.empty()); // the old tree is gone, not half kept
    EXPECT_THROW(p.LoadFromText(""), GameError);
}

// 50,000 unclosed tags used to run the dump (and freeing the tree) out of stack.
TEST(MarkupMalformed, NestingDeeperThanTheLimitFailsTheLoad) {
    auto nested = [](int depth, const std::string& inner) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "<a>";
        return text + inner;
    };
    TVexParser p;
    p.LoadFromText("<kept/>");
    for (const std::string& text : {nested(50000, ""), nested(TVexParser::MaxDepth, "<b/>")}) {
        try {
            p.LoadFromText(text);
            ADD_FAILURE() << "a tree deeper than the limit was built";
        } catch (const GameError& e) {
            EXPECT_NE(std::string(e.what()).find("1000"), std::string::npos) << e.what();
        }
        EXPECT_TRUE(p.Tags.empty());
    }
    p.LoadFromText(nested(TVexParser::MaxDepth - 1, "<b/>") + "</a><after/>");
    const TVexXMLTag* t = &p;
    for (int depth = 0; depth < TVexParser::MaxDepth - 1; ++depth)
        t = t->Tags.front().get();
    EXPECT_EQ(t->Tags.back()->Name, "b");
    EXPECT_EQ(t->Parent->Tags.back()->Name, "after"); // the closer counted back up
}

TEST(MarkupLoad, ReloadReplacesTheTree) {
    TVexParser p;
    p.LoadFromText("<a/><b/>");
    p.LoadFromText("<c/>");
    ASSERT_EQ(p.Tags.size(), 1u);
    EXPECT_EQ(p.Tags[0]->Name, "c");
    EXPECT_EQ(p.Tags[0]->Parent, &p);
}

} // namespace
