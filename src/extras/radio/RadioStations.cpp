#include "extras/radio/RadioStations.h"

#include <array>

namespace zendral::radio {

namespace {

constexpr std::array<RadioCountry, 28> kCountries = {{
    {"RUS", "Russian Federation", "h:WBR"},
    {"UA0", "Ukraine", "h:BY"},
    {"BEL", "Belarus", "h:RRG"},
    {"MOL", "Moldova", "v:BYR+dO"},
    {"EST", "Estonia", "h:BKW"},
    {"LAT", "Latvia", "h:MWM"},
    {"LIT", "Lithuania", "h:YGR"},
    {"ARM", "Armenia", "h:RBO"},
    {"GEO", "Georgia", "h:W+pR"},
    {"AZE", "Azerbaijan", "h:BRG+dW"},
    {"KZ0", "Kazakhstan", "h:C+dY"},
    {"UZ0", "Uzbekistan", "h:BWG"},
    {"USA", "USA", "h:RWRWRWR+cN"},
    {"CAN", "Canada", "v:RWR+dR"},
    {"UK0", "United Kingdom", "h:N+pR"},
    {"AUS", "Australia", "h:N+cN+sW"},
    {"DE0", "Deutschland", "h:KRY"},
    {"FRA", "France", "v:BWR"},
    {"ITA", "Italy", "v:GWR"},
    {"NED", "Netherlands", "h:RWB"},
    {"SWE", "Sweden", "h:B+xY"},
    {"CZ0", "Czech Republic", "h:WR+tB"},
    {"ESP", "Spain", "h:RYYR"},
    {"BRA", "Brazil", "h:G+dY"},
    {"IND", "India", "h:OWG+dB"},
    {"CHI", "China", "h:R+sY"},
    {"JAP", "Japan", "h:W+dR"},
    {"SK0", "South Korea", "h:W+dR"},
}};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

// Calls take(line) for every line of the text until it returns false.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
      text = {};
    } else {
      text.remove_prefix(end + 1);
      if (text.starts_with('\n') && text.data()[-1] == '\r') text.remove_prefix(1);
    }
    if (!take(line)) return;
  }
}

}  // namespace

std::span<const RadioCountry> RadioCountries() {
  return kCountries;
}

std::optional<int> CountryPositionOfCode(std::string_view code) {
  for (std::size_t i = 0; i < kCountries.size(); ++i) {
    if (kCountries[i].code == code) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> CountryPositionOfName(std::string_view name) {
  for (std::size_t i = 0; i < kCountries.size(); ++i) {
    if (kCountries[i].name == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<Station> ParseStationLine(std::string_view line) {
  if (line.empty() || line.front() == '#' || Trim(line).empty()) return std::nullopt;
  // The fixed columns first: the country code, a separator, the key up to character 11.
  if (line.size() < 5) return std::nullopt;
  const std::string_view head = line.substr(0, line.find('#'));
  Station station;
  station.countryCode = std::string(line.substr(0, 3));
  station.key = std::string(Trim(head.size() > 4 ? head.substr(4, 7) : std::string_view{}));

  std::array<std::string_view, 6> fields{};
  std::size_t count = 0;
  for (std::string_view rest = line; count < fields.size();) {
    const std::size_t hash = rest.find('#');
    fields[count++] = rest.substr(0, hash);
    if (hash == std::string_view::npos) break;
    rest.remove_prefix(hash + 1);
  }
  station.name = std::string(Trim(fields[2]));
  station.countryName = std::string(Trim(fields[3]));
  station.address = std::string(Trim(fields[4]));
  station.logo = std::string(Trim(fields[5]));
  if (station.logo.empty()) station.logo = std::string(kUnknownLogo);
  if (station.key.empty() || station.name.empty() || station.address.empty()) return std::nullopt;
  return station;
}

std::vector<Station> StationsOfCountry(std::string_view listText, std::string_view countryCode) {
  std::vector<Station> stations;
  ForEachLine(listText, [&](std::string_view line) {
    if (!line.starts_with(countryCode)) return true;
    if (auto station = ParseStationLine(line); station && station->countryCode == countryCode) {
      stations.push_back(std::move(*station));
    }
    return true;
  });
  return stations;
}

std::optional<Station> StationOfKey(std::string_view listText, std::string_view key) {
  std::optional<Station> found;
  if (key.empty()) return found;
  ForEachLine(listText, [&](std::string_view line) {
    auto station = ParseStationLine(line);
    if (station && station->key == key) found = std::move(station);
    return !found;
  });
  return found;
}

}  // namespace zendral::radio
