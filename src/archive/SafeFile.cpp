#include "archive/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "archive/GameError.h"

namespace {

// A temporary name of this writer's own beside the file: two programs writing the same file at
// once (the game and the tool preparing one archive) must not write into each other's copy.
FILE* OpenOwnTemporary(const std::string& path, std::string& temp) {
    temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return nullptr;
    fchmod(fd, 0644);
    FILE* f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        std::remove(temp.c_str());
    }
    return f;
}

void WriteBytes(const std::string& path, const char* data, size_t size) {
    std::string temp;
    FILE* f = OpenOwnTemporary(path, temp);
    if (!f) throw GameError("I/O error: cannot write " + path + ": " + std::strerror(errno));
    bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    ok = (std::fflush(f) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        std::remove(temp.c_str());
        throw GameError("I/O error: cannot write " + path + ": " + std::strerror(err));
    }
}

} // namespace

void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteBytes(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
    WriteBytes(path, text.data(), text.size());
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

bool ReadFileStart(const std::string& path, size_t limit, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(limit, '\0');
    in.read(out.data(), static_cast<std::streamsize>(limit));
    out.resize(static_cast<size_t>(in.gcount()));
    return true;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}
