#include "store/AccountText.h"

#include <string>

#include "store/Cp1251.h"

namespace zendral {
namespace {

// А..я, Ё and ё.
bool IsCyrillic(unsigned char c) {
  return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

// Steps 1 to 4 of the check, on the Windows-1251 bytes, with the kind's length limits.
int CheckCharacters(const std::string& s, FieldKind kind, std::size_t minimum,
                    std::size_t maximum) {
  if (s.empty()) return 1;
  if (s.size() > maximum || s.size() < minimum) return 1;
  if (kind != FieldKind::kCharacter && s.size() == 1) return 1;
  int result = 3;
  for (const char ch : s) {
    if (IsCyrillic(static_cast<unsigned char>(ch))) result = 2;
  }
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsAccountTextByte(c)) return 1;
  }
  return result;
}

std::size_t MaximumLength(FieldKind kind) {
  switch (kind) {
    case FieldKind::kNick:
      return 12;
    case FieldKind::kCity:
      return 15;
    case FieldKind::kPassword:
      return 12;
    case FieldKind::kEMail:
      return 30;
    case FieldKind::kCharacter:
      break;
  }
  return std::string::npos;
}

}  // namespace

bool IsAccountTextByte(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '!':
    case '(':
    case ')':
    case ',':
    case '-':
    case '.':
    case '@':
    case '_':
      return true;
    default:
      return IsCyrillic(c);
  }
}

int CheckAccountField(std::string_view text, FieldKind kind) {
  // A character that Windows-1251 cannot hold turns into a byte outside the allowed set.
  const std::string s = Utf8ToCp1251(text, '\x01');
  const std::size_t minimum = kind == FieldKind::kPassword ? 4 : 0;
  int result = CheckCharacters(s, kind, minimum, MaximumLength(kind));
  if (result == 2 &&
      (kind == FieldKind::kNick || kind == FieldKind::kPassword || kind == FieldKind::kEMail)) {
    result = 1;
  }
  if (result == 3 && kind == FieldKind::kEMail) {
    const std::size_t at = s.find('@');
    if (at == std::string::npos || at == 0 || at + 1 == s.size()) result = 1;
  }
  return result;
}

int CheckPassportField(std::string_view text, FieldKind kind) {
  const std::string s = Utf8ToCp1251(text, '\x01');
  return CheckCharacters(s, kind, 2, kind == FieldKind::kCity ? 15 : 12);
}

}  // namespace zendral
