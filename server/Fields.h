#pragma once
// The name=value fields of a service request, decoded from either body style the program
// sends, and the checks and clean-ups applied to the texts before they are stored.

#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QByteArray;

#include "store/AccountText.h"

namespace zendral::server {

class Fields {
 public:
  // Form style (percent-encoded UTF-8, "+" for a space) or raw style (Windows-1251 bytes with
  // only "%", "&", "=" and "+" percent-encoded in values): a literal space or any byte of 0x80
  // and above marks the body as raw. Empty pairs are skipped; the first of two equal names wins.
  static Fields Decode(const QByteArray& body);

  bool Has(const QString& name) const;
  // The value, or an empty text when the field is missing.
  QString Value(const QString& name) const;
  // The value as a signed 32-bit decimal (a leading "-" allowed), or nothing.
  std::optional<int> Int(const QString& name) const;
  std::optional<double> Real(const QString& name) const;
  bool Empty() const { return pairs_.empty(); }

 private:
  std::vector<std::pair<QString, QString>> pairs_;
};

std::optional<int> ParseInt(const QString& text);
// A real number in the program's form ("." as the separator, no exponent needed).
std::optional<double> ParseReal(const QString& text);

// The program's own check of account and passport texts.
FieldCheck CheckTextField(const QString& text, FieldKind kind);

// A passport name (2..12) or city (2..15) in the allowed characters; Latin only when asked.
bool IsPassportName(const QString& text, bool latinOnly);
bool IsPassportCity(const QString& text);
// "M" or "W".
bool IsSex(const QString& text);
// A country code: continent digit 1..6, "-", three digits.
bool IsCountryCode(const QString& text);
// A country in server form: 1..20 characters of letters, digits and "._-".
bool IsCountryName(const QString& text);

// A text the server stores and writes back: never "$", "*", "~" or "#", no control
// characters, at most maxChars characters. With noSpaces, a space becomes "_" (texts that
// travel as space-separated tokens).
QString CleanText(const QString& text, int maxChars, bool noSpaces = false);

// A chat message in the travelling form of free texts (AccountText.h): 1..80 characters once
// decoded, nothing in it that the replies use.
bool IsChatText(const QString& text);
// The sender's time, date and program name ("14:05:33_09.12.2026_Zendral"): allowed account
// characters, ":", "/" and spaces, at most 40.
bool IsChatStamp(const QString& text);
// A program version such as "5.7f": 1..10 letters, digits and dots.
bool IsVersion(const QString& text);

}  // namespace zendral::server
