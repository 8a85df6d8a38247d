// `quorrel-tool markup dump`: the tree as JSON, bytes kept exactly.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "markup/MarkupJson.h"
#include "markup/VexParser.h"

namespace {

struct RunResult {
    int Status;
    std::string Out;
};

RunResult RunTool(const std::string& args) {
    RunResult r{0, ""};
    FILE* pipe = popen((std::string(QUORREL_TOOL) + " " + args + " 2>/dev/null").c_str(), "r");
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.Out.append(buf.data(), n);
    r.Status = WEXITSTATUS(pclose(pipe));
    return r;
}

std::string WriteTemp(const std::string& name, const std::string& text) {
    auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(MarkupJson, EscapesEverythingButPrintableAscii) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\xE9\x7F\x01", 3)), "\"\\u00e9\\u007f\\u0001\"");
}

TEST(MarkupJson, DumpsTheTreeInOrder) {
    TVexParser p;
    p.LoadFromText("<o c=\"TVexForm\"><p n=\"Name\">W\xE9</p><e/></o>");
    const std::string json = MarkupToJson(p);
    const std::string expected = "{\n"
                                 "  \"name\": \"root\",\n"
                                 "  \"text\": \"\",\n"
                                 "  \"attributes\": [],\n"
                                 "  \"tags\": [\n"
                                 "    {\n"
                                 "      \"name\": \"o\",\n"
                                 "      \"text\": \"\",\n"
                                 "      \"attributes\": [[\"c\", \"TVexForm\"]],\n"
                                 "      \"tags\": [\n"
                                 "        {\n"
                                 "          \"name\": \"p\",\n"
                                 "          \"text\": \"W\\u00e9\",\n"
                                 "          \"attributes\": [[\"n\", \"Name\"]],\n"
                                 "          \"tags\": []\n"
                                 "        },\n"
                                 "        {\n"
                                 "          \"name\": \"e\",\n"
                                 "          \"text\": \"\",\n"
                                 "          \"attributes\": [],\n"
                                 "          \"tags\": []\n"
                                 "        }\n"
                                 "      ]\n"
                                 "    }\n"
                                 "  ]\n"
                                 "}\n";
    EXPECT_EQ(json, expected);
}

TEST(MarkupDumpTool, PrintsTheTreeAndFailsOnAnEmptyDocument) {
    const auto good =
        WriteTemp("quorrel_markup_good.li", "<VexInterface><o c=\"X\"/></VexInterface>");
    RunResult ok = RunTool("markup dump " + good);
    EXPECT_EQ(ok.Status, 0);
    EXPECT_NE(ok.Out.find("\"name\": \"VexInterface\""), std::string::npos);
    const auto empty = WriteTemp("quorrel_markup_empty.li", "  \n");
    RunResult bad = RunTool("markup dump " + empty);
    EXPECT_EQ(bad.Status, 1);
    EXPECT_TRUE(bad.Out.empty());
    EXPECT_EQ(RunTool("markup dump /nonexistent/file.li").Status, 1);
}

TEST(MarkupDumpTool, DeepNestingIsAnErrorAndIndentationStaysBounded) {
    std::string deep;
    for (int i = 0; i < 50000; ++i)
        deep += "<a>";
    RunResult bad = RunTool("markup dump " + WriteTemp("quorrel_markup_deep.li", deep));
    EXPECT_EQ(bad.Status, 1); // not a crash
    EXPECT_TRUE(bad.Out.empty());
    TVexParser p;
    p.LoadFromText(deep.substr(0, 3 * TVexParser::MaxDepth));
    const std::string json = MarkupToJson(p);
    // About 90 bytes a tag plus indentation that stops growing: linear, where it used to be
    // some 12 MB of blanks.
    EXPECT_LT(json.size(), 2000u * TVexParser::MaxDepth);
    EXPECT_NE(json.find("\n" + std::string(128, ' ') + "\"name\""), std::string::npos);
    EXPECT_EQ(json.find(std::string(129, ' ')), std::string::npos);
}

} // namespace
