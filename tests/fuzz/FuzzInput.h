#pragma once
// One libFuzzer input as the text or file a reader of the game takes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

inline std::string FuzzText(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A file with the input's bytes, for readers that take a path; one per process.
inline std::string FuzzFile(const uint8_t* data, size_t size, const char* name) {
    const std::string path = "/tmp/quorrel_fuzz_" + std::to_string(getpid()) + "_" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

// The input cut at every separator, for readers that take several files at once; the
// separator is in the harness's dictionary, so the fuzzer moves bytes between the parts.
inline std::vector<std::string> FuzzParts(const uint8_t* data, size_t size,
                                          const std::string& separator) {
    const std::string text = FuzzText(data, size);
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}
