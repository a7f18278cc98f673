#include "online/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zendral::online {

std::optional<int> ParseIntToken(std::string_view token) {
  if (token.empty()) return std::nullopt;
  std::size_t pos = 0;
  bool negative = false;
  if (token[0] == '-' || token[0] == '+') {
    negative = token[0] == '-';
    pos = 1;
  }
  if (pos == token.size()) return std::nullopt;
  long long value = 0;
  for (; pos < token.size(); ++pos) {
    const char c = token[pos];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

std::optional<double> ParseRealToken(std::string_view token) {
  std::string text(token);
  for (char& c : text) {
    if (c != ' ' && c != '-' && (c < '0' || c > '9')) {
      c = '.';
      break;
    }
  }
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0.0;
  const std::size_t last = text.find_last_not_of(' ');
  const std::string_view trimmed(text.data() + first, last - first + 1);
  double value = 0;
  const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (ec != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string FormatRating(double rating) {
  if (!std::isfinite(rating) || std::fabs(rating) < 0.00001) return "0";
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string ShowRating(double rating, char decimalSeparator) {
  if (!std::isfinite(rating)) rating = 0;
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::fixed, 3);
  std::string text = ec != std::errc() ? "0.000" : std::string(buffer, end);
  if (text == "-0.000") text = "0.000";
  for (char& c : text) {
    if (c == '.') c = decimalSeparator;
  }
  return text;
}

}  // namespace zendral::online
