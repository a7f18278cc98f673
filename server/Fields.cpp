#include "Fields.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QUtf8StringView>

#include <cmath>

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

bool IsCyrillic(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

bool IsAllowedLatin(QChar c) {
  const char16_t u = c.unicode();
  if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')) return true;
  switch (u) {
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
      return false;
  }
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

int CheckAccountField(const QString& s, FieldKind kind) {
  if (s.isEmpty()) return 1;
  const qsizetype n = s.size();
  if ((kind == FieldKind::kNick && n > 12) || (kind == FieldKind::kCity && n > 15) ||
      (kind == FieldKind::kPassword && (n > 12 || n < 4)) ||
      (kind == FieldKind::kEmail && n > 30)) {
    return 1;
  }
  if (n == 1) return 1;
  int result = 3;
  for (const QChar c : s) {
    if (IsCyrillic(c)) result = 2;
  }
  for (const QChar c : s) {
    if (!IsCyrillic(c) && !IsAllowedLatin(c)) return 1;
  }
  if (result == 2 && kind != FieldKind::kCity) return 1;
  if (kind == FieldKind::kEmail && result == 3) {
    const qsizetype at = s.indexOf('@');
    if (at < 1 || at == n - 1) return 1;
  }
  return result;
}

bool IsPassportName(const QString& text, bool latinOnly) {
  if (text.size() < 2 || text.size() > 12) return false;
  const int check = CheckAccountField(text, FieldKind::kCity);  // Cyrillic allowed
  return latinOnly ? check == 3 : check >= 2;
}

bool IsPassportCity(const QString& text) {
  return text.size() >= 2 && CheckAccountField(text, FieldKind::kCity) >= 2;
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
  if (text.isEmpty() || text.size() > 80) return false;
  for (const QChar c : text) {
    if (!IsCyrillic(c) && !IsAllowedLatin(c)) return false;
  }
  return true;
}

bool IsChatStamp(const QString& text) {
  if (text.isEmpty() || text.size() > 40) return false;
  for (const QChar c : text) {
    if (!IsCyrillic(c) && !IsAllowedLatin(c) && c != ':' && c != '/' && c != ' ') return false;
  }
  return true;
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
