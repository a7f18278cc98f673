#pragma once
// The radio's state between runs, "KovRadio.ini" in the parent folder of the program folder:
// seven Windows-1251 lines with CR LF ends, the station's name, its stream address, its
// country's name, its logo, "1" when the radio was playing (else "0"), the volume in per cent
// and the position in the country list.
//
// Volumes on the radio go in steps of 10 from 0 to 100.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zendral::radio {

inline constexpr std::string_view kRadioStateFile = "KovRadio.ini";
inline constexpr int kRadioDefaultVolume = 30;
inline constexpr int kRadioVolumeStep = 10;

struct RadioState {
  std::string stationName;
  std::string address;
  std::string countryName;
  std::string logo;
  bool playing = false;
  int volume = kRadioDefaultVolume;
  int countryPosition = 0;

  friend bool operator==(const RadioState&, const RadioState&) = default;
};

// The built-in station: the companion server's first station, in the Russian Federation, at
// the service base ("http://127.0.0.1:8044"); silent, volume 30.
RadioState DefaultRadioState(std::string_view serviceBase);

// The state in the file's bytes; nothing when the file does not hold seven lines. A volume or a
// position out of range is brought into it; a volume between the steps is rounded to one.
std::optional<RadioState> ParseRadioState(std::string_view bytes);
std::string FormatRadioState(const RadioState& state);

// Reads the file; `fallback` when it is missing, unreadable or damaged.
RadioState ReadRadioState(const std::filesystem::path& file, const RadioState& fallback);
// Writes the file atomically; false when it could not be written.
bool WriteRadioState(const std::filesystem::path& file, const RadioState& state);

// The volume buttons of the radio window: plus and minus a step, within 0..100.
int RadioVolumeUp(int volume);
int RadioVolumeDown(int volume);
// The radio pack's volume picture: "RRADIO_VOLUME" + the volume in tens, "00" for 0, "01" for
// 1-10, ... "10" for 91-100.
std::string RadioVolumePicture(int volume);

}  // namespace zendral::radio
