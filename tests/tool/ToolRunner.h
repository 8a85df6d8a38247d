#pragma once
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs quorrel-tool, or any command line, as a shell runs it.
struct ToolResult {
    int Status = -1;
    std::string Out;
};

// Runs a shell command line; gives its exit status and what it printed on stdout.
inline ToolResult RunCommand(const std::string& cmd) {
    ToolResult r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        r.Out.append(buf.data(), n);
    int status = pclose(p);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// errorFile, when given, keeps what the tool wrote to stderr.
inline ToolResult RunTool(const std::string& args, bool withStderr = false,
                          const std::string& errorFile = "") {
    const std::string err =
        withStderr ? " 2>&1" : " 2>" + (errorFile.empty() ? std::string("/dev/null") : errorFile);
    return RunCommand(std::string(QUORREL_TOOL) + " " + args + err);
}
