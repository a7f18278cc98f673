#pragma once
// The characters of account texts, shared by the program and the club server: Latin letters,
// digits, "!", "(", ")", ",", "-", ".", "@", "_" and the Cyrillic letters of Windows-1251. A
// nick, password or e-mail takes no Cyrillic; a city may. The chat keeps the same characters.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zendral {

// Whether a Windows-1251 byte is one of the account characters.
bool IsAccountTextByte(unsigned char c);

// Field checks on UTF-8 texts. The values are ordered (a Cyrillic text is "at least valid
// with Cyrillic"), so callers may also compare them.
enum class FieldKind : int { kCharacter = 0, kNick = 1, kCity = 2, kPassword = 3, kEMail = 4 };
enum FieldCheck : int { kFieldInvalid = 1, kFieldCyrillic = 2, kFieldValid = 3 };
FieldCheck CheckAccountField(std::string_view text, FieldKind kind);
// The passport's name (kNick: 2..12) and city (kCity: 2..15); Cyrillic letters allowed in both.
FieldCheck CheckPassportField(std::string_view text, FieldKind kind);

// ---- Free texts: a chat line and the fields of a profile
//
// What a player types there travels in Windows-1251 and comes back inside replies whose
// grammar gives " ", "$", "*", "~" and "#" a meaning. So every character that Windows-1251
// holds may be typed, and the few that the replies use travel escaped as "%" and the two hex
// digits of their byte ("$" as "%24"); "%" itself travels as "%25". In a chat line, a token of
// its own, a space travels as "_" and a typed "_" as "%5F" (an "_" always reads as a space, as
// the family's older programs wrote it). The program and the club server share this rule.

enum class FreeTextUse { kChat, kProfile };

// Why a character cannot be typed into a free text.
enum class TypedRefusal {
  kNone,
  kCodePage,  // Windows-1251 has no such character (a Japanese one, say)
  kControl,   // a control character (a tab, a line break)
};
// The first refusal in a text (UTF-8); kNone when every character may travel.
TypedRefusal CheckFreeText(std::string_view text);
// The first character of the text that is refused, as UTF-8; empty when none is.
std::string FirstRefusedCharacter(std::string_view text);

// The text as it travels (UTF-8 in and out; Cyrillic stays Cyrillic). Refused characters are
// left out, and at most maxChars characters are taken.
std::string EncodeFreeText(std::string_view text, FreeTextUse use,
                           std::size_t maxChars = std::string_view::npos);
// The text as typed again. An "%" that starts no escape stays as it is.
std::string DecodeFreeText(std::string_view encoded, FreeTextUse use);
// What a server accepts: a text in the travelling form (no character the replies use, no
// control character, for the chat no space) whose decoded form has 1..maxChars characters.
bool IsTravellingFreeText(std::string_view encoded, FreeTextUse use, std::size_t maxChars);
// The longest start of a travelling text whose decoded form has at most maxChars characters,
// never cutting an escape in two.
std::string CutFreeText(std::string_view encoded, FreeTextUse use, std::size_t maxChars);

}  // namespace zendral
