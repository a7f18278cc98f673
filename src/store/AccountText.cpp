#include "store/AccountText.h"

#include <algorithm>
#include <string>

#include "store/Cp1251.h"

namespace zendral {
namespace {

// А..я, Ё and ё.
bool IsCyrillic(unsigned char c) {
  return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

// Steps 1 to 4 of the check, on the Windows-1251 bytes, with the kind's length limits.
FieldCheck CheckCharacters(const std::string& s, FieldKind kind, std::size_t minimum,
                           std::size_t maximum) {
  if (s.empty()) return kFieldInvalid;
  if (s.size() > maximum || s.size() < minimum) return kFieldInvalid;
  if (kind != FieldKind::kCharacter && s.size() == 1) return kFieldInvalid;
  FieldCheck result = kFieldValid;
  for (const char ch : s) {
    if (IsCyrillic(static_cast<unsigned char>(ch))) result = kFieldCyrillic;
  }
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsAccountTextByte(c)) return kFieldInvalid;
  }
  return result;
}

// ---- Free texts

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsControlByte(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

// The bytes a free text travels escaped in.
bool TravelsEscaped(unsigned char c, FreeTextUse use) {
  switch (c) {
    case '%':
    case '$':
    case '*':
    case '~':
    case '#':
      return true;
    case '_':
      return use == FreeTextUse::kChat;
    default:
      return false;
  }
}

// The escaped byte that starts at i ("%24"), if one does.
std::optional<unsigned char> EscapeAt(std::string_view s, std::size_t i) {
  if (s.size() < 3 || i > s.size() - 3 || s[i] != '%') return std::nullopt;
  const int hi = HexValue(s[i + 1]);
  const int lo = HexValue(s[i + 2]);
  if (hi < 0 || lo < 0) return std::nullopt;
  return static_cast<unsigned char>(hi << 4 | lo);
}

// A malformed UTF-8 sequence or a character without a Windows-1251 byte turns into this.
constexpr char kNoByte = '\x01';

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

FieldCheck CheckAccountField(std::string_view text, FieldKind kind) {
  // A character that Windows-1251 cannot hold turns into a byte outside the allowed set.
  const std::string s = Utf8ToCp1251(text, '\x01');
  const std::size_t minimum = kind == FieldKind::kPassword ? 4 : 0;
  FieldCheck result = CheckCharacters(s, kind, minimum, MaximumLength(kind));
  if (result == kFieldCyrillic &&
      (kind == FieldKind::kNick || kind == FieldKind::kPassword || kind == FieldKind::kEMail)) {
    result = kFieldInvalid;
  }
  if (result == kFieldValid && kind == FieldKind::kEMail) {
    const std::size_t at = s.find('@');
    if (at == std::string::npos || at == 0 || at + 1 == s.size()) result = kFieldInvalid;
  }
  return result;
}

TypedRefusal CheckFreeText(std::string_view text) {
  for (const char ch : Utf8ToCp1251(text, kNoByte)) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == kNoByte) return TypedRefusal::kCodePage;
    if (IsControlByte(c)) return TypedRefusal::kControl;
  }
  return TypedRefusal::kNone;
}

std::string FirstRefusedCharacter(std::string_view text) {
  // One UTF-8 character at a time: its lead byte tells its length.
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    n = std::min(n, text.size() - i);
    const std::string_view one = text.substr(i, n);
    if (CheckFreeText(one) != TypedRefusal::kNone) return std::string(one);
    i += n;
  }
  return {};
}

std::string EncodeFreeText(std::string_view text, FreeTextUse use, std::size_t maxChars) {
  std::string bytes;
  std::size_t taken = 0;
  for (const char ch : Utf8ToCp1251(text, kNoByte)) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == kNoByte || IsControlByte(c)) continue;
    if (taken == maxChars) break;
    ++taken;
    if (TravelsEscaped(c, use)) {
      bytes += '%';
      bytes += kHexDigits[c >> 4];
      bytes += kHexDigits[c & 0x0F];
    } else if (c == ' ' && use == FreeTextUse::kChat) {
      bytes += '_';
    } else {
      bytes += ch;
    }
  }
  return Cp1251ToUtf8(bytes);
}

std::string DecodeFreeText(std::string_view encoded, FreeTextUse use) {
  const std::string s = Utf8ToCp1251(encoded);
  std::string bytes;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (const auto escaped = EscapeAt(s, i)) {
      bytes += static_cast<char>(*escaped);
      i += 2;
    } else if (s[i] == '_' && use == FreeTextUse::kChat) {
      bytes += ' ';
    } else {
      bytes += s[i];
    }
  }
  return Cp1251ToUtf8(bytes);
}

bool IsTravellingFreeText(std::string_view encoded, FreeTextUse use, std::size_t maxChars) {
  const std::string s = Utf8ToCp1251(encoded, kNoByte);
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (s[i] == kNoByte || IsControlByte(c)) return false;
    if (c == ' ' && use == FreeTextUse::kChat) return false;
    if (const auto escaped = EscapeAt(s, i)) {
      i += 2;
    } else if (TravelsEscaped(c, use) && c != '_') {
      return false;
    }
    ++chars;
  }
  return chars >= 1 && chars <= maxChars;
}

std::string CutFreeText(std::string_view encoded, FreeTextUse use, std::size_t maxChars) {
  (void)use;
  const std::string s = Utf8ToCp1251(encoded);
  std::size_t end = 0;
  std::size_t chars = 0;
  while (end < s.size() && chars < maxChars) {
    end += EscapeAt(s, end) ? 3 : 1;
    ++chars;
  }
  return Cp1251ToUtf8(s.substr(0, end));
}

FieldCheck CheckPassportField(std::string_view text, FieldKind kind) {
  const std::string s = Utf8ToCp1251(text, '\x01');
  return CheckCharacters(s, kind, 2, kind == FieldKind::kCity ? 15 : 12);
}

}  // namespace zendral
