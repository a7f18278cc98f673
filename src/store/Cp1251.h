#pragma once
// Windows-1251, the single-byte code page of every file and wire message of the program.
// Inside the program text is UTF-8; these two functions convert at the file boundary.

#include <string>
#include <string_view>

namespace zendral {

// Every byte has a character: the one byte that Windows leaves undefined (0x98) is carried as
// U+0098, so decoding and encoding again gives back any file byte for byte.
std::string Cp1251ToUtf8(std::string_view bytes);

// Characters without a Windows-1251 byte, and malformed UTF-8, become the replacement byte.
std::string Utf8ToCp1251(std::string_view text, char replacement = '?');

}  // namespace zendral
