#include "Fields.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QUtf8StringView>

#include <cmath>

#include "store/AccountText.h"
#include "store/Cp1251.h"

namespace zendral::server {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// %XX to its byte; a "%" without two hex digits stays as it is.
QByteArray PercentDecode(const QByteArray& in, bool plusIsSpace) {
  QByteArray out;
  out.reserve(in.size());
  for (qsizetype i = 0; i < in.size(); ++i) {
    const char c = in[i];
    if (c == '%' && i + 2 < in.size() && HexDigit(in[i + 1]) >= 0 && HexDigit(in[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(in[i + 1]) * 16 + HexDigit(in[i + 2]));
      i += 2;
    } else if (c == '+' && plusIsSpace) {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

QString FromCp1251(const QByteArray& bytes) {
  return QString::fromStdString(Cp1251ToUtf8(std::string_view(bytes.constData(), bytes.size())));
}

QString FromFormBytes(const QByteArray& bytes) {
  if (QUtf8StringView(bytes.constData(), bytes.size()).isValidUtf8()) {
    return QString::fromUtf8(bytes);
  }
  return FromCp1251(bytes);
}

// Whether every character of the text is an account character, or one of the extras. A
// character Windows-1251 cannot hold is none.
bool AccountCharactersOnly(const QString& text, std::string_view extras = {}) {
  for (const char c : Utf8ToCp1251(text.toStdString(), '\x01')) {
    if (!IsAccountTextByte(static_cast<unsigned char>(c)) &&
        extras.find(c) == std::string_view::npos) {
      return false;
    }
  }
  return true;
}

}  // namespace

Fields Fields::Decode(const QByteArray& body) {
  bool raw = false;
  for (const char c : body) {
    if (c == ' ' || static_cast<unsigned char>(c) >= 0x80) {
      raw = true;
      break;
    }
  }
  Fields fields;
  for (const QByteArray& pair : body.split('&')) {
    if (pair.isEmpty()) continue;
    const qsizetype eq = pair.indexOf('=');
    const QByteArray name = eq < 0 ? pair : pair.left(eq);
    const QByteArray value = eq < 0 ? QByteArray() : pair.mid(eq + 1);
    QString n =
        raw ? FromCp1251(PercentDecode(name, false)) : FromFormBytes(PercentDecode(name, true));
    QString v =
        raw ? FromCp1251(PercentDecode(value, false)) : FromFormBytes(PercentDecode(value, true));
    if (n.isEmpty() || fields.Has(n)) continue;
    fields.pairs_.emplace_back(std::move(n), std::move(v));
  }
  return fields;
}

bool Fields::Has(const QString& name) const {
  for (const auto& [n, v] : pairs_) {
    if (n == name) return true;
  }
  return false;
}

QString Fields::Value(const QString& name) const {
  for (const auto& [n, v] : pairs_) {
    if (n == name) return v;
  }
  return {};
}

std::optional<int> Fields::Int(const QString& name) const {
  return ParseInt(Value(name));
}
std::optional<double> Fields::Real(const QString& name) const {
  return ParseReal(Value(name));
}

std::optional<int> ParseInt(const QString& text) {
  if (text.isEmpty() || text.size() > 11) return std::nullopt;
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok || text.startsWith('+') || text.contains(' ')) return std::nullopt;
  return value;
}

std::optional<double> ParseReal(const QString& text) {
  if (text.isEmpty() || text.size() > 32) return std::nullopt;
  for (const QChar c : text) {
    if (!(c.isDigit() || c == '-' || c == '.' || c == 'e' || c == 'E')) return std::nullopt;
  }
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

FieldCheck CheckTextField(const QString& text, FieldKind kind) {
  return CheckAccountField(text.toStdString(), kind);
}

bool IsPassportName(const QString& text, bool latinOnly) {
  if (text.size() < 2 || text.size() > 12) return false;
  const FieldCheck check = CheckTextField(text, FieldKind::kCity);  // Cyrillic allowed
  return latinOnly ? check == kFieldValid : check != kFieldInvalid;
}

bool IsPassportCity(const QString& text) {
  return text.size() >= 2 && CheckTextField(text, FieldKind::kCity) != kFieldInvalid;
}

bool IsSex(const QString& text) {
  return text == "M" || text == "W";
}

bool IsCountryCode(const QString& text) {
  return text.size() == 5 && text[0] >= '1' && text[0] <= '6' && text[1] == '-' &&
         text[2].isDigit() && text[3].isDigit() && text[4].isDigit() && text[2].unicode() < 128 &&
         text[3].unicode() < 128 && text[4].unicode() < 128;
}

bool IsCountryName(const QString& text) {
  if (text.isEmpty() || text.size() > 20) return false;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
                    u == '.' || u == '_' || u == '-';
    if (!ok) return false;
  }
  return true;
}

QString CleanText(const QString& text, int maxChars, bool noSpaces) {
  QString out;
  out.reserve(std::min<qsizetype>(text.size(), maxChars));
  for (const QChar c : text) {
    if (out.size() >= maxChars) break;
    const char16_t u = c.unicode();
    if (u == '$' || u == '*' || u == '~' || u == '#' || u < 0x20 || u == 0x7F) continue;
    if (c.isSurrogate()) continue;
    out += (noSpaces && u == ' ') ? QChar('_') : c;
  }
  return out;
}

bool IsChatText(const QString& text) {
  return IsTravellingFreeText(text.toStdString(), FreeTextUse::kChat, 80);
}

bool IsChatStamp(const QString& text) {
  if (text.isEmpty() || text.size() > 40) return false;
  return AccountCharactersOnly(text, ":/ ");
}

bool IsVersion(const QString& text) {
  if (text.isEmpty() || text.size() > 10) return false;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (!((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '.')) {
      return false;
    }
  }
  return true;
}

}  // namespace zendral::server
