#include "extras/radio/RadioController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendral::radio {
namespace {

class RecordingStream : public RadioStream {
 public:
  void Start(const std::string& address, int volume) override {
    calls.push_back("start " + address + " " + std::to_string(volume));
  }
  void Stop() override { calls.push_back("stop"); }
  void SetVolume(int volume) override { calls.push_back("volume " + std::to_string(volume)); }
  std::vector<std::string> Take() { return std::exchange(calls, {}); }
  std::vector<std::string> calls;
};

RadioState Stored(bool playing) {
  RadioState state = DefaultRadioState("http://127.0.0.1:8044");
  state.playing = playing;
  state.volume = 60;
  return state;
}

using Calls = std::vector<std::string>;

TEST(RadioController, AvailabilityNeedsThePackAndTheList) {
  RecordingStream stream;
  RadioController radio(stream);
  for (const auto& [pack, list] : {std::pair{false, true}, std::pair{true, false}}) {
    radio.Prepare(pack, list, Stored(true));
    EXPECT_FALSE(radio.Available());
    EXPECT_FALSE(radio.On());
    EXPECT_EQ(radio.Lamp(), RadioLamp::kUnavailable);
    EXPECT_FALSE(radio.StartAfterIntro());
    radio.Toggle();
    EXPECT_TRUE(stream.Take().empty());
  }
  radio.Prepare(true, true, Stored(false));
  EXPECT_TRUE(radio.Available());
  EXPECT_EQ(radio.Lamp(), RadioLamp::kSilent);
  EXPECT_EQ(LampPicture(radio.Lamp()), "GRadioR");
}

TEST(RadioController, StoredPlayingStartsAfterTheIntroAtTheStoredVolume) {
  RecordingStream stream;
  RadioController radio(stream);
  radio.Prepare(true, true, Stored(true));
  EXPECT_TRUE(stream.Take().empty());  // nothing plays during the intro
  EXPECT_TRUE(radio.StartAfterIntro());
  EXPECT_EQ(stream.Take(), Calls{"start http://127.0.0.1:8044/radio/zendral 60"});
  EXPECT_EQ(radio.Lamp(), RadioLamp::kConnecting);
  radio.StreamPlaying();
  EXPECT_EQ(radio.Lamp(), RadioLamp::kPlaying);
  EXPECT_EQ(LampPicture(radio.Lamp()), "GRadioG");

  RadioController silent(stream);
  silent.Prepare(true, true, Stored(false));
  EXPECT_FALSE(silent.StartAfterIntro());
  EXPECT_TRUE(stream.Take().empty());
}

TEST(RadioController, ADeadStationShowsItselfAndIsTriedAgainOnTheNextSwitchOn) {
  RecordingStream stream;
  RadioController radio(stream);
  radio.Prepare(true, true, Stored(false));
  radio.Toggle();
  EXPECT_TRUE(radio.On());
  radio.StreamFailed();
  EXPECT_FALSE(radio.On());
  EXPECT_EQ(radio.Lamp(), RadioLamp::kStationDown);
  EXPECT_EQ(LampPicture(radio.Lamp()), "GRadioB");
  EXPECT_EQ(stream.Take(), (Calls{"start http://127.0.0.1:8044/radio/zendral 60", "stop"}));
  radio.Toggle();  // tried again
  EXPECT_EQ(stream.Take(), Calls{"start http://127.0.0.1:8044/radio/zendral 60"});
  EXPECT_EQ(radio.Lamp(), RadioLamp::kConnecting);
  radio.Toggle();
  EXPECT_EQ(stream.Take(), Calls{"stop"});
  EXPECT_EQ(radio.Lamp(), RadioLamp::kSilent);
  radio.StreamFailed();  // a late report of the stream switched off changes nothing
  EXPECT_EQ(radio.Lamp(), RadioLamp::kSilent);
}

TEST(RadioController, ChoosingAStationPlaysItOnlyWhenOn) {
  RecordingStream stream;
  RadioController radio(stream);
  radio.Prepare(true, true, Stored(false));
  const Station jazz{"USA", "0000002", "Jazz Hall", "USA", "http://r/jazz", ""};
  radio.ChooseStation(jazz, 12);
  EXPECT_EQ(stream.Take(), Calls{"stop"});
  EXPECT_EQ(radio.State().stationName, "Jazz Hall");
  EXPECT_EQ(radio.State().logo, kUnknownLogo);
  EXPECT_EQ(radio.State().countryPosition, 12);
  radio.Toggle();
  radio.ChooseStation({"UK0", "0000006", "Tea Time", "United Kingdom", "http://r/tea", "L"}, 14);
  EXPECT_EQ(stream.Take(), (Calls{"start http://r/jazz 60", "stop", "start http://r/tea 60"}));
  EXPECT_EQ(radio.State().countryName, "United Kingdom");
}

TEST(RadioController, VolumeStaysWithinItsLimits) {
  RecordingStream stream;
  RadioController radio(stream);
  RadioState state = Stored(false);
  state.volume = 90;
  radio.Prepare(true, true, state);
  radio.VolumeUp();
  radio.VolumeUp();
  EXPECT_EQ(radio.State().volume, 100);
  EXPECT_EQ(stream.Take(), (Calls{"volume 100", "volume 100"}));
  for (int i = 0; i < 12; ++i) radio.VolumeDown();
  EXPECT_EQ(radio.State().volume, 0);
}

}  // namespace
}  // namespace zendral::radio
