#include "store/TextFields.h"

#include <cmath>
#include <limits>

namespace zendral {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return TrimRight(text);
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::int64_t Power10(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

}  // namespace

std::optional<int> ParseInt(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!IsDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    value = value * 10 + (c - '0');
    if (value > static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1) {
      return std::nullopt;
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> ParseIntField(std::string_view text) {
  return ParseInt(TrimSpaces(text));
}

std::optional<std::int64_t> ParseFixedField(std::string_view text, int decimals) {
  text = TrimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::string_view whole = text;
  std::string_view fraction;
  if (const auto sep = text.find_first_of(",."); sep != std::string_view::npos) {
    whole = text.substr(0, sep);
    fraction = text.substr(sep + 1);
    if (!IsDigits(fraction) || fraction.size() > static_cast<std::size_t>(decimals)) {
      return std::nullopt;
    }
  }
  if (!IsDigits(whole) || whole.size() > 12) return std::nullopt;
  std::int64_t units = 0;
  for (const char c : whole) units = units * 10 + (c - '0');
  std::int64_t part = 0;
  for (const char c : fraction) part = part * 10 + (c - '0');
  units = units * Power10(decimals) + part * Power10(decimals - static_cast<int>(fraction.size()));
  return negative ? -units : units;
}

std::string FormatFixed(std::int64_t units, int decimals) {
  const std::int64_t scale = Power10(decimals);
  const bool negative = units < 0;
  // Magnitude as unsigned, so the most negative value has no overflow.
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / static_cast<std::uint64_t>(scale));
  if (decimals > 0) {
    text += ',';
    text += PadLeft(std::to_string(magnitude % static_cast<std::uint64_t>(scale)),
                    static_cast<std::size_t>(decimals), '0');
  }
  return text;
}

std::int64_t ToUnits(double value, int decimals) {
  if (std::isnan(value)) return 0;
  const double scaled = value * static_cast<double>(Power10(decimals));
  constexpr double kLimit = 9.0e15;  // well inside int64 and exact in a double
  if (scaled >= kLimit) return static_cast<std::int64_t>(kLimit);
  if (scaled <= -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(std::nearbyint(scaled));
}

std::int64_t RoundUnits(std::int64_t units, int from, int to) {
  const std::int64_t step = Power10(from - to);
  const std::int64_t magnitude = (units < 0 ? -units : units) + step / 2;
  return (units < 0 ? -1 : 1) * (magnitude / step);
}

std::string PadLeft(std::string_view text, std::size_t width, char fill) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), fill);
  out += text;
  return out;
}

std::string FitRight(std::string_view text, std::size_t width, char fill) {
  std::string out(text.substr(0, width));
  out.resize(width, fill);
  return out;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace zendral
