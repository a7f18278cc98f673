#include "present/audio/EventSoundPlayer.h"

#include <gtest/gtest.h>

#include <map>

#include "AudioTestData.h"

namespace zendral::audio {
namespace {

using namespace std::chrono_literals;
using test::Bytes;

// Records what was started and when; a start may take a while, as a real device's can.
class FakeOutput : public SoundOutput {
 public:
  explicit FakeOutput(class FakeClock& clock) : clock_(clock) {}
  void Start(std::string_view name) override;
  void StopAll() override { log.push_back("stop all"); }
  std::vector<std::string> log;
  std::chrono::microseconds startTakes{0};

 private:
  FakeClock& clock_;
};

// A clock that only moves when told to; a hold jumps it to the deadline and is recorded.
class FakeClock : public WaitClock {
 public:
  TimePoint Now() override { return now; }
  void HoldUntil(TimePoint deadline) override {
    holds.push_back(deadline - now);
    if (deadline > now) now = deadline;
  }
  TimePoint now{std::chrono::seconds(1000)};
  std::vector<TimePoint::duration> holds;
};

void FakeOutput::Start(std::string_view name) {
  log.push_back("start " + std::string(name));
  clock_.now += startTakes;
}

class EventSoundPlayerTest : public testing::Test {
 protected:
  EventSoundPlayerTest() {
    sounds["WHodsDo"] = test::MakeWav(1, 44100, 16, 8820);   // 200 ms
    sounds["WHodBer"] = test::MakeWav(1, 22050, 16, 9923);   // 450.023 ms
    sounds["WKoGutX"] = test::MakeWav(2, 44100, 16, 44100);  // 1 s
    sounds["WWrongs"] = Bytes(30, std::byte{7});             // present but not a WAV
  }
  SoundLoader Loader() {
    return [this](std::string_view name) {
      ++loads[std::string(name)];
      auto found = sounds.find(std::string(name));
      return found == sounds.end() ? Bytes{} : found->second;
    };
  }

  std::map<std::string, Bytes> sounds;
  std::map<std::string, int> loads;
  FakeClock clock;
  FakeOutput output{clock};
};

TEST_F(EventSoundPlayerTest, WaitsForTheSoundsLengthOnlyWhenAskedAndSwitchedOn) {
  struct Case {
    const char* name;
    bool wait, soundOn;
    SoundResult result;
    bool started;
    std::optional<std::chrono::microseconds> hold;
  };
  const Case cases[] = {
      {"WHodsDo", true, true, SoundResult::kPlayed, true, 200'000us},
      {"WHodBer", true, true, SoundResult::kPlayed, true, 450'023us},  // from its 22 kHz header
      {"WKoGutX", true, true, SoundResult::kPlayed, true, 1'000'000us},
      {"WHodsDo", false, true, SoundResult::kPlayed, true, std::nullopt},
      {"WHodsDo", true, false, SoundResult::kSwitchedOff, false, std::nullopt},
      {"WKoGutX", false, false, SoundResult::kSwitchedOff, false, std::nullopt},
      {"WNoSuch", true, true, SoundResult::kUnknownSound, false, std::nullopt},
      {"WWrongs", true, true, SoundResult::kDamagedSound, false, std::nullopt},
  };
  for (const Case& c : cases) {
    FakeClock caseClock;
    FakeOutput caseOutput(caseClock);
    EventSoundPlayer player(caseOutput, caseClock, Loader());
    const auto before = caseClock.now;
    EXPECT_EQ(player.PlayEventSound(c.name, c.wait, c.soundOn), c.result) << c.name;
    EXPECT_EQ(caseOutput.log.size(), c.started ? 1u : 0u) << c.name;
    if (c.hold) {
      ASSERT_EQ(caseClock.holds.size(), 1u) << c.name;
      EXPECT_EQ(caseClock.holds[0], *c.hold) << c.name;
      EXPECT_EQ(caseClock.now - before, *c.hold) << c.name;
    } else {
      EXPECT_TRUE(caseClock.holds.empty()) << c.name;
      EXPECT_EQ(caseClock.now, before) << c.name;
    }
  }
}

TEST_F(EventSoundPlayerTest, ASlowStartDoesNotLengthenTheHold) {
  EventSoundPlayer player(output, clock, Loader());
  output.startTakes = 30ms;
  const auto before = clock.now;
  ASSERT_EQ(player.PlayEventSound("WHodsDo", true, true), SoundResult::kPlayed);
  EXPECT_EQ(clock.now - before, 200ms);
  ASSERT_EQ(clock.holds.size(), 1u);
  EXPECT_EQ(clock.holds[0], 170ms);
}

TEST_F(EventSoundPlayerTest, PlaysEachCallInOrderAndReadsEachSoundOnce) {
  EventSoundPlayer player(output, clock, Loader());
  player.PlayEventSound("WKoGutX", false, true);
  player.PlayEventSound("WHodsDo", true, true);
  player.PlayEventSound("WHodsDo", true, true);
  player.PlayEventSound("WNoSuch", false, true);
  player.PlayEventSound("WNoSuch", false, true);
  EXPECT_EQ(output.log,
            (std::vector<std::string>{"start WKoGutX", "start WHodsDo", "start WHodsDo"}));
  EXPECT_EQ(loads["WHodsDo"], 1);
  EXPECT_EQ(loads["WNoSuch"], 1);
  EXPECT_EQ(player.SoundLength("WKoGutX"), 1'000'000us);
  EXPECT_EQ(player.SoundLength("WWrongs"), std::nullopt);
}

}  // namespace
}  // namespace zendral::audio
