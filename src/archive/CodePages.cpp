#include "archive/CodePages.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace CodePages {
namespace {

class TConverter {
  public:
    TConverter(const std::string& to, const std::string& from)
        : cd_(iconv_open(to.c_str(), from.c_str())) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("no conversion from " + from + " to " + to);
    }
    ~TConverter() { iconv_close(cd_); }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    // false when the input holds a character the target cannot take
    bool Convert(const std::string& in, std::string& out) {
        out.assign(in.size() * 4 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) return false;
        out.resize(out.size() - dstLeft);
        return true;
    }

  private:
    iconv_t cd_;
};

} // namespace

int ToUnicode(const std::string& codePage, unsigned char code) {
    TConverter conv("UTF-32LE", codePage);
    std::string out;
    if (!conv.Convert(std::string(1, static_cast<char>(code)), out) || out.size() != 4) return -1;
    const auto b = [&out](int i) { return static_cast<unsigned char>(out[i]); };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

std::string OfCharSet(const std::string& charSet) {
    if (charSet == "EASTEUROPE") return "CP1250";
    if (charSet == "RUSSIAN") return "CP1251";
    return "CP1252";
}

bool TryFromUtf8(const std::string& codePage, const std::string& utf8, std::string& out) {
    TConverter conv(codePage, "UTF-8");
    return conv.Convert(utf8, out);
}

std::string FromUtf8(const std::string& codePage, const std::string& utf8) {
    std::string out;
    if (!TryFromUtf8(codePage, utf8, out))
        throw std::runtime_error("text has characters that " + codePage + " cannot show: " + utf8);
    return out;
}

std::string ToUtf8(const std::string& codePage, const std::string& text) {
    TConverter conv("UTF-8", codePage);
    std::string out, whole;
    // Byte by byte, so an unused code drops just itself.
    for (char ch : text)
        if (conv.Convert(std::string(1, ch), out)) whole += out;
    return whole;
}

} // namespace CodePages
