#include "extras/radio/RadioController.h"

namespace zendral::radio {

std::string_view LampPicture(RadioLamp lamp) {
  switch (lamp) {
    case RadioLamp::kSilent:
      return "GRadioR";
    case RadioLamp::kConnecting:
    case RadioLamp::kPlaying:
      return "GRadioG";
    case RadioLamp::kUnavailable:
    case RadioLamp::kStationDown:
      return "GRadioB";
  }
  return "GRadioB";
}

RadioController::RadioController(RadioStream& stream) : stream_(stream) {}

void RadioController::Prepare(bool packFound, bool listFound, const RadioState& state) {
  if (state_.playing) stream_.Stop();
  available_ = packFound && listFound;
  state_ = state;
  connecting_ = false;
  stationDown_ = false;
  if (!available_) state_.playing = false;
}

RadioLamp RadioController::Lamp() const {
  if (!available_) return RadioLamp::kUnavailable;
  if (stationDown_) return RadioLamp::kStationDown;
  if (!state_.playing) return RadioLamp::kSilent;
  return connecting_ ? RadioLamp::kConnecting : RadioLamp::kPlaying;
}

void RadioController::Start() {
  state_.playing = true;
  connecting_ = true;
  stationDown_ = false;
  stream_.Start(state_.address, state_.volume);
}

void RadioController::Toggle() {
  if (!available_) return;
  if (state_.playing) {
    stream_.Stop();
    state_.playing = false;
    connecting_ = false;
  } else {
    Start();
  }
}

bool RadioController::StartAfterIntro() {
  if (!available_ || !state_.playing) return false;
  Start();
  return true;
}

void RadioController::ChooseStation(const Station& station, int countryPosition) {
  state_.stationName = station.name;
  state_.countryName = station.countryName;
  state_.address = station.address;
  state_.logo = station.logo.empty() ? std::string(kUnknownLogo) : station.logo;
  state_.countryPosition = countryPosition;
  stream_.Stop();
  connecting_ = false;
  stationDown_ = false;
  if (available_ && state_.playing) Start();
}

void RadioController::VolumeUp() {
  state_.volume = RadioVolumeUp(state_.volume);
  stream_.SetVolume(state_.volume);
}

void RadioController::VolumeDown() {
  state_.volume = RadioVolumeDown(state_.volume);
  stream_.SetVolume(state_.volume);
}

void RadioController::StreamPlaying() {
  if (state_.playing) connecting_ = false;
}

void RadioController::StreamFailed() {
  if (!state_.playing) return;
  stream_.Stop();
  state_.playing = false;
  connecting_ = false;
  stationDown_ = true;
}

}  // namespace zendral::radio
