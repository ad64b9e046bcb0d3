// Windows-1252 <-> Unicode. The five bytes the code page leaves undefined
// (81 8D 8F 90 9D) map to the C1 controls of the same number, so every byte
// survives a round trip through Unicode.
#pragma once

#include <string>

std::string Win1252ToUtf8(const std::string& s);
// Characters outside the code page, and malformed UTF-8, become '?'.
std::string Utf8ToWin1252(const std::string& s);
std::string Utf16ToWin1252(const std::u16string& s);
std::u16string Win1252ToUtf16(const std::string& s);
