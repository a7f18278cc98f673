#include "online/RequestBody.h"

#include "store/Cp1251.h"

namespace zendral::online {
namespace {

constexpr std::string_view kHex = "0123456789ABCDEF";

void AppendFormEncoded(std::string& out, std::string_view text) {
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_') {
      out += ch;
    } else if (c == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
}

}  // namespace

std::string FormBody(const Fields& fields) {
  std::string body;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) body += "&&";
    AppendFormEncoded(body, fields[i].first);
    body += '=';
    AppendFormEncoded(body, fields[i].second);
  }
  return body;
}

std::string EscapeRawValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (const char ch : value) {
    switch (ch) {
      case '%':
        out += "%25";
        break;
      case '&':
        out += "%26";
        break;
      case '=':
        out += "%3D";
        break;
      case '+':
        out += "%2B";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

std::string RawBody(const Fields& fields) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += '&';
    text += fields[i].first;
    text += '=';
    text += EscapeRawValue(fields[i].second);
  }
  return Utf8ToCp1251(text);
}

}  // namespace zendral::online
