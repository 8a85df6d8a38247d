#pragma once
#include <string>

// The 8-bit code pages of the game's character sets: "EASTEUROPE" is Windows-1250,
// "RUSSIAN" is Windows-1251, any other is Windows-1252. Interface text is 8-bit text in the
// code page of its character set; file names on disk are UTF-8.
namespace CodePages {
// The code page ("CP1250") of a character set name of the fonts.
std::string OfCharSet(const std::string& charSet);
// The Unicode code point of byte code in the code page, or -1 when the page leaves it unused.
int ToUnicode(const std::string& codePage, unsigned char code);
// UTF-8 text converted to the code page; throws when a character has no code there.
std::string FromUtf8(const std::string& codePage, const std::string& utf8);
// UTF-8 text converted to the code page; false when a character has no code there.
bool TryFromUtf8(const std::string& codePage, const std::string& utf8, std::string& out);
// 8-bit text in the code page as UTF-8; bytes the page leaves unused are dropped.
std::string ToUtf8(const std::string& codePage, const std::string& text);
} // namespace CodePages
