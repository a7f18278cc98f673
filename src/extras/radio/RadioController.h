#pragma once
// The radio's behaviour without its windows: whether it can play at all, which station is
// current, on or off, the volume, and what the lamp and hint of the radio icon show. The
// stream itself is played by whatever RadioStream the program gives; it answers later (never
// while the program waits) through StreamPlaying and StreamFailed.
//
// A station that cannot be opened switches the radio off and shows the dead-station lamp and
// hint; the next switch-on tries it again.

#include <string>
#include <string_view>

#include "extras/radio/RadioState.h"
#include "extras/radio/RadioStations.h"

namespace zendral::radio {

class RadioStream {
 public:
  virtual ~RadioStream() = default;
  // Both return at once.
  virtual void Start(const std::string& address, int volumePercent) = 0;
  virtual void Stop() = 0;
  virtual void SetVolume(int volumePercent) = 0;
};

// The lamp of the radio icon.
enum class RadioLamp {
  kUnavailable,  // "GRadioB": no radio pack or no station list
  kSilent,       // "GRadioR"
  kConnecting,   // "GRadioG" while the stream is opened
  kPlaying,      // "GRadioG"
  kStationDown,  // "GRadioB" again, with the dead station's hint
};
std::string_view LampPicture(RadioLamp lamp);

class RadioController {
 public:
  explicit RadioController(RadioStream& stream);

  // PrepareRadio: the radio is available only with its pack and its station list. An
  // available radio takes the stored state; an unavailable one is silent.
  void Prepare(bool packFound, bool listFound, const RadioState& state);

  bool Available() const { return available_; }
  const RadioState& State() const { return state_; }
  // On: the radio is meant to play (it may still be connecting).
  bool On() const { return state_.playing; }
  RadioLamp Lamp() const;

  // The icon's left click and the window's on/off picture. Does nothing when unavailable.
  void Toggle();
  // At the end of the intro: true when the stored state says the radio was playing and it has
  // been started (the caller then turns the MIDI music off).
  bool StartAfterIntro();
  // A station chosen in the radio window: it becomes current; a radio that is on plays it.
  void ChooseStation(const Station& station, int countryPosition);
  void SetCountryPosition(int position) { state_.countryPosition = position; }
  void VolumeUp();
  void VolumeDown();

  // What became of the stream asked for last.
  void StreamPlaying();
  void StreamFailed();

 private:
  void Start();

  RadioStream& stream_;
  RadioState state_;
  bool available_ = false;
  bool connecting_ = false;
  bool stationDown_ = false;
};

}  // namespace zendral::radio
