#pragma once
#include <string>

// The 8-bit code pages of the game's character sets: "EASTEUROPE" is Windows-1250,
// "RUSSIAN" is Windows-1251.
namespace CodePages {
// The Unicode code point of byte code in the code page, or -1 when the page leaves it unused.
int ToUnicode(const std::string& codePage, unsigned char code);
// UTF-8 text converted to the code page; throws when a character has no code there.
std::string FromUtf8(const std::string& codePage, const std::string& utf8);
} // namespace CodePages
