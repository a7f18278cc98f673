#include "online/Advertising.h"

#include <algorithm>
#include <cstdio>

#include "protocol/Keys.h"

namespace zendral::online {

namespace advertising = protocol::advertising;

namespace {

std::string EntryKey(int number, char kind) {
  char key[16];
  std::snprintf(key, sizeof key, "%s%03d%c", advertising::kPrefix, number, kind);
  return key;
}

}  // namespace

std::optional<std::string> AdvertisingValue(std::string_view text, std::string_view key) {
  std::string pattern(key);
  pattern += '=';
  const size_t at = text.find(pattern);
  if (at == std::string_view::npos) return std::nullopt;
  const size_t start = at + pattern.size();
  const size_t end = text.find(advertising::kEnd, start);
  return std::string(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
}

int AdvertisingCount(std::string_view text) {
  const auto value = AdvertisingValue(text, advertising::kCount);
  if (!value || value->size() != 3) return 0;
  int count = 0;
  for (const char c : *value) {
    if (c < '0' || c > '9') return 0;
    count = count * 10 + (c - '0');
  }
  return count;
}

AdvertisingEntry AdvertisingEntryOf(std::string_view text, int number) {
  AdvertisingEntry entry;
  entry.number = number;
  entry.picture = AdvertisingValue(text, EntryKey(number, advertising::kPicture)).value_or("");
  entry.name = AdvertisingValue(text, EntryKey(number, advertising::kName)).value_or("");
  entry.link = AdvertisingValue(text, EntryKey(number, advertising::kLink)).value_or("");
  return entry;
}

std::vector<int> DrawAdvertisingNumbers(int count, const RandomInRange& random) {
  std::vector<int> drawn;
  if (count < kAdvertisingShown) return drawn;
  const auto taken = [&](int n) { return std::find(drawn.begin(), drawn.end(), n) != drawn.end(); };
  for (int tries = 0; tries < 1000 && static_cast<int>(drawn.size()) < kAdvertisingShown; ++tries) {
    const int n = random(1, count);
    if (n >= 1 && n <= count && !taken(n)) drawn.push_back(n);
  }
  for (int n = 1; static_cast<int>(drawn.size()) < kAdvertisingShown; ++n) {
    if (!taken(n)) drawn.push_back(n);
  }
  return drawn;
}

std::optional<std::array<AdvertisingEntry, kAdvertisingShown>> ChooseAdvertising(
    const std::optional<std::string>& directory, const RandomInRange& random) {
  if (!directory) return std::nullopt;
  const std::vector<int> numbers = DrawAdvertisingNumbers(AdvertisingCount(*directory), random);
  if (numbers.size() != kAdvertisingShown) return std::nullopt;
  std::array<AdvertisingEntry, kAdvertisingShown> entries;
  for (int i = 0; i < kAdvertisingShown; ++i)
    entries[i] = AdvertisingEntryOf(*directory, numbers[i]);
  return entries;
}

std::optional<std::array<AdvertisingEntry, kAdvertisingShown>> ReadAdvertising(
    RequestFrame& frame, const std::string& address, const RandomInRange& random) {
  return ChooseAdvertising(frame.FetchDocument(address), random);
}

}  // namespace zendral::online
