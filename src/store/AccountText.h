#pragma once
// The characters of account texts, shared by the program and the club server: Latin letters,
// digits, "!", "(", ")", ",", "-", ".", "@", "_" and the Cyrillic letters of Windows-1251. A
// nick, password or e-mail takes no Cyrillic; a city may. The chat keeps the same characters.

#include <string_view>

namespace zendral {

// Whether a Windows-1251 byte is one of the account characters.
bool IsAccountTextByte(unsigned char c);

// Field checks: 1 invalid, 2 valid but with Cyrillic letters, 3 valid. Texts are UTF-8.
enum class FieldKind : int { kCharacter = 0, kNick = 1, kCity = 2, kPassword = 3, kEMail = 4 };
int CheckAccountField(std::string_view text, FieldKind kind);
// The passport's name (kNick: 2..12) and city (kCity: 2..15); Cyrillic letters allowed in both.
int CheckPassportField(std::string_view text, FieldKind kind);

}  // namespace zendral
