#include "extras/radio/RadioState.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "extras/radio/RadioStations.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"

namespace zendral::radio {

namespace {

// The state file is seven short lines; anything longer is not one.
constexpr std::size_t kLargestStateFile = 16 * 1024;

std::optional<int> Number(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int ClampVolume(int volume) {
  volume = std::clamp(volume, 0, 100);
  return (volume + kRadioVolumeStep / 2) / kRadioVolumeStep * kRadioVolumeStep;
}

}  // namespace

RadioState DefaultRadioState(std::string_view serviceBase) {
  RadioState state;
  state.stationName = "Zendral Radio";
  std::string base(serviceBase);
  while (!base.empty() && base.back() == '/') base.pop_back();
  state.address = base + "/radio/zendral";
  state.countryName = std::string(RadioCountries()[0].name);
  state.logo = "RRADIO_LOGO_ZENDRAL";
  return state;
}

std::optional<RadioState> ParseRadioState(std::string_view bytes) {
  const std::vector<std::string_view> lines = SplitLines(bytes, 7);
  if (lines.size() < 7) return std::nullopt;
  const std::optional<int> volume = Number(lines[5]);
  const std::optional<int> position = Number(lines[6]);
  if (!volume || !position) return std::nullopt;
  RadioState state;
  state.stationName = Cp1251ToUtf8(lines[0]);
  state.address = Cp1251ToUtf8(lines[1]);
  state.countryName = Cp1251ToUtf8(lines[2]);
  state.logo = Cp1251ToUtf8(lines[3]);
  state.playing = lines[4] == "1";
  state.volume = ClampVolume(*volume);
  state.countryPosition = std::clamp(*position, 0, static_cast<int>(RadioCountries().size()) - 1);
  return state;
}

std::string FormatRadioState(const RadioState& state) {
  return JoinLines({Utf8ToCp1251(state.stationName), Utf8ToCp1251(state.address),
                    Utf8ToCp1251(state.countryName), Utf8ToCp1251(state.logo),
                    state.playing ? "1" : "0", std::to_string(ClampVolume(state.volume)),
                    std::to_string(state.countryPosition)});
}

RadioState ReadRadioState(const std::filesystem::path& file, const RadioState& fallback) {
  const FileBytes read = ReadFileBytes(file, kLargestStateFile);
  if (read.status != ReadStatus::kOk) return fallback;
  return ParseRadioState(read.bytes).value_or(fallback);
}

bool WriteRadioState(const std::filesystem::path& file, const RadioState& state) {
  return WriteFileAtomic(file, FormatRadioState(state));
}

int RadioVolumeUp(int volume) {
  return std::min(100, ClampVolume(volume) + kRadioVolumeStep);
}

int RadioVolumeDown(int volume) {
  return std::max(0, ClampVolume(volume) - kRadioVolumeStep);
}

std::string RadioVolumePicture(int volume) {
  const int tens = (std::clamp(volume, 0, 100) + 9) / 10;
  std::string name = "RRADIO_VOLUME";
  name += static_cast<char>('0' + tens / 10);
  name += static_cast<char>('0' + tens % 10);
  return name;
}

}  // namespace zendral::radio
